// Walks one folder tree into a table of FileEntry records, in the layout the
// list shows: each group (root files, subfolder files) sorted by the bytes of
// its relative paths, the groups never interleaved.
#pragma once
#include "engine/engine_host.h"
#include "engine/exclusion_filter.h"
#include "engine/file_entry.h"
#include "engine/problem.h"

#include <cstdint>
#include <string>
#include <vector>

struct ScanLayout {
    int subFolder = 0; // SUBFOLDER: subfolder files are left out of the table
    int rootFile = 0;  // ROOTFILE: root files come before subfolder files
    ExclusionFilter exclude; // names left out as if they were not there (folders not entered)
};

struct ScanResult {
    std::vector<FileEntry> entries;
    Problems problems;          // folders that could not be listed, links that loop
};

// Scans both trees at once: threads take folders of either tree from one queue,
// since each folder costs round trips to the file system that another
// thread's work can fill. This thread waits, letting messages through the
// host and showing it the files found so far, foundBefore (an earlier scan's)
// included; a close request stops the threads at their next folder.
//
// A folder text without a final "\" is taken as if it had one; an empty one
// gives an empty table. Names are kept in the stored form of stored_name.h, at
// any depth. A folder that cannot be listed adds nothing to the table and is
// named in problems with the system's reason; so is a link that leads back to
// a folder on its own way down, which is not entered.
void ScanFolders(const std::string& baseText, const std::string& targetText, const ScanLayout& layout, int threads,
                 EngineHost& host, ScanResult& base, ScanResult& target, std::uint64_t foundBefore = 0);

// Byte order of relative paths (unsigned bytes; "B" before "a", "sub2\x" before "sub\x").
bool PathBytesLess(const FileEntry& a, const FileEntry& b);
