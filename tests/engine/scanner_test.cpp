// Walking one folder tree into the table the list shows: its layout, the
// entries, the folder texts (a double-byte character whose second byte is 0x5C,
// like 表, is never taken for a separator) and the exclusion patterns.
#include "engine/folder_scanner.h"
#include "system/path_text.h"
#include "tests/engine/engine_fixture.h"

namespace {

ScanLayout Layout(int subFolder = 0, int rootFile = 0)
{
    ScanLayout layout;
    layout.subFolder = subFolder;
    layout.rootFile = rootFile;
    return layout;
}

TEST(Scanner, GroupsAndByteOrderFollowTheTwoLayoutOptions)
{
    TempTree tree;
    for (const char* name : {"b.txt", "A.txt", "sub\\x", "sub2\\x", "表.txt"})  // 表 is 95 5C: no separator
        tree.Write(name, "x");
    RecordingHost host;
    struct Case {
        int subFolder, rootFile;
        Names paths;
    } cases[] = {
        {0, 0, {"sub2\\x", "sub\\x", "A.txt", "b.txt", "表.txt"}},  // a digit sorts before the separator
        {0, 1, {"A.txt", "b.txt", "表.txt", "sub2\\x", "sub\\x"}},
        {1, 0, {"A.txt", "b.txt", "表.txt"}},
    };
    for (const Case& c : cases) {
        ScanResult result = ScanOne(tree.Root(), Layout(c.subFolder, c.rootFile), host);
        EXPECT_EQ(c.paths, Paths(result.entries)) << c.subFolder << c.rootFile;
        // Each entry says whether it lies in the root folder.
        for (const FileEntry& e : result.entries)
            EXPECT_EQ(e.relativePath.rfind("sub", 0) != 0, e.isRoot) << e.relativePath;
    }
}

TEST(Scanner, EntriesCarryLocalTimesTrueSizesAndHiddenFilesToo)
{
    TempTree tree;
    tree.Write("hidden.txt", "12345", LocalFileTime(2010, 3, 5, 14, 7, 9));
    tree.Write("system.txt", "", LocalFileTime(1999, 12, 31, 23, 59, 58));
    tree.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    tree.SetAttributes("system.txt", FILE_ATTRIBUTE_SYSTEM);
    HANDLE file = CreateFileA(tree.Path("big.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 5LL * 1024 * 1024 * 1024 + 7; // sparse on the host's file system
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    RecordingHost host;
    ScanResult result = ScanOne(tree.Root(), Layout(), host);
    ASSERT_EQ((Names{"big.bin", "hidden.txt", "system.txt"}), Paths(result.entries));
    EXPECT_EQ(5ULL * 1024 * 1024 * 1024 + 7, result.entries[0].size); // the high word kept
    EXPECT_STREQ("2010/03/05 14:07:09", result.entries[1].TimeText());
    EXPECT_EQ(5u, result.entries[1].size);
    EXPECT_STREQ("1999/12/31 23:59:58", result.entries[2].TimeText());
    EXPECT_EQ(Unchecked, result.entries[1].status);
}

TEST(Scanner, FolderTextsMissingEmptyOrWithoutTheirBackslash)
{
    TempTree tree;
    tree.MakeDir("empty\\deeper");
    tree.Write("表\\in.txt", "x");
    tree.Write("表2.txt", "y");
    RecordingHost host;
    EXPECT_TRUE(ScanOne(tree.Path("empty\\"), Layout(), host).entries.empty());
    EXPECT_TRUE(ScanOne("", Layout(), host).entries.empty());
    ScanResult missing = ScanOne(tree.Path("missing\\"), Layout(), host);
    EXPECT_TRUE(missing.entries.empty());
    ASSERT_EQ(1u, missing.problems.size()); // named, with the reason
    EXPECT_NE(std::string::npos, missing.problems[0].reason.find("フォルダを読めません"));
    // A text without its final "\" names the folder itself, not its parent's
    // entries beginning with that name; 表 ends in the byte 0x5C.
    EXPECT_EQ((Names{"in.txt"}), Paths(ScanOne(tree.Path("表"), Layout(), host).entries));
    EXPECT_EQ((Names{"in.txt"}), Paths(ScanOne(tree.Path("表\\"), Layout(), host).entries));
}

using ExclusionTest = EngineFixture;

TEST_F(ExclusionTest, MatchingNamesAreLeftOutOfBothTablesAndTheTwoWayList)
{
    // The same noise on both sides, and files that only look like it.
    for (TempTree* tree : {&base, &target})
        for (const char* name : {"a.txt", "Thumbs.db", "b.TMP", "keep.tmpx", "cache\\x.txt", "sub\\cache",
                                 "sub\\THUMBS.DB", "sub\\c.txt"})
            tree->Write(name, "x", t0);
    target.Write("cache\\deep\\y.txt", "y", t0);
    target.Write("d.txt", "d", t0);
    Compare(Both);
    EXPECT_EQ(8, comparison.BaseCount()); // no patterns: everything
    EXPECT_EQ(10, comparison.TargetCount());

    // A folder pattern (a file of that name stays), a wildcard in another case than the file's, a case variant.
    inputs.exclude = "cache\\|?.tmp|thumbs.DB";
    Compare(Both);
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "keep.tmpx"}), Paths(comparison.BaseEntries()));
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "d.txt", "keep.tmpx"}), Paths(comparison.TargetEntries()));
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "d.txt", "keep.tmpx"}), Paths(comparison.List(Both)));
    EXPECT_TRUE(comparison.ReadProblems().empty());
}

TEST(PathText, TheTrailingBackslashRuleStepsOverDoubleByteCharacters)
{
    const char* cases[][2] = {
        {"C:\\data", "C:\\data\\"}, {"C:\\data\\", "C:\\data\\"}, {"C:\\", "C:\\"},
        {"C:\\表", "C:\\表\\"},     {"C:\\表\\", "C:\\表\\"},     {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], WithTrailingBackslash(c[0])) << c[0];
    EXPECT_FALSE(EndsWithBackslash("C:\\表"));
    EXPECT_EQ("C:\\表\\", FolderPart("C:\\表\\a"));
}

} // namespace
