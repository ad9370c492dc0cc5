// The favourites in memory: named pairs of folders with their direction, in
// the order of the favourites list, and the operations the list's commands
// perform on them. Entry i of the list is always record i of the table.
#pragma once
#include "engine/sync_direction.h"

#include <array>
#include <string>
#include <vector>

// Widths of the text fields of a favourite in the favourites file; a text must
// fit with its terminating NUL.
inline constexpr std::size_t FavoriteNameSize = 524;
inline constexpr std::size_t FavoriteFolderSize = 520;

// The name given to a favourite registered without one.
inline constexpr const char* UntitledFavoriteName = "□　名称未設定";

struct Favorite {
    int number = 0;            // the table's count when last registered or updated; never read
    std::string name;          // as shown in the favourites list
    std::string baseFolder;
    std::string targetFolder;
    int direction = 0;         // 0 base to target, 1 target to base, 2 both ways

    // The stored direction, when it is one (a damaged file may hold any number).
    bool HasDirection() const { return direction >= Down && direction <= Both; }
    SyncDirection Direction() const { return static_cast<SyncDirection>(direction); }
};

struct FavoritesTable {
    // The version text of the file format, kept as all 20 bytes that were read,
    // so that a file is written back with the version it came with.
    std::array<char, 20> version{'1', '.', '0', '.', '0'};
    std::vector<Favorite> items;
    std::string filePath;      // resolved path of the favourites file, set by each load and save

    int count() const { return static_cast<int>(items.size()); }

    // Appends a favourite; an empty name becomes UntitledFavoriteName.
    void Append(const std::string& name, const std::string& baseFolder, const std::string& targetFolder,
                int direction);
    // Overwrites favourite s (an empty name stays empty). False when s is no favourite.
    bool Overwrite(int s, const std::string& name, const std::string& baseFolder,
                   const std::string& targetFolder, int direction);
    // Swap favourite s with its neighbour; false (and nothing changes) at the ends
    // or when s is no favourite.
    bool MoveDown(int s);
    bool MoveUp(int s);
    bool Delete(int s);
};

// Empty when the texts fit their fields, otherwise the message that says which
// text is too long. Long texts are refused rather than cut.
std::string ValidateFavoriteTexts(const std::string& name, const std::string& baseFolder,
                                  const std::string& targetFolder);

// The question asked before favourite `name` is deleted.
std::string DeleteConfirmationText(const std::string& name);
