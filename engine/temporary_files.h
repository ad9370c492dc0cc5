// The names of the program's temporary files and folders, and their removal
// once the run that made them is over. A copy writes a temporary file on the
// destination's drive before it replaces anything; a run that ends without
// cleaning up (killed, crashed, a power cut) leaves it. Such a name is never
// the user's data: the scanner never lists one, on either side, and removes
// one whose run is certainly over.
//
// One form for all of them: "~mrv" and the making process's id in hex, "-" and
// that process's start time (16 hex digits, so that a process id given again
// to another process does not pass for the first), then for a file "-" and a
// serial, and ".tmp". Files of 1.0.7 and earlier lack the start time
// ("~mrv<id>-<serial>.tmp", the folder "~mrv<id>.tmp" with "<serial>.tmp"
// inside); they are removed only once no process of that id runs at all.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The name of a temporary file of this process.
std::wstring TemporaryFileName(unsigned serial);
// The name of this process's own folder for temporary files.
std::wstring TemporaryFolderName();

// Who made a temporary, read from its name.
struct TemporaryOwner {
    DWORD processId = 0;
    std::optional<ULONGLONG> started; // none in the names of 1.0.7 and earlier
};

// The owner when the name is one of the program's temporary names (a file's
// or a folder's), else none. Cheap for every other name: the scanner asks for
// each one.
std::optional<TemporaryOwner> OwnerOfTemporary(std::wstring_view name);

// True once the process that made the temporary is gone.
bool RunIsOver(const TemporaryOwner& owner);

// Removes the temporary file or folder (a long path) when its run is over;
// a folder only once nothing but temporary files was in it, a file only when
// no one has it open. Returns whether anything was removed.
bool RemoveIfLeftOver(const std::wstring& path, const TemporaryOwner& owner, bool isFolder);

// Removes the temporary files in a folder of temporary files, then the folder
// when nothing else was in it.
void RemoveTemporaryFolder(const std::wstring& path);

// Removes every temporary that the process left in the folder, once it has
// ended (a worker process ended in the middle of a copy).
void RemoveTemporariesOf(const std::wstring& folder, DWORD processId);
