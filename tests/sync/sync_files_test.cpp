// The copy engine on real files: what it copies, what it refuses and names,
// and that a destination is never lost.
#include "sync/safe_copy.h"
#include "sync/sync_files.h"
#include "tests/engine/engine_fixture.h"

#include "system/child_process.h"
#include "system/unique_handle.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>

namespace {

class SyncFilesTest : public EngineFixture {
protected:
    void Sync(int workers = 0) { notCopied = SyncFiles(comparison, inputs, host, workers); }
    // The reason given for a destination not copied; empty when it was not named.
    std::string ReasonFor(const TempTree& tree, const std::string& relative) const
    {
        for (const Problem& p : notCopied)
            if (p.path == tree.Path(relative))
                return p.reason;
        return "";
    }
    Problems notCopied;
};

// Cases run twice: with the copies made in this process, and handed to copy
// worker processes from the first file on.
class EitherWay : public SyncFilesTest, public ::testing::WithParamInterface<bool> {
protected:
    WorkersFromTheStart m_workers{GetParam() ? CliWorker() : std::wstring()};
};
INSTANTIATE_TEST_SUITE_P(Copies, EitherWay, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "InWorkerProcesses" : "InThisProcess"; });

// Ends one copy worker of this process at the first progress report.
class EndingWorkersHost : public RecordingHost {
public:
    void SetProgress(int percent) override
    {
        RecordingHost::SetProgress(percent);
        if (ended)
            return;
        UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (bool more = Process32FirstW(snapshot.get(), &entry); more && !ended;
             more = Process32NextW(snapshot.get(), &entry)) {
            // Only the workers: Wine's own services may count this process as their parent.
            if (entry.th32ParentProcessID != GetCurrentProcessId() || _wcsicmp(entry.szExeFile, L"mirvalen-cli.exe") != 0)
                continue;
            if (UniqueHandle process{OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)})
                ended += TerminateProcess(process.get(), 1) ? 1 : 0;
        }
    }
    int ended = 0;
};

TEST_P(EitherWay, BothWaysCopiesKeepTheirTimesSoTheRebuiltListIsSame)
{
    for (const char* name : {"a.txt", "b.txt"}) {
        base.Write(name, "s", t0);
        target.Write(name, "s", t0);
    }
    base.Write("c.txt", "new!", later);
    target.Write("c.txt", "old", t0);
    target.Write("d.txt", "t", LocalFileTime(2012, 6, 1, 1, 2, 3));
    Compare(Both);
    Sync();
    EXPECT_TRUE(notCopied.empty());
    EXPECT_EQ("new!", target.Read("c.txt"));
    EXPECT_EQ("t", base.Read("d.txt"));
    EXPECT_TRUE(AllSame(Both));
    // The popup shows the position in the whole list: the copies are rows 2 and 3 of 4.
    EXPECT_EQ((std::vector<int>{50, 75, 100}), host.progress);
    EXPECT_EQ("open", host.steps.front());
    EXPECT_EQ("close", host.steps.back());
}

TEST_F(SyncFilesTest, DownLeavesANewerTargetAloneAndMakesDoubleByteFolderChainsOnce)
{
    base.Write("a.txt", "old", t0);
    target.Write("a.txt", "new", later);
    base.Write("表示\\sub\\a.txt", "a", t0);
    base.Write("表示\\sub\\b.txt", "b", t0);
    Compare(Down);
    Sync();
    EXPECT_EQ("new", target.Read("a.txt"));
    EXPECT_EQ("a", target.Read("表示\\sub\\a.txt"));
    EXPECT_EQ("b", target.Read("表示\\sub\\b.txt"));
    // A split at the 0x5C second byte of 表 would leave a folder "表" beside "表示".
    EXPECT_EQ((Names{"a.txt", "表示"}), target.Names());
}

TEST_P(EitherWay, ProtectedDestinationsAreKeptNamedAndListedAgainUnlessTheSourceIsSoToo)
{
    // A read-only or hidden destination whose source is not so was protected by
    // the user; one whose source carries the attribute too was put there by a copy.
    struct Case {
        const char* name;
        DWORD attribute;
        bool sourceToo;
        const char* reason;
    } cases[] = {{"ro.txt", FILE_ATTRIBUTE_READONLY, false, "読み取り専用"},
                 {"hidden.txt", FILE_ATTRIBUTE_HIDDEN, false, "隠しファイル"},
                 {"ro-copy.txt", FILE_ATTRIBUTE_READONLY, true, nullptr},
                 {"hidden-copy.txt", FILE_ATTRIBUTE_HIDDEN, true, nullptr}};
    for (const Case& c : cases) {
        base.Write(c.name, "new", later);
        base.SetAttributes(c.name, c.sourceToo ? c.attribute : FILE_ATTRIBUTE_NORMAL);
        target.Write(c.name, "mine", t0);
        target.SetAttributes(c.name, c.attribute);
    }
    for (int i = 0; i < 20; ++i)
        base.Write("g" + std::to_string(i) + ".txt", "g", t0);
    Compare(Down);
    Sync(4); // a failure in one worker leaves the others going
    EXPECT_EQ(2u, notCopied.size());
    for (const Case& c : cases) {
        EXPECT_EQ(c.reason ? "mine" : "new", target.Read(c.name)) << c.name;
        EXPECT_TRUE(target.Attributes(c.name) & c.attribute) << c.name;
        if (c.reason) {
            EXPECT_NE(std::string::npos, ReasonFor(target, c.name).find(c.reason)) << c.name;
        }
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ("g", target.Read("g" + std::to_string(i) + ".txt"));
    EXPECT_EQ(24u, target.Names().size()); // no temporary file left
    Compare(Down);
    EXPECT_EQ(BaseNewer, BaseEntry("ro.txt").status);
}

// The user may overwrite a newer file on purpose, but only the one they saw.
TEST_P(EitherWay, AChosenCopyReplacesANewerFileButNeverOneChangedSinceTheList)
{
    base.Write("older.txt", "base, older", t0);
    target.Write("older.txt", "target, newer", later);
    base.Write("touched.txt", "base", t0);
    target.Write("touched.txt", "target", later);
    Compare(Both);
    for (std::size_t row = 0; row < 2; ++row)
        EXPECT_TRUE(comparison.SetChoice(Both, row, RowChoice::Down));
    target.Write("touched.txt", "edited since", LocalFileTime(2012, 1, 1, 0, 0, 0));
    Sync();
    EXPECT_EQ("base, older", target.Read("older.txt"));
    EXPECT_EQ("edited since", target.Read("touched.txt"));
    EXPECT_NE(std::string::npos, ReasonFor(target, "touched.txt").find("リスト作成後に変更"));
    EXPECT_EQ(2u, target.Names().size()); // no temporary file left
}

// A device that writes other bytes than it was given, for so many copies.
int g_copiesToSpoil = 0;
void SpoilCopy(const std::wstring& temporary)
{
    if (g_copiesToSpoil-- <= 0)
        return;
    UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), "?", 1, &written, nullptr);
}

TEST_F(SyncFilesTest, WithVerifyACopyThatDoesNotReadBackEqualIsMadeOnceMoreAndElseReplacesNothing)
{
    SetWrittenCopyHook(SpoilCopy);
    inputs.verify = 1;
    base.Write("a.txt", "new", later);
    target.Write("a.txt", "old", t0);
    g_copiesToSpoil = 1; // a passing fault: the second copy reads back equal
    Compare(Down);
    Sync(1);
    EXPECT_TRUE(notCopied.empty());
    EXPECT_EQ("new", target.Read("a.txt"));

    base.Write("a.txt", "newer", LocalFileTime(2012, 1, 1, 0, 0, 0));
    g_copiesToSpoil = 2;
    Compare(Down);
    Sync(1);
    EXPECT_NE(std::string::npos, ReasonFor(target, "a.txt").find("一致しませんでした"));
    EXPECT_EQ("new", target.Read("a.txt"));
    EXPECT_EQ((Names{"a.txt"}), target.Names()); // no temporary file left

    inputs.verify = 0; // without the check the fault goes unseen, as it always did
    g_copiesToSpoil = 1;
    Sync(1);
    EXPECT_EQ("?ewer", target.Read("a.txt"));
    SetWrittenCopyHook(nullptr);
}

TEST_F(SyncFilesTest, FolderTextsAreReadAtCopyTime)
{
    base.Write("a.txt", "a", t0);
    Compare(Down);
    TempTree other, current;
    inputs.target = other.Root().substr(0, other.Root().size() - 1); // typed without its "\"
    Sync();
    EXPECT_EQ((Names{"a.txt"}), other.Names());
    EXPECT_FALSE(target.Exists("a.txt"));
    // An emptied field copies nothing, not even into the current folder.
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(current.Root().c_str());
    inputs.target.clear();
    Sync();
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(current.Names().empty());
}

// Every file not copied is named, as the command-line tool names them after Ctrl+C.
TEST_P(EitherWay, ACloseRequestHandsOutNothingMoreAndLeavesEveryFileWholeAndTheRestNamed)
{
    const std::string content(4096, 'c');
    for (int i = 0; i < 300; ++i)
        base.Write("f" + std::to_string(1000 + i) + ".txt", content, t0);
    Compare(Down);
    host.cancelAfterProgress = 1;
    // One copy at a time: the first copy ended is the first row's, whose
    // progress report raises the request at once.
    Sync(1);
    Names names = target.Names();
    EXPECT_FALSE(names.empty());
    EXPECT_LT(names.size(), 300u);
    for (const std::string& name : names) // whole copies only, no temporary file
        EXPECT_EQ(content, target.Read(name)) << name;
    EXPECT_EQ(300u, names.size() + notCopied.size());
    for (const Problem& p : notCopied)
        EXPECT_EQ("中止したため、コピーしませんでした", p.reason) << p.path;
    // The popup is left to the closing window.
    EXPECT_EQ(0, std::count(host.steps.begin(), host.steps.end(), "close"));
}

TEST_P(EitherWay, ChangesAfterTheListNeverLoseTheDestination)
{
    for (const char* name : {"vanished.txt", "edited.txt", "locked.txt", "appeared.txt"}) {
        base.Write(name, "base", later);
        if (std::string(name) != "appeared.txt")
            target.Write(name, "keep me", t0);
    }
    Compare(Down);
    target.Write("appeared.txt", "made after the list", LocalFileTime(2012, 1, 1, 0, 0, 0));
    DeleteFileA(base.Path("vanished.txt").c_str());
    target.Write("edited.txt", "edited after the list", LocalFileTime(2012, 1, 1, 0, 0, 0));
    HANDLE lock = CreateFileA(base.Path("locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Sync();
    CloseHandle(lock);
    const char* expected[][3] = {
        {"vanished.txt", "keep me", "コピー元のファイルがありません"},
        {"edited.txt", "edited after the list", "リスト作成後に更新"},
        {"locked.txt", "keep me", "使用中"},
        {"appeared.txt", "made after the list", "リスト作成後に更新"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e[1], target.Read(e[0]));
        EXPECT_NE(std::string::npos, ReasonFor(target, e[0]).find(e[2])) << e[0];
    }
    EXPECT_EQ((Names{"appeared.txt", "edited.txt", "locked.txt", "vanished.txt"}), target.Names());
}

// A worker process that ends in the middle of its copies leaves them to this
// process, while the other goes on: every file arrives whole, its temporary
// files go, and a copy it made without telling is not refused as a conflict
// when made again.
TEST_F(SyncFilesTest, AWorkerEndedMidCopyLeavesItsCopiesHereAndNothingBehind)
{
    const std::string content(3000, 'w');
    for (int i = 0; i < 300; ++i)
        base.Write("f" + std::to_string(1000 + i) + ".txt", content, t0);
    Compare(Both);
    EndingWorkersHost ending;
    {
        WorkersFromTheStart workers;
        notCopied = SyncFiles(comparison, inputs, ending, 2);
    }
    EXPECT_EQ(1, ending.ended);
    EXPECT_TRUE(notCopied.empty()) << notCopied.size() << " " << (notCopied.empty() ? "" : notCopied[0].reason);
    Names names = target.Names();
    EXPECT_EQ(300u, names.size()); // no temporary folder or file
    for (const std::string& name : names)
        EXPECT_EQ(content, target.Read(name)) << name;
}

// Replaced files go to the Recycle Bin. Under Wine the bin is the desktop's
// trash, $XDG_DATA_HOME/Trash, which ctest points into the build tree; the
// test reads it through MIRVALEN_TRASH (its Z: path).
TEST_P(EitherWay, ReplacedFilesLeaveTheirOldVersionsInTheBinUnlessTurnedOffOrTooDeep)
{
    const std::string trash = EmptiedTrash();
    if (trash.empty())
        GTEST_SKIP() << "MIRVALEN_TRASH is not set";
    auto inTrash = [&](const std::string& name) {
        std::ifstream file(trash + "\\files\\" + name, std::ios::binary);
        return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
    };

    // The shell cannot take a path past MAX_PATH: such a file is replaced as
    // without a bin, and named in the notice (copied, not failed).
    const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\long.txt";
    for (const std::string& name : {std::string("keep.txt"), std::string("gone.txt"), deep}) {
        base.Write(name, "new", later);
        target.Write(name, "old " + name.substr(name.size() - 8), t0);
    }
    // A read-only one comes back from the bin as it was.
    base.SetAttributes("keep.txt", FILE_ATTRIBUTE_READONLY);
    target.SetAttributes("keep.txt", FILE_ATTRIBUTE_READONLY);
    inputs.exclude = "gone.txt";
    Compare(Down);
    Problems noBin;
    EXPECT_TRUE(SyncFiles(comparison, inputs, host, 0, &noBin).empty());
    inputs.exclude = "keep.txt";
    inputs.recycle = 0;
    Compare(Down);
    EXPECT_TRUE(SyncFiles(comparison, inputs, host, 0, nullptr).empty());

    for (const std::string& name : {std::string("keep.txt"), std::string("gone.txt"), deep})
        EXPECT_EQ("new", target.Read(name)) << name;
    EXPECT_EQ("old keep.txt", inTrash("keep.txt"));
    EXPECT_TRUE(GetFileAttributesA((trash + "\\files\\keep.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ("<missing>", inTrash("gone.txt"));
    EXPECT_EQ("<missing>", inTrash("long.txt"));
    ASSERT_EQ(1u, noBin.size());
    EXPECT_EQ(target.Path(deep), noBin[0].path);
}

} // namespace
