// With the option CONTENT, pairs of one size are compared byte for byte once
// they are matched, on a few threads, the largest first. Equal contents make a
// pair "=" whatever its times. Other contents with one time (or within two
// seconds under that rule: the pairs that times and sizes call Same) make it
// undecided. Other contents with other times keep what the times decided.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"
#include "engine/problem.h"
#include "system/file_contents.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ContentPairs {
    std::string baseFolder, targetFolder; // folder texts, as the scans had them
    int threads = 4;
};

// The bytes compared (of one file of each pair) and their total, shown to the
// host from the waiting thread now and then.
using ShowCompared = std::function<void(std::uint64_t compared, std::uint64_t total)>;

// A pair that could not be read keeps its decision and is named in problems.
// A close or stop request ends the comparison and leaves every pair as it was.
void CompareContentsOfPairs(std::vector<FileEntry>& base, std::vector<FileEntry>& target, const ContentPairs& where,
                            EngineHost& host, const ShowCompared& show, Problems& problems);
