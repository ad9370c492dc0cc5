// Favourites from the command line: the program's own favourites file, and a
// favourite's folders and direction as the inputs of a comparison.
#pragma once
#include "cli/cli_options.h"

#include <string>

// The favourites file the window uses: FAVPATH of the settings file beside the
// program, or the program folder's Mirvalen.bdt.
std::string ProgramFavoritesFile();

// Fills the folders (and, unless one was given, the direction) from the first
// favourite named options.favorite; false with a message when there is none.
bool ApplyFavorite(CompareOptions& options, bool keepDirection, std::string& error);
