// The decision for one base entry and one target entry found equal by path.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"

#include <cstdint>

// Writes Same, BaseNewer or TargetNewer with both counterparts, or nothing when
// the time texts are equal but the sizes differ. baseFirst says which time text
// is converted first (each failed conversion shows "変換失敗" once).
void DecidePair(FileEntry& base, std::int32_t baseIndex, FileEntry& target, std::int32_t targetIndex,
                int twoSecondSame, bool baseFirst, EngineHost& host);
