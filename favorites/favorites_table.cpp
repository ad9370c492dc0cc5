#include "favorites/favorites_table.h"

#include <utility>

namespace {

void Fill(Favorite& favorite, int number, const std::string& name, const std::string& baseFolder,
          const std::string& targetFolder, int direction)
{
    favorite.number = number;
    favorite.name = name;
    favorite.baseFolder = baseFolder;
    favorite.targetFolder = targetFolder;
    favorite.direction = direction;
}

std::string TooLong(const char* what, std::size_t fieldSize)
{
    return std::string(what) + "が長すぎます。" + std::to_string(fieldSize - 1) + "バイト以内にしてください。";
}

} // namespace

void FavoritesTable::Append(const std::string& name, const std::string& baseFolder,
                            const std::string& targetFolder, int direction)
{
    items.emplace_back();
    Fill(items.back(), count(), name.empty() ? UntitledFavoriteName : name, baseFolder, targetFolder, direction);
}

bool FavoritesTable::Overwrite(int s, const std::string& name, const std::string& baseFolder,
                               const std::string& targetFolder, int direction)
{
    if (s < 0 || s >= count())
        return false;
    Fill(items[s], count(), name, baseFolder, targetFolder, direction);
    return true;
}

bool FavoritesTable::MoveDown(int s)
{
    if (s < 0 || s + 1 >= count())
        return false;
    std::swap(items[s], items[s + 1]);
    return true;
}

bool FavoritesTable::MoveUp(int s)
{
    if (s <= 0 || s >= count())
        return false;
    std::swap(items[s], items[s - 1]);
    return true;
}

bool FavoritesTable::Delete(int s)
{
    if (s < 0 || s >= count())
        return false;
    items.erase(items.begin() + s);
    return true;
}

std::string ValidateFavoriteTexts(const std::string& name, const std::string& baseFolder,
                                  const std::string& targetFolder)
{
    if (name.size() >= FavoriteNameSize)
        return TooLong("お気に入り名", FavoriteNameSize);
    if (baseFolder.size() >= FavoriteFolderSize)
        return TooLong("基本フォルダ", FavoriteFolderSize);
    if (targetFolder.size() >= FavoriteFolderSize)
        return TooLong("対象フォルダ", FavoriteFolderSize);
    return {};
}

std::string DeleteConfirmationText(const std::string& name)
{
    return "[ " + name + " ] を削除しますか";
}
