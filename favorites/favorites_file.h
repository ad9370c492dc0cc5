// The favourites file: a 24-byte header (count, version text) followed by one
// 1572-byte record per favourite, in list order, integers little-endian.
#pragma once
#include "favorites/favorites_table.h"

#include <string>

struct FavoritesReadResult {
    FavoritesTable table;  // filePath is the path that was read
    bool damaged = false;  // the file was shorter than its header or its count announces
    bool unreadable = false;  // the file is there but could not be opened (locked, no access)
};

// Reads the favourites file. A file that cannot be opened gives an empty table
// silently (the first save creates it); a damaged one gives what it holds.
FavoritesReadResult ReadFavoritesFile(const std::string& path);

// Writes the whole table to the file. The old file is replaced only once the
// new one is complete, so a failed write loses nothing already saved. Empty on
// success, otherwise the message for the user, naming the file.
[[nodiscard]] std::string WriteFavoritesFile(const std::string& path, const FavoritesTable& table);

// What the user is told when ReadFavoritesFile found the file damaged.
std::string DamagedFavoritesMessage(const std::string& path);
// What the user is told when the file is there but could not be read.
std::string UnreadableFavoritesMessage(const std::string& path);
