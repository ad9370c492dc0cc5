// One file copy that never leaves a half-written destination: the data go to a
// temporary name in the destination folder, which then replaces the destination.
#pragma once
#include <windows.h>

#include <string>

enum class ReplaceRule {
    NotLater,       // refuse a destination whose time is later than the source's
    EarlierOnly,    // refuse also one with the same time (two-way runs)
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
    Conflict,            // two-way: same time, different sizes
    DestinationIsFolder,
    FolderNotCreated,
    DiskFull,
    AccessDenied,
    NotRecycled,         // the old version would not go to the Recycle Bin: left in place
    NotPlacedAfterBin,   // the old version is in the bin, the new one could not take its place
    Other,               // the system's own message tells
};

struct CopyResult {
    CopyFailure failure = CopyFailure::None;
    DWORD error = 0; // the system's code, where one caused it
    bool noBin = false; // copied, but the drive had no bin for the old version: it is gone
    bool Copied() const { return failure == CopyFailure::None; }
};

// The reason in words, for the report of files not copied.
std::string ReasonText(const CopyResult& result);
// The failure a system error code stands for.
CopyResult FailureOf(DWORD error);

// Copies source to destination (wide "\\?\" paths) keeping the source's
// last-write time and attributes. Refused, with the destination untouched and
// no temporary file left: a source that cannot be read, a destination the
// rule refuses (times compared in whole seconds, as the list shows them), and
// a read-only or hidden destination whose source is not so too (a copy that
// carried the attribute over may be replaced; one the user set may not), and
// an old version that should go to the Recycle Bin and would not.
// expectNew says the list found no destination: then the destination is not
// asked about first; should one have appeared, the rename refuses to replace
// it and the copy is decided as for any existing destination.
CopyResult CopyFileSafely(const std::wstring& source, const std::wstring& destination, ReplaceRule rule,
                          OldVersion old = OldVersion::Recycle, bool expectNew = false);
