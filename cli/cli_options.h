// The arguments shared by the commands that compare two folders.
#pragma once
#include "engine/comparison_inputs.h"

#include <string>
#include <vector>

struct CompareOptions {
    FixedInputs inputs;
    bool utf8 = false;    // write UTF-8 instead of the console's code page
    bool timings = false; // per-step times and peak memory on standard error
};

// Reads "BASE TARGET" and the flags; on failure returns false with a message.
bool ParseCompareArgs(const std::vector<std::string>& args, CompareOptions& options, std::string& error);

// The flags as the help text lists them.
const char* CompareFlagsHelp();
