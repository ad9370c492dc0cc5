#include "engine/make_list.h"
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"

#include <windows.h>

#include <algorithm>

namespace {

class SyncFilesTest : public EngineFixture {
protected:
    // Builds the list, copies, and builds it again as run-sync does.
    void MakeList(SyncDirection direction) { Compare(direction); }
    void Sync() { notCopied = SyncFiles(comparison, inputs, host); }
    // The reason given for a destination not copied; empty when it was not named.
    std::string ReasonFor(const TempTree& tree, const std::string& relative) const
    {
        for (const Problem& p : notCopied)
            if (p.path == tree.Path(relative))
                return p.reason;
        return "";
    }
    Problems notCopied;
    bool AllSame(SyncDirection direction)
    {
        Compare(direction);
        for (const FileEntry& e : comparison.List(direction))
            if (e.status != Same)
                return false;
        return true;
    }
    static std::vector<std::string> Names(const TempTree& tree, const std::string& folder)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA(tree.Path(folder + "*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::string name = data.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        return names;
    }
};

TEST_F(SyncFilesTest, BothWaysCopiesKeepTheirTimesSoTheRebuiltListIsSame)
{
    base.Write("only-base.txt", "b", t0);
    target.Write("only-target.txt", "t", LocalFileTime(2012, 6, 1, 1, 2, 3));
    base.Write("newer.txt", "new!", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("newer.txt", "old", t0);
    MakeList(Both);
    Sync();
    EXPECT_EQ("b", target.Read("only-base.txt"));
    EXPECT_EQ("t", base.Read("only-target.txt"));
    EXPECT_EQ("new!", target.Read("newer.txt"));
    EXPECT_TRUE(AllSame(Both));
    EXPECT_EQ("open", host.steps.front());
    EXPECT_EQ("close", host.steps.back());
    EXPECT_EQ(100, host.progress.back());
}

TEST_F(SyncFilesTest, DownLeavesANewerTargetAlone)
{
    base.Write("a.txt", "old", t0);
    target.Write("a.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    MakeList(Down);
    Sync();
    EXPECT_EQ("new", target.Read("a.txt"));
}

TEST_F(SyncFilesTest, MissingDoubleByteFolderChainIsCreatedOnceWithoutStrayFolders)
{
    base.Write("表示\\sub\\a.txt", "a", t0);
    base.Write("表示\\sub\\b.txt", "b", t0);
    MakeList(Down);
    Sync();
    EXPECT_EQ("a", target.Read("表示\\sub\\a.txt"));
    EXPECT_EQ("b", target.Read("表示\\sub\\b.txt"));
    // A split at the 0x5C second byte of 表 would leave a folder "表" beside "表示".
    EXPECT_EQ((std::vector<std::string>{"表示"}), Names(target, ""));
}

TEST_F(SyncFilesTest, ReadOnlyDestinationIsRefusedNamedAndShowsAgain)
{
    base.Write("a.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    base.Write("b.txt", "b", t0);
    target.Write("a.txt", "old", t0);
    target.SetAttributes("a.txt", FILE_ATTRIBUTE_READONLY);
    MakeList(Down);
    Sync();
    EXPECT_EQ("old", target.Read("a.txt"));
    EXPECT_EQ("b", target.Read("b.txt")); // the run went on
    ASSERT_EQ(1u, notCopied.size());
    EXPECT_NE(std::string::npos, ReasonFor(target, "a.txt").find("読み取り専用"));
    Compare(Down);
    EXPECT_EQ(BaseNewer, BaseEntry("a.txt").status);
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt"}), Names(target, "")); // no temporary file left
}

TEST_F(SyncFilesTest, ReadOnlyAndHiddenFilesTheCopyMadeAreUpdatedNextTime)
{
    base.Write("ro.txt", "first", t0);
    base.SetAttributes("ro.txt", FILE_ATTRIBUTE_READONLY);
    base.Write("hidden.txt", "first", t0);
    base.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeList(Down);
    Sync();
    EXPECT_TRUE(target.Attributes("ro.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(target.Attributes("hidden.txt") & FILE_ATTRIBUTE_HIDDEN);

    for (const char* name : {"ro.txt", "hidden.txt"}) {
        DWORD attributes = base.Attributes(name);
        base.SetAttributes(name, FILE_ATTRIBUTE_NORMAL);
        base.Write(name, "second", LocalFileTime(2011, 1, 1, 0, 0, 0));
        base.SetAttributes(name, attributes);
    }
    MakeList(Down);
    Sync();
    EXPECT_TRUE(notCopied.empty()) << notCopied[0].reason;
    EXPECT_EQ("second", target.Read("ro.txt"));
    EXPECT_EQ("second", target.Read("hidden.txt"));
    EXPECT_TRUE(target.Attributes("ro.txt") & FILE_ATTRIBUTE_READONLY);
}

TEST_F(SyncFilesTest, HiddenDestinationOfAPlainSourceIsKept)
{
    base.Write("a.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("a.txt", "mine", t0);
    target.SetAttributes("a.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeList(Down);
    Sync();
    EXPECT_EQ("mine", target.Read("a.txt"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "a.txt").find("隠しファイル"));
}

TEST_F(SyncFilesTest, UndecidedPairIsNotCopiedBothWays)
{
    base.Write("a.txt", "base version", t0);
    target.Write("a.txt", "target version!", t0);
    MakeList(Both);
    ASSERT_EQ(2, comparison.BothCount());
    Sync();
    EXPECT_EQ("base version", base.Read("a.txt"));
    EXPECT_EQ("target version!", target.Read("a.txt"));
    ASSERT_EQ(2u, notCopied.size()); // each way, as a conflict
    EXPECT_NE(std::string::npos, ReasonFor(target, "a.txt").find("競合"));
    EXPECT_NE(std::string::npos, ReasonFor(base, "a.txt").find("競合"));
    Compare(Both);
    EXPECT_EQ(2, comparison.BothCount()); // still shown, for the user to decide
    EXPECT_EQ((std::vector<std::string>{"a.txt"}), Names(target, ""));
}

TEST_F(SyncFilesTest, FolderTextsAreReadAtCopyTimeAndNeedNoTrailingBackslash)
{
    base.Write("a.txt", "a", t0);
    MakeList(Down);
    TempTree other;
    std::string otherRoot = other.Root();
    inputs.target = otherRoot.substr(0, otherRoot.size() - 1); // typed without its "\"
    Sync();
    EXPECT_EQ("a", other.Read("a.txt"));
    EXPECT_FALSE(target.Exists("a.txt"));
    EXPECT_EQ(1u, Names(other, "").size());
}

TEST_F(SyncFilesTest, AnEmptiedFolderTextCopiesNothingAnywhere)
{
    base.Write("a.txt", "a", t0);
    MakeList(Down);
    TempTree elsewhere;  // the current folder, where a path without a root would land
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(elsewhere.Root().c_str());
    inputs.target.clear();
    Sync();
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(Names(elsewhere, "").empty());
    EXPECT_FALSE(target.Exists("a.txt"));
}

TEST_F(SyncFilesTest, CloseRequestHandsOutNothingMoreAndLeavesEveryFileWhole)
{
    const std::string content(4096, 'c');
    for (int i = 0; i < 300; ++i)
        base.Write("f" + std::to_string(1000 + i) + ".txt", content, t0);
    MakeList(Down);
    host.cancelAfterProgress = 1;
    Sync();
    std::vector<std::string> names = Names(target, "");
    EXPECT_FALSE(names.empty());
    EXPECT_LT(names.size(), 300u);
    for (const std::string& name : names) // whole copies only, no temporary file
        EXPECT_EQ(content, target.Read(name)) << name;
    // The popup is left to the closing window.
    EXPECT_EQ(0, std::count(host.steps.begin(), host.steps.end(), "close"));
}

TEST_F(SyncFilesTest, ACopyFailingInOneWorkerIsNamedAndTheOthersGoOn)
{
    for (int i = 0; i < 20; ++i)
        base.Write("g" + std::to_string(i) + ".txt", "g", t0);
    base.Write("locked.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("locked.txt", "mine", t0);
    target.SetAttributes("locked.txt", FILE_ATTRIBUTE_READONLY);
    MakeList(Down);
    notCopied = SyncFiles(comparison, inputs, host, 4);
    ASSERT_EQ(1u, notCopied.size());
    EXPECT_EQ(target.Path("locked.txt"), notCopied[0].path);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ("g", target.Read("g" + std::to_string(i) + ".txt"));
    EXPECT_EQ("mine", target.Read("locked.txt"));
}

TEST_F(SyncFilesTest, ChangesAfterTheListNeverLoseTheDestination)
{
    base.Write("vanished.txt", "v", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("vanished.txt", "keep me", t0);
    base.Write("edited.txt", "base", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("edited.txt", "old", t0);
    base.Write("locked.txt", "locked", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("locked.txt", "keep me too", t0);
    base.Write("appeared.txt", "base", LocalFileTime(2011, 1, 1, 0, 0, 0));
    MakeList(Down);
    target.Write("appeared.txt", "made after the list", LocalFileTime(2012, 1, 1, 0, 0, 0));
    DeleteFileA(base.Path("vanished.txt").c_str());
    target.Write("edited.txt", "edited after the list", LocalFileTime(2012, 1, 1, 0, 0, 0));
    HANDLE lock = CreateFileA(base.Path("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Sync();
    CloseHandle(lock);
    EXPECT_EQ("keep me", target.Read("vanished.txt"));
    EXPECT_EQ("edited after the list", target.Read("edited.txt"));
    EXPECT_EQ("keep me too", target.Read("locked.txt"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "vanished.txt").find("コピー元のファイルがありません"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "edited.txt").find("リスト作成後に更新"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "locked.txt").find("使用中"));
    EXPECT_EQ("made after the list", target.Read("appeared.txt"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "appeared.txt").find("リスト作成後に更新"));
    EXPECT_EQ((std::vector<std::string>{"appeared.txt", "edited.txt", "locked.txt", "vanished.txt"}), Names(target, ""));
}

TEST_F(SyncFilesTest, ProgressIsThePositionInTheWholeList)
{
    for (int i = 0; i < 4; ++i)
        base.Write("f" + std::to_string(i) + ".txt", "x", t0);
    target.Write("f0.txt", "x", t0);
    target.Write("f1.txt", "x", t0);
    MakeList(Down);
    Sync();
    // f2 at 2 of 4, f3 at 3 of 4, then 100.
    EXPECT_EQ((std::vector<int>{50, 75, 100}), host.progress);
}

} // namespace
