// What a run leaves in the user's folders, and what it refuses to touch: the
// program's own temporaries never listed and gone once their run is over,
// names Windows cannot hold and case twins named and never copied.
#include "engine/temporary_files.h"
#include "sync/sync_files.h"
#include "system/unique_handle.h"
#include "tests/engine/engine_fixture.h"
#include "view/result_rows.h"
#include "view/summary.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace {

Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class CleanRunsTest : public EngineFixture {
protected:
    Problems Sync() { return SyncFiles(comparison, inputs, host, 0); }
    bool Named(const TempTree& tree, const std::string& relative, const std::string& reasonPart) const
    {
        Problems problems = comparison.ReadProblems();
        return std::any_of(problems.begin(), problems.end(), [&](const Problem& p) {
            return p.path == tree.Path(relative) && p.reason.find(reasonPart) != std::string::npos;
        });
    }
    Transfer TransferOfPath(SyncDirection direction, const std::string& path) const
    {
        for (const FileEntry& e : comparison.List(direction))
            if (e.relativePath == path)
                return TransferOf(direction, e);
        throw std::runtime_error("not listed: " + path);
    }
};

// A process that has ended, its handle still held (its id not given to another).
struct EndedProcess {
    EndedProcess()
    {
        std::wstring command = L"\"" + CliWorker() + L"\" --help";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                            &startup, &started))
            throw std::runtime_error("cannot start the command-line tool");
        UniqueHandle mainThread(started.hThread);
        process.reset(started.hProcess);
        WaitForSingleObject(process.get(), INFINITE);
        id = started.dwProcessId;
        FILETIME created, exited, kernel, user;
        GetProcessTimes(process.get(), &created, &exited, &kernel, &user);
        start = (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    }
    std::string Name(const char* serial = nullptr) const
    {
        char name[64];
        std::snprintf(name, sizeof name, serial ? "~mrv%lx-%016llx-%s.tmp" : "~mrv%lx-%016llx.tmp", id, start, serial);
        return name;
    }
    std::string OldName(const char* serial = nullptr) const
    {
        char name[48];
        std::snprintf(name, sizeof name, serial ? "~mrv%lx-%s.tmp" : "~mrv%lx.tmp", id, serial);
        return name;
    }
    UniqueHandle process;
    DWORD id;
    ULONGLONG start;
};

// What a killed run leaves (its temporary files beside destinations and in
// folders of its own, of this version's names and of 1.0.7's) is never listed
// on either side, never copied to the other, and gone after the next list; a
// temporary of a run still going, and a user's file that only looks like one,
// stay.
TEST_F(CleanRunsTest, LeftOverTemporariesAreNeverListedNorCopiedAndGoOnceTheirRunIsOver)
{
    EndedProcess ended;
    const std::string live = StoredFromWide(TemporaryFileName(7));
    for (const TempTree* tree : {&base, &target}) {
        tree->Write(ended.Name("1"), "half a copy", t0);
        tree->Write("sub\\" + ended.Name() + "\\" + ended.Name("2"), "half", t0);
        tree->Write(ended.OldName("5"), "half of 1.0.7", t0);
        tree->Write("sub\\" + ended.OldName() + "\\3.tmp", "half of 1.0.7", t0);
        tree->Write(live, "being written", t0);
    }
    base.Write("sub\\user.txt", "u", t0);
    base.Write("~mrvnot-ours.tmp", "a user's file", t0);
    Compare(Both);
    EXPECT_EQ((Names{"sub\\user.txt", "~mrvnot-ours.tmp"}), Paths(comparison.BaseEntries()));
    EXPECT_TRUE(comparison.TargetEntries().empty());
    EXPECT_TRUE(Sync().empty());
    for (const TempTree* tree : {&base, &target}) {
        EXPECT_EQ(Sorted({live, "sub", "~mrvnot-ours.tmp"}), Sorted(tree->Names()));
        EXPECT_EQ(Names{"user.txt"}, tree->Names("sub\\"));
    }
    EXPECT_TRUE(AllSame(Both));
}

// A case-sensitive share may hold names that differ only in letter case, in
// one folder and in folder names: both are listed, held back with the file of
// their name on the other side, and named; nothing is copied onto them, in
// any direction, and the panels still add up for the rest. A case-only rename
// between the two sides pairs as before.
TEST_F(CleanRunsTest, CaseTwinsAreListedHeldBackAndNamedInEveryDirection)
{
    base.Write("a.txt", "lower", later);
    target.Write("a.txt", "target's", t0);
    base.Write("Dir\\x.txt", "upper folder", later);
    base.Write("Readme.TXT", "renamed", later);
    target.Write("README.txt", "old", t0);
    base.Write("n.txt", "new", t0);
    if (!base.OnHost("printf upper > A.txt && mkdir dir && printf lower > dir/x.txt", [&] {
            return base.Exists("dir\\x.txt") && base.Names().size() == 6;
        }))
        GTEST_SKIP() << "no case-sensitive folder here";
    for (SyncDirection direction : {Down, Up, Both}) {
        Compare(direction);
        for (const char* twin : {"A.txt", "a.txt", "Dir\\x.txt", "dir\\x.txt"})
            EXPECT_TRUE(Named(base, twin, "大文字と小文字だけが違う")) << twin;
        EXPECT_TRUE(Named(target, "a.txt", "大文字と小文字だけが違う"));
        if (direction != Up) {
            EXPECT_EQ(Transfer::Held, TransferOfPath(direction, "dir\\x.txt"));
        }
        // The first sync copies the rest: the panels add up, and it is allowed.
        ResultRows rows(comparison, direction, 0);
        TableCounts counts{comparison.BaseCount(), comparison.TargetCount(), comparison.BothCount()};
        SummaryContents summary = ComputeSummary(rows.Counters(), counts, direction);
        EXPECT_EQ(PanelStatus::Ok, summary.transfer.status);
        EXPECT_EQ(PanelStatus::Ok, direction == Up ? summary.target.status : summary.base.status);
        EXPECT_EQ(direction == Down, summary.runEnabled);
        EXPECT_TRUE(Sync().empty());
        EXPECT_EQ("target's", target.Read("a.txt"));
        EXPECT_EQ("lower", base.Read("a.txt"));
        EXPECT_EQ("upper", base.Read("A.txt"));
        EXPECT_FALSE(target.Exists("Dir\\x.txt"));
    }
    EXPECT_EQ("renamed", target.Read("README.txt"));
    EXPECT_EQ("new", target.Read("n.txt"));
}

// Names a Linux share holds and Windows cannot (a "\" inside a name, the
// characters Windows forbids, a device name) are named with that reason and
// never copied: nothing is made for them, not even a folder. A link whose
// target is gone is never copied either (Wine does not even list one; Windows
// lists it, and it is named).
TEST_F(CleanRunsTest, NamesWindowsCannotHoldAreNamedAndNothingIsMadeForThem)
{
    base.Write("ok.txt", "fine", t0);
    if (!base.OnHost("touch 'back\\slash.txt' 'q?.txt' 'co:lon.txt' 'pi|pe.txt' nul.txt && mkdir 'st*r' && "
                     "touch 'st*r/in.txt' && ln -s nowhere dangling.txt",
                     [&] { return base.Names().size() == 7; }))
        GTEST_SKIP() << "no host to make such names";
    Compare(Down);
    EXPECT_EQ(Names{"ok.txt"}, Paths(comparison.BaseEntries()));
    for (const char* name : {"back\\slash.txt", "q?.txt", "co:lon.txt", "pi|pe.txt", "st*r"})
        EXPECT_TRUE(Named(base, name, "使えない文字")) << name;
    EXPECT_TRUE(Named(base, "nul.txt", "予約"));
    EXPECT_TRUE(Sync().empty());
    EXPECT_EQ(Names{"ok.txt"}, target.Names());
}

} // namespace
