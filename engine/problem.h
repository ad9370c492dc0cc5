// A file or folder that was not read or not copied, with the reason in words a
// user reads. Scans and copies collect them; the window and the command-line
// tool show them, so nothing fails silently.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct Problem {
    std::string path;   // the full path, in the stored form of stored_name.h
    std::string reason; // Japanese, one line
};

using Problems = std::vector<Problem>;

// The system's own text for an error code, on one line.
std::string SystemMessage(DWORD error);
