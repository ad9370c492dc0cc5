#include "cli/cli_options.h"

#include "cli/favorites_lookup.h"
#include "engine/exclusion_filter.h"

#include <cstdlib>
#include <cstring>

namespace {

// Each flag sets one field of the options.
struct Flag {
    const char* name;
    void (*apply)(CompareOptions&);
};

const Flag kFlags[] = {
    {"--down", [](CompareOptions& o) { o.inputs.direction = Down; }},
    {"--up", [](CompareOptions& o) { o.inputs.direction = Up; }},
    {"--both", [](CompareOptions& o) { o.inputs.direction = Both; }},
    {"--two-second", [](CompareOptions& o) { o.inputs.twoSecondSame = 1; }},
    {"--no-subfolders", [](CompareOptions& o) { o.inputs.subFolder = 1; }},
    {"--root-first", [](CompareOptions& o) { o.inputs.rootFile = 1; }},
    {"--hide-same", [](CompareOptions& o) { o.inputs.sameHide = 1; }},
    {"--no-recycle", [](CompareOptions& o) { o.inputs.recycle = 0; }},
    {"--verify", [](CompareOptions& o) { o.inputs.verify = 1; }},
    {"--compare-content", [](CompareOptions& o) { o.inputs.compareContent = 1; }},
    {"--utf8", [](CompareOptions& o) { o.utf8 = true; }},
    {"--timings", [](CompareOptions& o) { o.timings = true; }},
};

bool ParseConflict(const std::string& value, RowChoice& conflict, std::string& error)
{
    if (value == "skip")
        conflict = RowChoice::Automatic;
    else if (value == "base")
        conflict = RowChoice::Down;
    else if (value == "target")
        conflict = RowChoice::Up;
    else
        error = "--conflict takes skip, base or target, not " + value;
    return error.empty();
}

} // namespace

bool ParseCompareArgs(const std::vector<std::string>& args, CompareOptions& options, std::string& error)
{
    std::vector<std::string> folders;
    bool directionGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--favorite" || arg == "--favorites" || arg == "--copy-workers" || arg == "--log"
            || arg == "--exclude" || arg == "--conflict") {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "--copy-workers") {
                options.copyWorkers = std::atoi(value.c_str());
                if (options.copyWorkers < 1 || options.copyWorkers > kMaxCopyWorkers) {
                    error = "--copy-workers takes 1 to " + std::to_string(kMaxCopyWorkers) + ", not " + value;
                    return false;
                }
            } else if (arg == "--conflict") {
                if (!ParseConflict(value, options.conflict, error))
                    return false;
            } else if (arg == "--exclude") {
                if (!AddExcludePattern(options.inputs.exclude, value, error))
                    return false;
            } else {
                (arg == "--favorite" ? options.favorite : arg == "--log" ? options.logFile : options.favoritesFile) = value;
            }
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const Flag* found = nullptr;
            for (const Flag& flag : kFlags)
                if (arg == flag.name)
                    found = &flag;
            if (!found) {
                error = "unknown option: " + arg;
                return false;
            }
            found->apply(options);
            directionGiven |= arg == "--down" || arg == "--up" || arg == "--both";
        } else {
            folders.push_back(arg);
        }
    }
    if (!options.favorite.empty()) {
        if (!folders.empty()) {
            error = "give either two folders or --favorite NAME, not both";
            return false;
        }
        return ApplyFavorite(options, directionGiven, error);
    }
    if (folders.size() != 2) {
        error = "expected two folders (BASE TARGET), got " + std::to_string(folders.size());
        return false;
    }
    options.inputs.base = folders[0];
    options.inputs.target = folders[1];
    return true;
}

const char* CompareFlagsHelp()
{
    return "  --down           copy base to target (default: both ways)\n"
           "  --up             copy target to base\n"
           "  --both           copy both ways\n"
           "  --two-second     times within two seconds count as the same\n"
           "  --no-subfolders  leave files in subfolders out\n"
           "  --root-first     list root files before subfolder files\n"
           "  --hide-same      leave identical files out of the rows\n"
           "  --utf8           write UTF-8 to a file or pipe (default: Shift-JIS; a console shows every character)\n"
           "  --timings        print the time of each step and peak memory to stderr\n"
           "  --favorite NAME  take the folders and the direction from the favourite NAME\n"
           "                   (a direction flag given as well overrides the favourite's)\n"
           "  --favorites FILE the favourites file to look in (default: the program's own)\n"
           "  --no-recycle     replace files without moving the old versions to the Recycle Bin\n"
           "  --verify         read each copy back and compare it with the source before it replaces\n"
           "                   anything; a copy that differs is named (exit code 5) and replaces nothing\n"
           "  --compare-content compare pairs of one size by their contents: equal contents are \"=\"\n"
           "                   whatever the times; other contents with one time are a conflict (--conflict)\n"
           "  --exclude PATTERN leave out files and folders whose name matches PATTERN\n"
           "                   (* and ?, any case; ending in \\ folders only); may be repeated\n"
           "  --copy-workers N copies side by side, 1 to 8 (default: 2 to 4 after the processors;\n"
           "                   1 copies one file at a time)\n"
           "  --conflict skip|base|target\n"
           "                   a pair neither side of which is newer (both ways, one time but other sizes;\n"
           "                   with --compare-content, one time and size but other contents):\n"
           "                   skip copies neither and names it (exit code 5; the default), base copies\n"
           "                   the base's over the target's, target the target's over the base's\n"
           "                   (the replaced one goes to the Recycle Bin)\n"
           "  --log FILE       append the run to FILE (UTF-8): start time, command, panels, problems,\n"
           "                   exit code; a log that cannot be written gives exit code 6\n";
}
