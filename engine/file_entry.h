// One file of a scanned tree. Kept small: tables hold hundreds of thousands of them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

enum EntryStatus : std::int8_t {
    Unchecked = 0,   // not decided by any matching pass
    Same = 1,        // paired, the two files count as identical
    BaseNewer = 2,   // paired, the base file's time text sorts later
    BaseOnly = 3,    // base entry left undecided by the base-to-target pass
    TargetNewer = 4, // paired, the target file's time text sorts later
    TargetOnly = 5,  // target entry left undecided by the target-to-base pass
};

// What the user chose for a row of the list, over what the list decided.
enum class RowChoice : std::int8_t {
    Automatic = 0, // as the list decides
    Down,          // copied to the target, whatever the list decided
    Up,            // copied to the base
    NoCopy,        // copied neither way
};

// Whether matching paired the entry with one on the other side.
inline bool Paired(EntryStatus status)
{
    return status == Same || status == BaseNewer || status == TargetNewer;
}

// "%d/%02d/%02d %02d:%02d:%02d": 19 characters for years 1000-9999.
constexpr std::size_t kTimeTextLength = 19;

struct FileEntry {
    std::string relativePath; // below the scanned folder, no leading "\"
    std::uint64_t size = 0;   // the whole length, 4 GiB and more included
    std::array<char, kTimeTextLength + 1> timeText{}; // local last-write time, NUL-terminated
    EntryStatus status = Unchecked;
    bool isRoot = false;          // lies directly in the scanned folder
    bool heldBack = false;        // never copied: its name differs from another's only in letter case
    // Paired with a file of the same time but another size (status one-sided,
    // a row on each side in the two-way list), or, compared by content, with
    // one of the same time, size but other contents (status Same): neither is newer.
    bool undecided = false;
    RowChoice choice = RowChoice::Automatic; // set by the user on a row of the comparison list
    std::int32_t counterpart = 0; // index of the paired (or undecided) entry in the other side's table

    const char* TimeText() const { return timeText.data(); }
};
