// A file or folder that was not read or not copied, with the reason in words a
// user reads. Scans and copies collect them; the window and the command-line
// tool show them, so nothing fails silently.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct Problem {
    std::string path;   // the full path, in the stored form of stored_name.h
    std::string reason; // Japanese, one line
};

using Problems = std::vector<Problem>;

// The outcome of one operation that may fail, the one way the lower layers
// report a failure: nothing when it succeeded, else what failed and why.
// Input that is refused before anything is done (a pattern, a favourite's
// texts, command-line arguments) is answered with the refusal's text instead.
using Failure = std::optional<Problem>;

// A problem as a message box shows it: the reason, then the path on its own line.
std::string MessageOf(const Problem& problem);
// Several, a blank line between them.
std::string MessageOf(const Problems& problems);

// The system's own text for an error code, on one line.
std::string SystemMessage(DWORD error);
