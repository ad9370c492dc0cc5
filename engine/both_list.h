// The two-way list: every pair once and every one-sided file once, in two
// groups (root files and subfolder files) each sorted by relative path.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"

#include <vector>

struct BothList {
    std::vector<FileEntry> entries;
    int firstCount = 0;  // rows taken from the first table of the pass
    int secondCount = 0; // rows taken from the second table
};

// A base entry is listed when Same, BaseNewer or BaseOnly, a target entry when
// TargetNewer or TargetOnly. ROOTFILE puts root files in the first group;
// SUBFOLDER leaves subfolder files out. One message per entry visited.
BothList BuildBoth(const std::vector<FileEntry>& base, const std::vector<FileEntry>& target, int rootFile,
                   int subFolder, EngineHost& host);
