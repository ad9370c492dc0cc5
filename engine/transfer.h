// Which way a row of the comparison list is copied. The list's marks, its
// counts and the copy engine all decide by these rules, so the rows marked
// "↓" or "↑" are exactly the files a sync copies.
#pragma once
#include "engine/file_entry.h"
#include "engine/sync_direction.h"

// "=", "↓", "↑"; "！" for a row that would be copied but is held back (its
// name differs only in letter case from another's, and either copy would
// overwrite the other); "？" for a row of an undecided pair.
enum class Transfer { None, Down, Up, Held, Undecided };

// The two-way list takes a pair's row, and a file on one side only, from the
// base table when Same, BaseNewer or BaseOnly; the rest from the target table.
inline bool ListedFromBase(EntryStatus status)
{
    return status == Same || status == BaseNewer || status == BaseOnly;
}

// Whether a row of the direction's list is the base's entry (else the target's).
inline bool RowFromBase(SyncDirection direction, EntryStatus status)
{
    return direction == Both ? ListedFromBase(status) : direction == Down;
}

inline Transfer TransferOf(SyncDirection direction, EntryStatus status)
{
    // A pair newer on the side that is not sent shows as "=".
    if ((status == BaseNewer || status == BaseOnly) && direction != Up)
        return Transfer::Down;
    if ((status == TargetNewer || status == TargetOnly) && direction != Down)
        return Transfer::Up;
    return Transfer::None;
}

// Whether a row is one of the two rows of a pair of the same time and other
// sizes, whose states say "one-sided".
inline bool UndecidedBySize(const FileEntry& entry)
{
    return entry.undecided && entry.status != Same;
}

// The transfer the list decides for a row, before any choice of the user.
// Files of the same time and size whose contents differ are never copied by
// themselves. A pair of the same time and other sizes is copied by a one-way
// list as any other (the destination's time is not later); the two-way list
// cannot tell which way it goes.
inline Transfer AutomaticTransferOf(SyncDirection direction, const FileEntry& entry)
{
    if (entry.undecided && entry.status == Same)
        return Transfer::Undecided;
    Transfer transfer = TransferOf(direction, entry.status);
    if (transfer == Transfer::None)
        return transfer;
    if (entry.heldBack)
        return Transfer::Held;
    return entry.undecided && direction == Both ? Transfer::Undecided : transfer;
}

// The transfer a row shows: the user's choice, else the list's.
inline Transfer TransferOf(SyncDirection direction, const FileEntry& entry)
{
    switch (entry.choice) {
    case RowChoice::Down: return Transfer::Down;
    case RowChoice::Up: return Transfer::Up;
    case RowChoice::NoCopy: return Transfer::None;
    default: return AutomaticTransferOf(direction, entry);
    }
}

// The transfer a sync makes for a row. A pair of other sizes has a row on
// each side in the two-way list; a choice for the pair shows on both rows,
// and the row of the side copied from makes the one copy.
inline Transfer CopyOf(SyncDirection direction, const FileEntry& entry)
{
    Transfer transfer = TransferOf(direction, entry);
    if (transfer != Transfer::Down && transfer != Transfer::Up)
        return Transfer::None;
    if (UndecidedBySize(entry) && direction == Both && (transfer == Transfer::Down) != ListedFromBase(entry.status))
        return Transfer::None;
    return transfer;
}
