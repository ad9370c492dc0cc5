#include "favorites/favorites_file.h"
#include "favorites/favorites_table.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const FavoritesTable& table)
{
    std::vector<std::string> names;
    for (const Favorite& favorite : table.items)
        names.push_back(favorite.name);
    return names;
}

FavoritesTable ThreeFavorites()
{
    FavoritesTable table;
    for (const char* name : {"a", "b", "c"})
        table.Append(name, "C:\\base\\", "C:\\target\\", 2);
    return table;
}

} // namespace

TEST(FavoritesTable, AppendNumbersAndNamesTheUntitled)
{
    FavoritesTable table;
    table.Append("", "C:\\a\\", "C:\\b\\", 1);
    table.Append("second", "", "", 0);
    ASSERT_EQ(2, table.count());
    EXPECT_EQ("□　名称未設定", table.items[0].name);
    EXPECT_EQ(1, table.items[0].number);
    EXPECT_EQ(1, table.items[0].direction);
    EXPECT_EQ(2, table.items[1].number);
}

TEST(FavoritesTable, OverwriteKeepsAnEmptyNameAndTakesTheCount)
{
    FavoritesTable table = ThreeFavorites();
    ASSERT_TRUE(table.Overwrite(0, "", "D:\\x\\", "D:\\y\\", 0));
    EXPECT_EQ("", table.items[0].name);
    EXPECT_EQ("D:\\x\\", table.items[0].baseFolder);
    EXPECT_EQ("D:\\y\\", table.items[0].targetFolder);
    EXPECT_EQ(0, table.items[0].direction);
    EXPECT_EQ(3, table.items[0].number);
    EXPECT_FALSE(table.Overwrite(3, "x", "", "", 0));
}

TEST(FavoritesTable, MovesSwapNeighboursAndStopAtTheEnds)
{
    FavoritesTable table = ThreeFavorites();
    EXPECT_FALSE(table.MoveDown(2));
    EXPECT_FALSE(table.MoveUp(0));
    EXPECT_FALSE(table.MoveDown(-1));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), Names(table));
    EXPECT_TRUE(table.MoveDown(0));
    EXPECT_EQ((std::vector<std::string>{"b", "a", "c"}), Names(table));
    EXPECT_TRUE(table.MoveUp(2));
    EXPECT_EQ((std::vector<std::string>{"b", "c", "a"}), Names(table));
}

TEST(FavoritesTable, DeleteRemovesOneAndTheLastLeavesAnEmptyFile)
{
    FavoritesTable table = ThreeFavorites();
    EXPECT_FALSE(table.Delete(-1));
    EXPECT_TRUE(table.Delete(1));
    EXPECT_EQ((std::vector<std::string>{"a", "c"}), Names(table));
    EXPECT_TRUE(table.Delete(1));
    EXPECT_TRUE(table.Delete(0));
    EXPECT_EQ(0, table.count());
    TempTree tree;
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), table));
    EXPECT_EQ(24u, tree.Read("f.bdt").size());
}

TEST(FavoritesTable, TextsLongerThanTheirFieldsAreRefused)
{
    std::string folder519(519, 'f'), name523(523, 'n');
    EXPECT_EQ("", ValidateFavoriteTexts(name523, folder519, folder519));
    EXPECT_NE(std::string::npos, ValidateFavoriteTexts(name523 + "n", "", "").find("お気に入り名"));
    EXPECT_NE(std::string::npos, ValidateFavoriteTexts("", folder519 + "f", "").find("基本フォルダ"));
    EXPECT_NE(std::string::npos, ValidateFavoriteTexts("", "", folder519 + "f").find("対象フォルダ"));

    // Nor does the file cut them: the save fails and the old file stays.
    TempTree tree;
    FavoritesTable table;
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), table));
    table.Append(name523 + "n", "", "", 0);
    EXPECT_TRUE(WriteFavoritesFile(tree.Path("f.bdt"), table));
    EXPECT_EQ(24u, tree.Read("f.bdt").size());
}

TEST(FavoritesTable, DeleteQuestionShowsAnyNameInFull)
{
    EXPECT_EQ("[ 表計算 ] を削除しますか", DeleteConfirmationText("表計算"));
    std::string longName(600, 'x');
    EXPECT_EQ("[ " + longName + " ] を削除しますか", DeleteConfirmationText(longName));
}
