#include "favorites/favorites_file.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

std::int32_t IntAt(const std::string& bytes, std::size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// A text field: the text, its NUL and zeros up to the field's end.
std::string Field(const std::string& text, std::size_t size)
{
    return text + std::string(size - text.size(), '\0');
}

} // namespace

TEST(FavoritesFile, EmptyTableIsTheHeaderAlone)
{
    TempTree tree;
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("Mirvalen.bdt"), FavoritesTable{}));
    std::string bytes = tree.Read("Mirvalen.bdt");
    EXPECT_EQ(std::string(4, '\0') + Field("1.0.0", 20), bytes);
}

TEST(FavoritesFile, OneFavoriteSitsAtItsOffsets)
{
    TempTree tree;
    FavoritesTable table;
    table.Append("表計算の控え", "C:\\表示\\基本\\", "D:\\ソフト\\対象\\", 2);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), table));

    std::string bytes = tree.Read("f.bdt");
    ASSERT_EQ(1596u, bytes.size());
    EXPECT_EQ(1, IntAt(bytes, 0));
    EXPECT_EQ(1, IntAt(bytes, 24));
    EXPECT_EQ(Field("表計算の控え", 524), bytes.substr(28, 524));
    EXPECT_EQ(Field("C:\\表示\\基本\\", 520), bytes.substr(552, 520));
    EXPECT_EQ(Field("D:\\ソフト\\対象\\", 520), bytes.substr(1072, 520));
    EXPECT_EQ(2, IntAt(bytes, 1592));
}

TEST(FavoritesFile, ShiftJisTextsReadBackByteForByte)
{
    TempTree tree;
    FavoritesTable table;
    table.Append("表", "C:\\表\\", "C:\\能力\\", 0);
    table.Append("ソース", "Z:\\予定表\\", "", 1);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), table));
    EXPECT_EQ(3168u, tree.Read("f.bdt").size());

    FavoritesReadResult read = ReadFavoritesFile(tree.Path("f.bdt"));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(tree.Path("f.bdt"), read.table.filePath);
    ASSERT_EQ(2, read.table.count());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(table.items[i].number, read.table.items[i].number);
        EXPECT_EQ(table.items[i].name, read.table.items[i].name);
        EXPECT_EQ(table.items[i].baseFolder, read.table.items[i].baseFolder);
        EXPECT_EQ(table.items[i].targetFolder, read.table.items[i].targetFolder);
        EXPECT_EQ(table.items[i].direction, read.table.items[i].direction);
    }
}

TEST(FavoritesFile, VersionTextIsWrittenBackAsRead)
{
    TempTree tree;
    std::string version = "2.3.4" + std::string(1, '\0') + "leftover-bytes";
    ASSERT_EQ(20u, version.size());
    tree.Write("f.bdt", std::string(4, '\0') + version);

    FavoritesReadResult read = ReadFavoritesFile(tree.Path("f.bdt"));
    EXPECT_FALSE(read.damaged);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), read.table));
    EXPECT_EQ(version, tree.Read("f.bdt").substr(4));
}

TEST(FavoritesFile, MissingFileIsAnEmptyTableSilently)
{
    TempTree tree;
    FavoritesReadResult read = ReadFavoritesFile(tree.Path("none.bdt"));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(0, read.table.count());
    EXPECT_STREQ("1.0.0", read.table.version.data());
    EXPECT_FALSE(ReadFavoritesFile("").damaged);
    EXPECT_FALSE(read.unreadable);
    EXPECT_FALSE(ReadFavoritesFile("").unreadable);
}

TEST(FavoritesFile, AFileThatIsThereButLockedIsUnreadableNotEmpty)
{
    TempTree tree;
    tree.Write("locked.bdt", std::string(24, '\0'));
    HANDLE lock = CreateFileA(tree.Path("locked.bdt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    FavoritesReadResult read = ReadFavoritesFile(tree.Path("locked.bdt"));
    CloseHandle(lock);
    EXPECT_TRUE(read.unreadable);
    EXPECT_EQ(0, read.table.count());
}

TEST(FavoritesFile, FailedWriteKeepsTheOldFileAndReportsThePath)
{
    TempTree tree;
    FavoritesTable old;
    old.Append("old", "C:\\a\\", "C:\\b\\", 0);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), old));
    std::string before = tree.Read("f.bdt");
    FavoritesTable changed;
    changed.Append("new", "C:\\c\\", "C:\\d\\", 1);

    {   // held open by another program that lets nobody else in
        HANDLE lock = CreateFileA(tree.Path("f.bdt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, lock);
        Failure failure = WriteFavoritesFile(tree.Path("f.bdt"), changed);
        CloseHandle(lock);
        ASSERT_TRUE(failure);
        EXPECT_EQ(tree.Path("f.bdt"), failure->path);
    }
    EXPECT_EQ(before, tree.Read("f.bdt"));
    EXPECT_FALSE(tree.Exists("f.bdt.tmp"));

    tree.SetAttributes("f.bdt", FILE_ATTRIBUTE_READONLY);
    Failure failure = WriteFavoritesFile(tree.Path("f.bdt"), changed);
    ASSERT_TRUE(failure);
    EXPECT_EQ("お気に入りファイルを保存できませんでした。読み取り専用です。\n" + tree.Path("f.bdt"), MessageOf(*failure));
    EXPECT_EQ(before, tree.Read("f.bdt"));
    EXPECT_FALSE(tree.Exists("f.bdt.tmp"));
}

TEST(FavoritesFile, WriteIntoAMissingFolderFails)
{
    TempTree tree;
    std::string path = tree.Path("no such folder\\f.bdt");
    Failure failure = WriteFavoritesFile(path, FavoritesTable{});
    ASSERT_TRUE(failure);
    EXPECT_EQ(path, failure->path);
    EXPECT_FALSE(tree.Exists("no such folder"));
}
