// The decision for one base entry and one target entry found equal by path.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"

#include <cstdint>

// Writes Same, BaseNewer or TargetNewer with both counterparts. When the time
// texts are equal but the sizes differ, neither is newer: the status is left
// for the passes to mark as one-sided, and both entries are marked undecided,
// each with the other as counterpart. baseFirst says which time text
// is converted first (each failed conversion shows "変換失敗" once).
void DecidePair(FileEntry& base, std::int32_t baseIndex, FileEntry& target, std::int32_t targetIndex,
                int twoSecondSame, bool baseFirst, EngineHost& host);
