// One file copy that never leaves a half-written destination: the data go to a
// temporary file on the destination's drive, which then replaces the destination.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

enum class ReplaceRule {
    NotLater,       // refuse a destination whose time is later than the source's
    EarlierOnly,    // refuse also one with the same time (two-way runs)
    AsListed,       // the user chose the copy: refuse a destination changed since the list was made
};

// What becomes of the version a copy replaces.
enum class OldVersion {
    Recycle, // into the Recycle Bin of its drive, where there is one
    Discard, // gone with the replacement
};

// Why a file was not copied.
enum class CopyFailure {
    None,
    SourceMissing,       // vanished since the list was made
    SourceInUse,         // another program holds it without sharing
    DestinationReadOnly, // the user protected it: the source is not read-only
    DestinationHidden,   // likewise hidden
    DestinationNewer,    // changed after the list was made
    DestinationChanged,  // a copy the user chose: the destination changed after the list was made
    Conflict,            // two-way: same time, different sizes
    ContentConflict,     // compared by content: same time and size, other contents
    DestinationIsFolder,
    FolderNotCreated,
    DiskFull,
    AccessDenied,
    NotRecycled,         // the old version would not go to the Recycle Bin: left in place
    NotPlacedAfterBin,   // the old version is in the bin, the new one could not take its place
    NotVerified,         // the copy, read back, did not hold the source's bytes (twice): nothing replaced
    Other,               // the system's own message tells
    Last = Other,
};

struct CopyResult {
    CopyFailure failure = CopyFailure::None;
    DWORD error = 0; // the system's code, where one caused it
    bool noBin = false; // copied, but the drive had no bin for the old version: it is gone
    bool Copied() const { return failure == CopyFailure::None; }
};

// One copy as the list orders it.
struct CopyTask {
    std::size_t index; // position in the comparison list
    std::wstring source, destination;
    ReplaceRule rule;
    bool expectNew; // no destination when the list was made
    OldVersion old = OldVersion::Recycle;
    std::uint64_t size = 0; // the source's size as listed
    std::string listedTime; // AsListed: the destination's time as the list showed it
    bool verify = false;    // read the copy back and compare it with the source before it replaces anything
};

// The reason in words, for the report of files not copied.
std::string ReasonText(const CopyResult& result);
// The failure a system error code stands for.
CopyResult FailureOf(DWORD error);

// Where the copies of one process write their temporary files: beside the
// destination; under Wine, from the 16th copy into one folder on, in a folder
// of the process's own inside it (hidden). Wine searches the whole of a folder
// for every new name in it, to rule out one differing in letter case: in a
// folder of thousands of files a temporary file made beside the destination
// costs that search a second time, while a folder of a few copies is not worth
// a folder of its own. Windows has no such cost, and a hidden folder in the
// user's data would be for nothing there. Where no such folder can be made,
// the temporary files stay beside their destinations. The folders go when
// this does. The names are those of temporary_files.h.
class TemporaryFolders {
public:
    TemporaryFolders();
    ~TemporaryFolders();
    TemporaryFolders(const TemporaryFolders&) = delete;
    TemporaryFolders& operator=(const TemporaryFolders&) = delete;

    // A name no other copy uses, for the temporary file of this destination.
    std::wstring NameFor(const std::wstring& destination);

private:
    struct Place {
        unsigned copies = 0;
        std::wstring own; // the folder of this process there, once made
    };
    const bool m_ownFolders; // only where they pay
    std::mutex m_mutex;
    std::map<std::wstring, Place> m_places; // by destination folder, case folded
    unsigned m_serial = 0;
};

// True when the destination is already a copy of the source: the same size
// and last-write time, as a copy leaves them.
bool CopiedAlready(const std::wstring& source, const std::wstring& destination);

// Copies the task's source to its destination (wide "\\?\" paths) keeping the source's
// last-write time and attributes. Refused, with the destination untouched and
// no temporary file left: a source that cannot be read, a destination the
// rule refuses (times compared in whole seconds, as the list shows them), and
// a read-only or hidden destination whose source is not so too (a copy that
// carried the attribute over may be replaced; one the user set may not), and
// an old version that should go to the Recycle Bin and would not.
// When the list found no destination (expectNew) it is not asked about
// first; should one have appeared, the rename refuses to replace it and the
// copy is decided as for any existing destination.
//
// With verify, the finished temporary file is read back (past the system's
// cache where the file system allows) and compared with the source; one that
// differs is made once more, and if it differs again nothing is replaced.
CopyResult CopyFileSafely(const CopyTask& task, TemporaryFolders& temporaries);

// Lets a test change a copy between its writing and its check, as a faulty
// device would. Null (the program's case) changes nothing.
using WrittenCopyHook = void (*)(const std::wstring& temporary);
void SetWrittenCopyHook(WrittenCopyHook hook);
