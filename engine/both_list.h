// The two-way list: every pair once and every one-sided file once, in two
// groups (root files and subfolder files) each sorted by relative path.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

struct BothList {
    std::vector<FileEntry> entries;
    // An undecided pair has a row from each side: each row's index gives the other's.
    std::unordered_map<std::size_t, std::size_t> undecidedPartners;
};

// Each pair's entry comes from the side ListedFromBase names. ROOTFILE puts root files in the first group;
// SUBFOLDER leaves subfolder files out. One message per entry visited.
BothList BuildBoth(const std::vector<FileEntry>& base, const std::vector<FileEntry>& target, int rootFile,
                   int subFolder, EngineHost& host);
