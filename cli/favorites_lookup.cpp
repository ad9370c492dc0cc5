#include "cli/favorites_lookup.h"

#include "settings/settings.h"
#include "system/path_text.h"
#include "favorites/favorites_file.h"


std::string ProgramFavoritesFile()
{
    return FavoritesFile(SettingsFile::OfProgram().Read());
}

bool ApplyFavorite(CompareOptions& options, bool keepDirection, std::string& error)
{
    std::string file = options.favoritesFile.empty() ? ProgramFavoritesFile() : options.favoritesFile;
    FavoritesReadResult read = ReadFavoritesFile(file);
    for (const Favorite& favorite : read.table.items) {
        if (favorite.name != options.favorite)
            continue;
        options.inputs.base = WithTrailingBackslash(favorite.baseFolder);
        options.inputs.target = WithTrailingBackslash(favorite.targetFolder);
        if (!keepDirection && favorite.HasDirection())
            options.inputs.direction = favorite.Direction();
        return true;
    }
    error = "no favourite named \"" + options.favorite + "\" in " + file;
    return false;
}
