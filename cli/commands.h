// The tool's commands. Each takes the arguments after its name and returns the
// process exit code; a new command is one more file and one more table row.
#pragma once
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int ListCommand(const Arguments& args);
int SyncCommand(const Arguments& args);
int FavoritesCommand(const Arguments& args);

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitBadArguments = 2;
constexpr int kExitMissingFolder = 3;
constexpr int kExitCancelled = 4;
constexpr int kExitIncomplete = 5; // finished, but some entries were not read or not copied
// --log FILE cannot be written: at the start nothing was done; during the run
// the run went on, but its log is incomplete
constexpr int kExitLogUnwritable = 6;
// The system refused what the run needed (memory, an event, a thread): stopped,
// named on standard error
constexpr int kExitSystemFailure = 7;
