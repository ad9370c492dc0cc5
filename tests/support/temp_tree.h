// A temporary folder tree for tests: files with exact sizes, contents and
// last-write times (given as local time, as the list shows them). The whole
// tree is removed when the object goes.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

using Names = std::vector<std::string>;

// A local calendar time as a file time (UTC), the inverse of what the scanner shows.
FILETIME LocalFileTime(int year, int month, int day, int hour, int minute, int second);

// A small file system to fill, ending with "\\", when the test run could make
// one (scripts/small-disk: MIRVALEN_SMALL_DISK); else empty.
std::string SmallDisk();

// The Recycle Bin as Wine keeps it, the desktop's trash $XDG_DATA_HOME/Trash,
// which ctest points into the build tree (MIRVALEN_TRASH, its Z: path),
// emptied first so that earlier runs' names do not collide; empty when unset.
std::string EmptiedTrash();

class TempTree {
public:
    // A new folder in the temporary folder, or in parent (e.g. "C:\\").
    explicit TempTree(const std::string& parent = "");
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's folder, ending with "\".
    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + relative; }

    void MakeDir(const std::string& relative) const;
    // Writes a file (creating its folders) with the given content and, when
    // given, last-write time. Relative paths are in the stored form: Shift-JIS,
    // or StoredFromWide(L"...") for names the code page cannot write.
    void Write(const std::string& relative, const std::string& content, const FILETIME* lastWrite = nullptr) const;
    void Write(const std::string& relative, const std::string& content, const FILETIME& lastWrite) const
    {
        Write(relative, content, &lastWrite);
    }
    void SetAttributes(const std::string& relative, DWORD attributes) const;
    DWORD Attributes(const std::string& relative) const;
    // A folder link to target, relative to the link's folder (".."); false when none can be made.
    bool LinkFolder(const std::string& relative, const std::string& target) const;
    // A second file beside relative, its name differing only in letter case,
    // as a case-sensitive file system holds; false where none can be made.
    bool CopyAsCaseVariant(const std::string& relative, const std::string& variant) const;
    // Runs a shell script of the host (Linux) in the tree's folder, for names
    // and links Windows cannot make, and waits until made() holds; false
    // where there is no host or it did not.
    bool OnHost(const std::string& script, const std::function<bool()>& made) const;

    bool Exists(const std::string& relative) const;
    std::string Read(const std::string& relative) const;
    // Names in a folder of the tree ("" for the root), as FindFirstFile gives them.
    Names Names(const std::string& folder = "") const;

private:
    std::wstring WidePath(const std::string& relative) const;
    std::string m_root;
};
