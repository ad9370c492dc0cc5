// Every file a tree holds is listed and copied under its own name: names in
// any script, any depth, folder links that lead back up, and a full disk.
#include "engine/folder_scanner.h"
#include "system/stored_name.h"
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"

#include <algorithm>
#include <set>

namespace {

std::string S(const wchar_t* wide)
{
    return StoredFromWide(wide);
}

class EveryFileTest : public EngineFixture {
protected:
    Problems Sync() { return SyncFiles(comparison, inputs, host); }
};

TEST(StoredNames, ExactBothWaysAndOrderedAfterShiftJis)
{
    // Wide literals stay out of the test macros, which quote their arguments in Shift-JIS.
    const wchar_t* names[] = {L"表", L"é", L"표", L"😀", L"café.txt", L"𠮷野家", L"ｱ¥〜", L"\xD800x"};
    for (const wchar_t* name : names)
        EXPECT_EQ(std::wstring(name), WideFromStored(S(name)));
    EXPECT_EQ("表示", S(L"表示")); // what Shift-JIS writes stays byte for byte
    // After every Shift-JIS character, and among themselves by code point; never best-fitted.
    EXPECT_TRUE(S(names[0]) < S(names[1]) && S(names[1]) < S(names[2]) && S(names[2]) < S(names[3]));
    EXPECT_EQ("caf?.txt", PrintableStored(S(names[4])));
    std::string text;
    EXPECT_TRUE(ExactShiftJis(L"C:\\データ\\", text) && text == "C:\\データ\\");
    EXPECT_FALSE(ExactShiftJis(names[4], text));
}

TEST_F(EveryFileTest, NamesInEveryScriptAndPastTheOldPathLimitAreListedAndCopiedUnderTheirOwnNames)
{
    const wchar_t* names[] = {L"cafe.txt", L"café.txt", L"한국어.txt", L"😀.txt", L"𠮷.txt", L"ü\\inner.txt", L"表.txt"};
    for (const wchar_t* name : names)
        base.Write(S(name), Utf8FromWide(name), t0);
    std::string deep300;  // six folders of 51 characters
    for (int i = 0; i < 6; ++i)
        deep300 += std::string(50, 'd') + std::to_string(i) + "\\";
    const std::string deep[] = {deep300 + "at300.txt", deep300 + deep300 + "表600.txt"};
    for (const std::string& path : deep)
        base.Write(path, path.substr(path.size() - 9), t0);
    Compare(Down);
    std::set<std::wstring> listed;
    for (const FileEntry& e : comparison.BaseEntries())
        listed.insert(WideFromStored(e.relativePath));
    std::set<std::wstring> expected(std::begin(names), std::end(names));
    for (const std::string& path : deep)
        expected.insert(WideFromStored(path));
    EXPECT_EQ(expected, listed);
    // The subfolder files, then the root files in byte order: the escaped names last.
    EXPECT_TRUE(std::is_sorted(comparison.BaseEntries().begin() + 3, comparison.BaseEntries().end(), PathBytesLess));
    EXPECT_EQ("表.txt", comparison.BaseEntries()[5].relativePath); // after cafe.txt and café.txt

    EXPECT_TRUE(Sync().empty());
    for (const wchar_t* name : names)
        EXPECT_EQ(Utf8FromWide(name), target.Read(S(name))) << Utf8FromWide(name);
    for (const std::string& path : deep)
        EXPECT_EQ(path.substr(path.size() - 9), target.Read(path));
    EXPECT_TRUE(AllSame(Both));
}

TEST_F(EveryFileTest, LinksBackToAnAncestorAreReportedAndEveryRealFileListedOnce)
{
    base.Write("a.txt", "a", t0);
    base.Write("sub\\b.txt", "b", t0);
    if (!base.LinkFolder("sub\\up", ".."))
        GTEST_SKIP() << "no folder links here";
    ScanResult one = ScanOne(base.Root(), ScanLayout{}, host);
    EXPECT_EQ((Names{"sub\\b.txt", "a.txt"}), Paths(one.entries));
    ASSERT_EQ(1u, one.problems.size());
    EXPECT_EQ(base.Path("sub\\up\\"), one.problems[0].path);

    ASSERT_TRUE(base.LinkFolder("sub\\again", ".."));
    ScanResult two = ScanOne(base.Root(), ScanLayout{}, host);
    EXPECT_EQ((Names{"sub\\b.txt", "a.txt"}), Paths(two.entries));
    EXPECT_EQ(2u, two.problems.size());
}

TEST_F(EveryFileTest, AFullDiskKeepsTheOldDestinationAndLeavesNoTemporaryFile)
{
    std::string folder = SmallDisk();
    if (folder.empty())
        GTEST_SKIP() << "no small file system to fill";
    TempTree disk(folder);
    const std::string old(1000, 'o');
    disk.Write("big.bin", old, t0);
    base.Write("big.bin", std::string(8u << 20, 'n'), later);  // 8 MiB: it cannot fit
    inputs.target = disk.Root();
    Compare(Down);
    Problems notCopied = Sync();
    ASSERT_EQ(1u, notCopied.size());
    EXPECT_NE(std::string::npos, notCopied[0].reason.find("空き容量"));
    EXPECT_EQ((Names{"big.bin"}), disk.Names()); // no temporary file
    EXPECT_EQ(old, disk.Read("big.bin"));
}

} // namespace
