// The favourites file: its layout, read back byte for byte, damaged files,
// writes that fail, and the path the settings keep it at.
#include "favorites/favorites_file.h"
#include "settings/favorites_path.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A text field: the text, its NUL and zeros up to the field's end.
std::string Field(const std::string& text, std::size_t size)
{
    return text + std::string(size - text.size(), '\0');
}

std::string Int(std::int32_t value)
{
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

// A record as the file holds it: number, name, base, target, direction.
std::string Record(std::int32_t number, const std::string& name, const std::string& base = "C:\\base\\",
                   const std::string& target = "", std::int32_t direction = 1)
{
    return Int(number) + Field(name, 524) + Field(base, 520) + Field(target, 520) + Int(direction);
}

TEST(FavoritesFile, RecordsSitAtTheirOffsetsAndReadBackByteForByte)
{
    TempTree tree;
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("empty.bdt"), FavoritesTable{}));
    EXPECT_EQ(Int(0) + Field("1.0.0", 20), tree.Read("empty.bdt"));

    FavoritesTable table;
    table.Append("表計算の控え", "C:\\表示\\基本\\", "D:\\ソフト\\対象\\", 2);
    table.Append("", "Z:\\予定表\\", "", 1);  // no name: "untitled"
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), table));
    const std::string bytes = tree.Read("f.bdt");
    EXPECT_EQ(Int(2) + Field("1.0.0", 20) + Record(1, "表計算の控え", "C:\\表示\\基本\\", "D:\\ソフト\\対象\\", 2)
                  + Record(2, "□　名称未設定", "Z:\\予定表\\", "", 1),
              bytes);
    FavoritesReadResult read = ReadFavoritesFile(tree.Path("f.bdt"));
    EXPECT_FALSE(read.damaged);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("again.bdt"), read.table));
    EXPECT_EQ(bytes, tree.Read("again.bdt"));

    // Another program's version text is written back as it was read.
    std::string version = "2.3.4" + std::string(1, '\0') + "leftover-bytes";
    tree.Write("v.bdt", Int(0) + version);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("v.bdt"), ReadFavoritesFile(tree.Path("v.bdt")).table));
    EXPECT_EQ(version, tree.Read("v.bdt").substr(4));
}

TEST(FavoritesFile, DamagedFilesGiveWhatTheyHold)
{
    std::string header = Field("1.0.0", 20);
    auto record = [](std::int32_t number) { return Record(number, "名前" + std::to_string(number)); };
    struct Case {
        std::string bytes;
        bool damaged;
        std::vector<std::string> names;
    } cases[] = {
        {"", true, {}},
        {Int(1) + "1.0", true, {}},                                            // shorter than the header
        {Int(-1) + header + record(1), true, {}},                              // a negative count
        {Int(0x7FFFFFFF) + header + record(1) + record(2), true, {"名前1", "名前2"}},
        {Int(2) + header + record(1) + record(2).substr(0, 531), true, {"名前1", "名前2"}}, // cut short
        {Int(1) + header + record(1) + "trailing", false, {"名前1"}},         // bytes after the last: no damage
    };
    TempTree tree;
    for (const Case& c : cases) {
        tree.Write("f.bdt", c.bytes);
        FavoritesReadResult read = ReadFavoritesFile(tree.Path("f.bdt"));
        EXPECT_EQ(c.damaged, read.damaged) << c.bytes.size();
        std::vector<std::string> names;
        for (const Favorite& f : read.table.items)
            names.push_back(f.name);
        EXPECT_EQ(c.names, names) << c.bytes.size();
        EXPECT_STREQ("1.0.0", read.table.version.data());
    }
    // The record cut short is filled with zeros where the file ends.
    tree.Write("f.bdt", cases[4].bytes);
    const Favorite cut = ReadFavoritesFile(tree.Path("f.bdt")).table.items[1];
    EXPECT_EQ("C:\\", cut.baseFolder);
    EXPECT_EQ("", cut.targetFolder);
    EXPECT_EQ(0, cut.direction);
}

TEST(FavoritesFile, AMissingFileIsEmptySilentlyALockedOneIsUnreadable)
{
    TempTree tree;
    FavoritesReadResult missing = ReadFavoritesFile(tree.Path("none.bdt"));
    EXPECT_FALSE(missing.damaged || missing.unreadable);
    EXPECT_EQ(0, missing.table.count());
    EXPECT_FALSE(ReadFavoritesFile("").damaged || ReadFavoritesFile("").unreadable);

    tree.Write("locked.bdt", std::string(24, '\0'));
    HANDLE lock = CreateFileA(tree.Path("locked.bdt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    FavoritesReadResult locked = ReadFavoritesFile(tree.Path("locked.bdt"));
    CloseHandle(lock);
    EXPECT_TRUE(locked.unreadable);
    EXPECT_EQ(0, locked.table.count());
}

TEST(FavoritesFile, AFailedWriteKeepsTheOldFileAndNamesIt)
{
    TempTree tree;
    FavoritesTable old;
    old.Append("old", "C:\\a\\", "C:\\b\\", 0);
    ASSERT_FALSE(WriteFavoritesFile(tree.Path("f.bdt"), old));
    const std::string before = tree.Read("f.bdt");
    FavoritesTable changed;
    changed.Append("new", "C:\\c\\", "C:\\d\\", 1);
    FavoritesTable tooLong;  // nor does the file cut a text longer than its field
    tooLong.Append(std::string(524, 'n'), "", "", 0);

    // Held open by another program that lets nobody else in; then read-only.
    auto failedPath = [&](const std::string& path, const FavoritesTable& table) {
        Failure failure = WriteFavoritesFile(path, table);
        return failure ? failure->path : std::string("(written)");
    };
    HANDLE lock = CreateFileA(tree.Path("f.bdt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(tree.Path("f.bdt"), failedPath(tree.Path("f.bdt"), changed));
    CloseHandle(lock);
    EXPECT_TRUE(WriteFavoritesFile(tree.Path("f.bdt"), tooLong));
    tree.SetAttributes("f.bdt", FILE_ATTRIBUTE_READONLY);
    Failure readOnly = WriteFavoritesFile(tree.Path("f.bdt"), changed);
    ASSERT_TRUE(readOnly);
    EXPECT_EQ("お気に入りファイルを保存できませんでした。読み取り専用です。\n" + tree.Path("f.bdt"), MessageOf(*readOnly));
    EXPECT_EQ(before, tree.Read("f.bdt"));
    EXPECT_EQ((std::vector<std::string>{"f.bdt"}), tree.Names()); // no temporary file

    std::string inMissingFolder = tree.Path("no such folder\\f.bdt");
    EXPECT_EQ(inMissingFolder, failedPath(inMissingFolder, changed));
    EXPECT_FALSE(tree.Exists("no such folder"));
}

TEST(FavoritesPath, KeptRelativeToTheProgramFolderWhereItCanBe)
{
    TempTree tree;
    tree.MakeDir("表示\\data");
    const std::string program = tree.Path("表示\\");
    const std::string cases[][2] = {  // chosen path, stored path
        {program + "Mirvalen.bdt", ".\\Mirvalen.bdt"},
        {program + "data\\x.bdt", ".\\data\\x.bdt"},
        {".\\data\\x.bdt", ".\\data\\x.bdt"},
        {tree.Path("x.bdt"), ".\\..\\x.bdt"},
        {tree.Root()[0] == 'Z' ? "C:\\data\\x.bdt" : "Z:\\tmp\\x.bdt", ""},  // another drive stays absolute
    };
    for (const auto& c : cases) {
        std::string stored = StoredFavoritesPath(c[0], program);
        EXPECT_EQ(c[1].empty() ? c[0] : c[1], stored) << c[0];
        char full[MAX_PATH] = "";  // the same file again
        GetFullPathNameA(ResolveFavoritesPath(stored, program).c_str(), MAX_PATH, full, nullptr);
        if (c[0][1] == ':')
            EXPECT_EQ(0, lstrcmpiA(c[0].c_str(), full)) << stored;
    }
    EXPECT_EQ("D:\\Tools\\data\\x.bdt", ResolveFavoritesPath(".\\data\\x.bdt", "D:\\Tools\\"));
    EXPECT_EQ("x.bdt", ResolveFavoritesPath("x.bdt", "D:\\Tools\\"));
    EXPECT_EQ(".x.bdt", ResolveFavoritesPath(".x.bdt", "D:\\Tools\\"));
}

} // namespace
