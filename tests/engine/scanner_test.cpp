#include "engine/folder_scanner.h"
#include "engine/path_text.h"
#include "tests/engine/recording_host.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Paths(const ScanResult& result)
{
    std::vector<std::string> paths;
    for (const FileEntry& e : result.entries)
        paths.push_back(e.relativePath);
    return paths;
}

TEST(ScannerLayout, GroupsAndByteOrderFollowTheTwoOptions)
{
    TempTree tree;
    tree.Write("b.txt", "b");
    tree.Write("A.txt", "a");
    tree.Write("sub\\c.txt", "c");
    RecordingHost host;
    EXPECT_EQ((std::vector<std::string>{"sub\\c.txt", "A.txt", "b.txt"}), Paths(ScanFolder(tree.Root(), {0, 0}, host)));
    EXPECT_EQ((std::vector<std::string>{"A.txt", "b.txt", "sub\\c.txt"}), Paths(ScanFolder(tree.Root(), {0, 1}, host)));
    ScanResult rootOnly = ScanFolder(tree.Root(), {1, 0}, host);
    EXPECT_EQ((std::vector<std::string>{"A.txt", "b.txt"}), Paths(rootOnly));
    // Subfolders are still walked: their files are counted, then left out.
    EXPECT_EQ(1, rootOnly.subfolderFileCount);
}

TEST(ScannerLayout, DigitSortsBeforeSeparatorAndDoubleByteRootFileStaysRoot)
{
    TempTree tree;
    tree.Write("sub\\x", "1");
    tree.Write("sub2\\x", "2");
    tree.Write("表.txt", "3"); // 95 5C: the second byte is not a separator
    RecordingHost host;
    ScanResult result = ScanFolder(tree.Root(), {0, 0}, host);
    EXPECT_EQ((std::vector<std::string>{"sub2\\x", "sub\\x", "表.txt"}), Paths(result));
    EXPECT_TRUE(result.entries[2].isRoot);
    EXPECT_FALSE(result.entries[0].isRoot);
    EXPECT_EQ(1, result.rootFileCount);
    EXPECT_EQ(2, result.subfolderFileCount);
}

TEST(ScannerEntries, TimeTextSizeAndHiddenSystemFiles)
{
    TempTree tree;
    tree.Write("hidden.txt", "12345", LocalFileTime(2010, 3, 5, 14, 7, 9));
    tree.Write("system.txt", "", LocalFileTime(1999, 12, 31, 23, 59, 58));
    tree.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    tree.SetAttributes("system.txt", FILE_ATTRIBUTE_SYSTEM);
    RecordingHost host;
    ScanResult result = ScanFolder(tree.Root(), {0, 0}, host);
    ASSERT_EQ(2u, result.entries.size());
    EXPECT_STREQ("2010/03/05 14:07:09", result.entries[0].TimeText());
    EXPECT_EQ(5u, result.entries[0].size);
    EXPECT_STREQ("1999/12/31 23:59:58", result.entries[1].TimeText());
    EXPECT_EQ(Unchecked, result.entries[0].status);
}

TEST(ScannerEntries, SizesOfFourGibibytesAndMoreKeepTheirHighWord)
{
    TempTree tree;
    HANDLE file = CreateFileA(tree.Path("big.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 5LL * 1024 * 1024 * 1024 + 7; // sparse on the host's file system
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    RecordingHost host;
    ScanResult result = ScanFolder(tree.Root(), {0, 0}, host);
    ASSERT_EQ(1u, result.entries.size());
    EXPECT_EQ(5ULL * 1024 * 1024 * 1024 + 7, result.entries[0].size);
}

TEST(ScannerFolders, MissingEmptyAndUnterminatedFolderTexts)
{
    TempTree tree;
    tree.MakeDir("empty\\deeper");
    RecordingHost host;
    EXPECT_TRUE(ScanFolder(tree.Root(), {0, 0}, host).entries.empty());
    EXPECT_TRUE(ScanFolder(tree.Path("missing\\"), {0, 0}, host).entries.empty());
    EXPECT_TRUE(ScanFolder("", {0, 0}, host).entries.empty());

    // A text without its final "\" names the folder itself, not its parent's
    // entries beginning with that name.
    tree.Write("data\\in.txt", "x");
    tree.Write("data2.txt", "y");
    std::string unterminated = tree.Path("data");
    EXPECT_EQ((std::vector<std::string>{"in.txt"}), Paths(ScanFolder(unterminated, {0, 0}, host)));
}

TEST(ScannerFolders, DoubleByteFolderNameEndingInBackslashByte)
{
    TempTree tree;
    tree.Write("表\\a.txt", "x");
    RecordingHost host;
    // "…\表" ends in the byte 0x5C but has no separator of its own at the end.
    EXPECT_FALSE(EndsWithBackslash(tree.Path("表")));
    EXPECT_EQ((std::vector<std::string>{"a.txt"}), Paths(ScanFolder(tree.Path("表"), {0, 0}, host)));
    EXPECT_EQ((std::vector<std::string>{"a.txt"}), Paths(ScanFolder(tree.Path("表\\"), {0, 0}, host)));
}

TEST(ScannerPumping, FilesAppearingAndVanishingDuringTheScanKeepTheTableWhole)
{
    TempTree tree;
    for (int i = 0; i < 30; ++i)
        tree.Write("d" + std::to_string(i % 3) + "\\f" + std::to_string(i) + ".txt", "x");
    RecordingHost host;
    // A window handler run from the pump adds and removes files mid-walk.
    host.onPump = [&tree](long n) {
        if (n % 5 == 0)
            tree.Write("d2\\new" + std::to_string(n) + ".txt", "n");
        if (n == 12)
            DeleteFileA(tree.Path("d2\\f2.txt").c_str());
    };
    ScanResult result = ScanFolder(tree.Root(), {0, 0}, host);
    for (const FileEntry& e : result.entries) {
        EXPECT_FALSE(e.relativePath.empty());
        EXPECT_EQ(19u, std::string(e.TimeText()).size()) << e.relativePath;
    }
    EXPECT_EQ(result.entries.size(), static_cast<std::size_t>(result.rootFileCount + result.subfolderFileCount));
    EXPECT_TRUE(std::is_sorted(result.entries.begin(), result.entries.end(), PathBytesLess));
}

} // namespace
