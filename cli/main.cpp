// mirvalen-cli: the comparison and copy engine without the window, for scripts
// and scheduled runs.
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/output.h"

#include <cstdio>
#include <cstring>
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
            "exit: 0 done, 2 bad arguments, 3 folder not found, 4 interrupted\n";
    Output(false).Write(stdout, text);
}

} // namespace

int main(int argc, char** argv)
{
    // Under Wine a redirected stdout may count as a character device and go
    // unbuffered, a system call per character: buffer it fully.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    Arguments args(argv + 1, argv + argc);
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
    for (const Command& c : kCommands)
        if (args[0] == c.name)
            return c.run(Arguments(args.begin() + 1, args.end()));
    Output(false).ErrorLine("mirvalen-cli: unknown command: " + args[0] + " (see mirvalen-cli --help)");
    return kExitBadArguments;
}
