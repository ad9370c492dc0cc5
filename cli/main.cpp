// mirvalen-cli: the comparison and copy engine without the window, for scripts
// and scheduled runs.
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/output.h"

#include "system/stored_name.h"
#include "sync/worker_entry.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const Arguments&);
};

const Command kCommands[] = {
    {"list", "list BASE TARGET [flags]   print the comparison list and the summary", ListCommand},
    {"sync", "sync BASE TARGET [flags]   copy the marked files, then print the list again", SyncCommand},
    {"favorites", "favorites [FILE] [--utf8]  list the favourites (number, name, direction, base, target)",
     FavoritesCommand},
};

void PrintHelp()
{
    std::string text = "usage: mirvalen-cli COMMAND ...\n\ncommands:\n";
    for (const Command& c : kCommands)
        text += std::string("  ") + c.usage + "\n";
    text += "\nlist and sync also take --favorite NAME instead of the two folders:\n"
            "  mirvalen-cli sync --favorite NAME\n";
    text += "\nflags of list and sync:\n";
    text += CompareFlagsHelp();
    text += "\nrows: number, transfer, state, base time, target time, base size, target size, path (tab-separated)\n"
            "\nEvery folder that could not be read and every marked file that was not copied\n"
            "is named on standard error, one line each: path, tab, reason.\n"
            "\nexit codes:\n"
            "  0  done: every folder read and every marked file copied\n"
            "  2  bad arguments (also: one folder lies inside the other while subfolders are searched)\n"
            "  3  folder not found\n"
            "  4  interrupted (Ctrl+C)\n"
            "  5  finished, but some entries were not read or not copied (see standard error)\n"
            "  6  the log (--log FILE) cannot be written: at the start, nothing was done;\n"
            "     during the run, the run went on but its log is incomplete\n"
            "  7  stopped: the system refused what the run needed (memory, an event, a thread)\n";
    Output(false).Write(stdout, text);
}

// The arguments as typed. The C runtime's argv is best-fitted to the code page
// ("Café" would arrive as "Cafe", which may be another folder): an argument
// Shift-JIS cannot write exactly is refused instead.
bool ReadArguments(Arguments& args)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    bool exact = wide != nullptr;
    for (int i = 1; exact && i < count; ++i) {
        std::string text;
        if (ExactShiftJis(wide[i], text)) {
            args.push_back(text);
        } else {
            Output(false).ErrorLine("mirvalen-cli: an argument has characters the code page (Shift-JIS) cannot "
                                    "write: " + StoredFromWide(wide[i]));
            exact = false;
        }
    }
    LocalFree(wide);
    return exact;
}

} // namespace

int main()
{
    int workerExit = 0;
    if (RunWorkerIfAsked(workerExit))
        return workerExit;
    // Under Wine a redirected stdout may count as a character device and go
    // unbuffered, a system call per character: buffer it fully.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    Arguments args;
    if (!ReadArguments(args))
        return kExitBadArguments;
    if (args.empty()) {
        PrintHelp();
        return kExitBadArguments;
    }
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            PrintHelp();
            return kExitOk;
        }
    }
    for (const Command& c : kCommands) {
        if (args[0] != c.name)
            continue;
        // A failure no command can go on from is named, never taken for another exit code.
        try {
            return c.run(Arguments(args.begin() + 1, args.end()));
        } catch (const std::exception& failure) {
            Output(false).ErrorLine(std::string("mirvalen-cli: stopped: ") + failure.what());
            return kExitSystemFailure;
        }
    }
    Output(false).ErrorLine("mirvalen-cli: unknown command: " + args[0] + " (see mirvalen-cli --help)");
    return kExitBadArguments;
}
