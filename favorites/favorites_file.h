// The favourites file: a 24-byte header (count, version text) followed by one
// 1572-byte record per favourite, in list order, integers little-endian.
#pragma once
#include "engine/problem.h"
#include "favorites/favorites_table.h"

#include <string>

struct FavoritesReadResult {
    FavoritesTable table;  // filePath is the path that was read
    bool damaged = false;  // the file was shorter than its header or its count announces
    bool unreadable = false;  // the file is there but could not be opened (locked, no access)
};

// Reads the favourites file. A missing file gives an empty table silently (the
// first save creates it); one that is there but cannot be opened is marked
// unreadable; a damaged one gives what it holds.
FavoritesReadResult ReadFavoritesFile(const std::string& path);

// Writes the whole table to the file. The old file is replaced only once the
// new one is complete, so a failed write loses nothing already saved.
[[nodiscard]] Failure WriteFavoritesFile(const std::string& path, const FavoritesTable& table);

// What the user is told when ReadFavoritesFile found the file damaged.
Problem DamagedFavorites(const std::string& path);
// What the user is told when the file is there but could not be read.
Problem UnreadableFavorites(const std::string& path);
