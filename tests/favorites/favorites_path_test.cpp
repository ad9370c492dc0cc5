#include "favorites/favorites_file.h"
#include "favorites/favorites_path.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

TEST(FavoritesPath, DotBackslashIsTheProgramFolder)
{
    EXPECT_EQ("D:\\Tools\\Mirvalen.bdt", ResolveFavoritesPath(".\\Mirvalen.bdt", "D:\\Tools\\"));
    EXPECT_EQ("D:\\Tools\\data\\x.bdt", ResolveFavoritesPath(".\\data\\x.bdt", "D:\\Tools\\"));
    EXPECT_EQ("E:\\x.bdt", ResolveFavoritesPath("E:\\x.bdt", "D:\\Tools\\"));
    EXPECT_EQ("x.bdt", ResolveFavoritesPath("x.bdt", "D:\\Tools\\"));
    EXPECT_EQ(".x.bdt", ResolveFavoritesPath(".x.bdt", "D:\\Tools\\"));
}

TEST(FavoritesPath, StoredRelativeToTheProgramFolder)
{
    TempTree tree;
    tree.MakeDir("表示\\data");
    std::string program = tree.Path("表示\\");
    EXPECT_EQ(".\\Mirvalen.bdt", StoredFavoritesPath(program + "Mirvalen.bdt", program));
    EXPECT_EQ(".\\data\\x.bdt", StoredFavoritesPath(program + "data\\x.bdt", program));
    EXPECT_EQ(".\\data\\x.bdt", StoredFavoritesPath(".\\data\\x.bdt", program));
}

TEST(FavoritesPath, BesideTheProgramFolderResolvesToTheSameFile)
{
    TempTree tree;
    tree.MakeDir("prog");
    std::string program = tree.Path("prog\\");
    std::string stored = StoredFavoritesPath(tree.Path("x.bdt"), program);
    EXPECT_EQ(".\\..\\x.bdt", stored);

    FavoritesTable table;
    table.Append("beside", "", "", 0);
    ASSERT_FALSE(WriteFavoritesFile(ResolveFavoritesPath(stored, program), table));
    EXPECT_EQ(1596u, tree.Read("x.bdt").size());
}

TEST(FavoritesPath, AnotherDriveStaysAbsolute)
{
    TempTree tree;
    std::string otherDrive = tree.Root()[0] == 'Z' ? "C:\\data\\x.bdt" : "Z:\\tmp\\x.bdt";
    EXPECT_EQ(otherDrive, StoredFavoritesPath(otherDrive, tree.Root()));
}
