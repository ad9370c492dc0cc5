// The arguments shared by the commands that compare two folders.
#pragma once
#include "engine/comparison_inputs.h"
#include "engine/file_entry.h"

#include <string>
#include <vector>

constexpr int kMaxCopyWorkers = 8;

struct CompareOptions {
    FixedInputs inputs;
    bool utf8 = false;    // write UTF-8 instead of the console's code page
    bool timings = false; // per-step times and peak memory on standard error
    std::string favorite;       // --favorite NAME: folders and direction from a favourite
    std::string favoritesFile;  // --favorites FILE: where to look it up
    int copyWorkers = 0;        // --copy-workers N; 0: the pool's default
    std::string logFile;        // --log FILE: where the run leaves its trace
    // --conflict: the copy made for each undecided pair (same time, different sizes):
    // none (skip), the base's version down (base), or the target's up (target).
    RowChoice conflict = RowChoice::Automatic;
};

// Reads "BASE TARGET" (or --favorite NAME) and the flags; on failure returns
// false with a message. A favourite's folders and direction are filled in.
bool ParseCompareArgs(const std::vector<std::string>& args, CompareOptions& options, std::string& error);

// The flags as the help text lists them.
const char* CompareFlagsHelp();
