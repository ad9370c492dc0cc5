// Which choices the user may make for a row of the comparison list.
#pragma once
#include "engine/file_entry.h"
#include "engine/sync_direction.h"

// A one-way list copies only its own way. A file cannot be copied from the
// side it is missing on, and a row held back for its name is never copied.
// Back to the automatic decision only from a choice.
bool ChoiceAllowed(SyncDirection direction, const FileEntry& entry, RowChoice choice);
