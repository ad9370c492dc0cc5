// "favorites [FILE]": the favourites of a file, one per line.
#include "cli/commands.h"
#include "cli/favorites_lookup.h"
#include "cli/output.h"
#include "system/stored_name.h"
#include "favorites/favorites_file.h"
#include "view/vocabulary.h"

#include <windows.h>

int FavoritesCommand(const Arguments& args)
{
    bool utf8 = false;
    std::string file;
    for (const std::string& arg : args) {
        if (arg == "--utf8") {
            utf8 = true;
        } else if (file.empty() && arg.compare(0, 2, "--") != 0) {
            file = arg;
        } else {
            Output(false).ErrorLine("mirvalen-cli: unexpected argument: " + arg + " (see mirvalen-cli --help)");
            return kExitBadArguments;
        }
    }
    if (file.empty())
        file = ProgramFavoritesFile();
    Output output(utf8);
    if (GetFileAttributesW(WideFromStored(file).c_str()) == INVALID_FILE_ATTRIBUTES) {
        output.ErrorLine("mirvalen-cli: favourites file not found: " + file);
        return kExitMissingFolder;
    }
    FavoritesReadResult read = ReadFavoritesFile(file);
    if (read.damaged)
        output.ErrorLine("mirvalen-cli: " + DamagedFavorites(file).reason + " " + file);
    int number = 0;
    for (const Favorite& f : read.table.items) {
        output.Line(std::to_string(++number) + "\t" + f.name + "\t" + DirectionMark(f.direction) + "\t"
                    + f.baseFolder + "\t" + f.targetFolder);
    }
    return kExitOk;
}
