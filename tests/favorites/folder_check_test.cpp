#include "engine/path_text.h"
#include "favorites/folder_check.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

TEST(FolderCheck, TrailingBackslashLooksAtTheLastCharacter)
{
    EXPECT_EQ("C:\\表\\", WithTrailingBackslash("C:\\表"));  // 表 ends in byte 5C
    EXPECT_EQ("C:\\表\\", WithTrailingBackslash("C:\\表\\"));
    EXPECT_EQ("D:\\x\\", WithTrailingBackslash("D:\\x"));
    EXPECT_EQ("D:\\x\\", WithTrailingBackslash("D:\\x\\"));
    EXPECT_EQ("", WithTrailingBackslash(""));
}

TEST(FolderCheck, FolderExistsOnlyForFolders)
{
    TempTree tree;
    tree.Write("表示\\file.txt", "x");
    EXPECT_TRUE(FolderExists(tree.Path("表示")));
    EXPECT_TRUE(FolderExists(tree.Path("表示\\")));
    EXPECT_FALSE(FolderExists(tree.Path("表示\\file.txt")));
    EXPECT_FALSE(FolderExists(tree.Path("missing")));
    EXPECT_FALSE(FolderExists(""));
}

TEST(FolderCheck, NoticeNamesTheMissingFolders)
{
    EXPECT_EQ("", NoticeTextFor(true, true));
    EXPECT_EQ("対象フォルダが、みつかりません", NoticeTextFor(true, false));
    EXPECT_EQ("基本フォルダが、みつかりません", NoticeTextFor(false, true));
    EXPECT_EQ("基本フォルダ及び対象フォルダが、みつかりません", NoticeTextFor(false, false));
}
