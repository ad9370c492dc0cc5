// Which way a row of the comparison list is copied. The list's marks and the
// copy engine both decide by this one rule, so the rows marked "↓" or "↑" are
// exactly the files a sync copies.
#pragma once
#include "engine/file_entry.h"
#include "engine/sync_direction.h"

// "=", "↓", "↑", and for a row that would be copied but is held back (its name
// differs only in letter case from another's, and either copy would overwrite
// the other) "！".
enum class Transfer { None, Down, Up, Held };

// The two-way list takes a pair's row, and a file on one side only, from the
// base table when Same, BaseNewer or BaseOnly; the rest from the target table.
inline bool ListedFromBase(EntryStatus status)
{
    return status == Same || status == BaseNewer || status == BaseOnly;
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

// The transfer a row shows and a sync makes.
inline Transfer TransferOf(SyncDirection direction, const FileEntry& entry)
{
    Transfer transfer = TransferOf(direction, entry.status);
    return entry.heldBack && transfer != Transfer::None ? Transfer::Held : transfer;
}
