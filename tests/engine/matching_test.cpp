// Pairing the two tables and deciding each pair, on real files; the two-way
// list; the make-list command's scans, threaded and stopped by a close request.
#include "system/child_process.h"
#include "engine/folder_scanner.h"
#include "engine/make_list.h"
#include "engine/matching.h"
#include "engine/scan_worker.h"
#include "system/stored_name.h"
#include "tests/engine/engine_fixture.h"

namespace {

class Matching : public EngineFixture {
protected:
    // One character per side and status: '-' undecided, '=' same, 'b'/'t' base/target
    // newer, 'B'/'T' base/target only; ' ' where the side has no such file.
    std::string Statuses(const std::string& baseName, const std::string& targetName)
    {
        std::string codes = "  ";
        for (int side = 0; side < 2; ++side)
            for (const FileEntry& e : side ? comparison.TargetEntries() : comparison.BaseEntries())
                if (e.relativePath == (side ? targetName : baseName))
                    codes[side] = "-=bBtT"[e.status];
        return codes;
    }
};

TEST_F(Matching, EachPairIsDecidedByItsTimesSizesTheTwoSecondRuleAndTheDirection)
{
    struct File {
        std::string name, targetName;
        FILETIME baseTime, targetTime;
        int baseSize, targetSize;  // 0: no file on that side
    };
    const FILETIME at9 = t0, at11 = LocalFileTime(2010, 3, 5, 14, 7, 11), at12 = LocalFileTime(2010, 3, 5, 14, 7, 12);
    const FILETIME y1960 = LocalFileTime(1960, 1, 1, 0, 0, 0), y1960b = LocalFileTime(1960, 1, 1, 0, 0, 2);
    // Byte order puts README.TXT and B.txt first on one side and last on the
    // other: a forward cursor would step past their partners.
    const File files[] = {
        {"two.txt", "two.txt", at9, at11, 100, 100},      // two seconds apart
        {"three.txt", "three.txt", at9, at12, 100, 100},  // three seconds apart
        {"sizes.txt", "sizes.txt", at9, at9, 100, 101},   // one time, two sizes: undecided, one-sided both ways
        {"old.txt", "old.txt", y1960, y1960b, 1, 1},      // before 1970: still converted
        {"older.txt", "older.txt", y1960, LocalFileTime(1965, 1, 1, 0, 0, 0), 1, 1},
        {"only.txt", "", at9, at9, 1, 0},
        {"", "mine.txt", at9, at9, 0, 1},
        {"newer.txt", "newer.txt", later, at9, 1, 1},
        {"README.TXT", "readme.txt", at9, at9, 1, 1},
        {"B.txt", "b.txt", at9, later, 1, 1},
    };
    for (const File& f : files) {
        if (f.baseSize)
            base.Write(f.name, std::string(f.baseSize, 'b'), f.baseTime);
        if (f.targetSize)
            target.Write(f.targetName, std::string(f.targetSize, 't'), f.targetTime);
    }
    struct Case {
        SyncDirection direction;
        int twoSecondSame;
        const char* expected[std::size(files)];
    } cases[] = {
        {Both, 0, {"tt", "tt", "BT", "tt", "tt", "B ", " T", "bb", "==", "tt"}},
        {Both, 1, {"==", "tt", "BT", "==", "tt", "B ", " T", "bb", "==", "tt"}},
        {Down, 1, {"==", "tt", "B-", "==", "tt", "B ", " -", "bb", "==", "tt"}},  // a newer target is not overwritten
        {Up, 1, {"==", "tt", "-T", "==", "tt", "- ", " T", "bb", "==", "tt"}},
    };
    for (const Case& c : cases) {
        inputs.twoSecondSame = c.twoSecondSame;
        Compare(c.direction);
        for (std::size_t i = 0; i < std::size(files); ++i)
            EXPECT_EQ(c.expected[i], Statuses(files[i].name, files[i].targetName))
                << files[i].name << files[i].targetName << " direction " << c.direction << " two-second "
                << c.twoSecondSame;
    }
    EXPECT_EQ(0, host.conversionFailures);
}

TEST_F(Matching, TheTwoWayListTakesEachPairOnceAndFollowsTheLayoutOptions)
{
    base.Write("z.txt", "z", later);
    target.Write("z.txt", "old", t0);
    base.Write("sub\\a.txt", std::string(100, 'b'), t0);
    target.Write("sub\\a.txt", std::string(101, 't'), t0);  // undecided: listed from both sides
    target.Write("sub\\t.txt", "t", later);
    struct Case {
        int rootFile, subFolder;
        Names rows;
    } cases[] = {
        {0, 0, {"sub\\a.txt", "sub\\a.txt", "sub\\t.txt", "z.txt"}},
        {1, 0, {"z.txt", "sub\\a.txt", "sub\\a.txt", "sub\\t.txt"}},
        {1, 1, {"z.txt"}},
        {0, 1, {"z.txt"}},
    };
    for (const Case& c : cases) {
        inputs.rootFile = c.rootFile;
        inputs.subFolder = c.subFolder;
        Compare(Both);
        EXPECT_EQ(c.rows, Paths(comparison.List(Both))) << c.rootFile << c.subFolder;
    }
    Compare(Down);
    EXPECT_EQ((Names{"z.txt"}), Paths(comparison.List(Down)));
    EXPECT_TRUE(comparison.List(Both).empty()); // built for Both only
}

// The second byte of a Shift-JIS character is never folded or split at,
// whatever the system's code page: イ (83 43) and ツ (83 63) differ as C and c,
// サ (83 54) and フ (83 74) as T and t, and ソ and 表 end in 5C, the byte of "\".
TEST_F(Matching, SecondBytesOfShiftJisCharactersAreNeverFoldedNorSplit)
{
    for (const char* name : {"イb.txt", "サソ.txt", "表示\\ソ.txt", "表示\\x.txt"})
        base.Write(name, "same", t0);
    for (const char* name : {"ツb.txt", "フソ.txt", "表示\\ソ.txt", "表示\\x.txt"})
        target.Write(name, "same", t0);
    Compare(Both);
    EXPECT_EQ("BT", Statuses("イb.txt", "ツb.txt"));
    EXPECT_EQ("BT", Statuses("サソ.txt", "フソ.txt"));
    EXPECT_EQ("==", Statuses("表示\\ソ.txt", "表示\\ソ.txt"));
    EXPECT_EQ("==", Statuses("表示\\x.txt", "表示\\x.txt"));
    // Subfolders first, then the root's files, each in Shift-JIS byte order.
    EXPECT_EQ((Names{"表示\\x.txt", "表示\\ソ.txt", "イb.txt", "サソ.txt"}), Paths(comparison.BaseEntries()));
    EXPECT_EQ((Names{"表示\\x.txt", "表示\\ソ.txt", "イb.txt", "サソ.txt", "ツb.txt", "フソ.txt"}),
              Paths(comparison.List(Both)));
}

using MakeList = EngineFixture;

// Every field a scan gives an entry, for comparing the tables of two scans.
std::vector<std::string> Fields(std::span<const FileEntry> entries)
{
    std::vector<std::string> fields;
    for (const FileEntry& e : entries)
        fields.push_back(e.relativePath + "|" + std::to_string(e.size) + "|" + e.TimeText() + "|"
                         + (e.isRoot ? "root" : "sub"));
    return fields;
}

// The target tree goes to a worker process; a worker that cannot start leaves
// the scan to this process. Either way the tables are those of one thread.
TEST_F(MakeList, ScansWithThreadsOrAWorkerProcessGiveTheTablesOfOneThreadInEveryLayout)
{
    for (int i = 0; i < 120; ++i) {
        std::string name = (i % 3 ? "sub" + std::to_string(i % 7) + "\\" : std::string()) + "f" + std::to_string(i);
        base.Write(name + ".txt", "b", t0);
        if (i % 4)
            target.Write(name + (i % 5 ? ".txt" : ".TXT"), std::string(i, 't'), later);
    }
    base.Write("表\\x.txt", "x", t0);
    target.Write(StoredFromWide(L"한글\\\U0001F600.txt"), "x", t0);
    target.Write("skip\\x.tmp", "x", t0);
    inputs.exclude = "*.tmp";
    const std::wstring cli = CliWorker();
    for (int layout = 0; layout < 3; ++layout) {
        ScanLayout one{layout == 1, layout == 2, ExclusionFilter(inputs.exclude)};
        inputs.subFolder = one.subFolder;
        inputs.rootFile = one.rootFile;
        ScanResult oneBase = ScanOne(inputs.base, one, host);
        ScanResult oneTarget = ScanOne(inputs.target, one, host);
        for (const std::wstring& worker : {std::wstring(), cli, std::wstring(L"C:\\nowhere\\none.exe")}) {
            // Started at once: the usual delay outlasts scans of these trees.
            WorkersFromTheStart workers(worker);
            comparison.ScanBoth(inputs, host, 4);
            EXPECT_EQ(Fields(oneBase.entries), Fields(comparison.BaseEntries())) << layout;
            EXPECT_EQ(Fields(oneTarget.entries), Fields(comparison.TargetEntries())) << layout << " " << worker.size();
            EXPECT_TRUE(comparison.ReadProblems().empty());
        }
    }
}

TEST_F(MakeList, ACloseRequestStopsTheScansAndTheCommand)
{
    for (int i = 0; i < 400; ++i) {
        base.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
        target.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
    }
    // A request made before the command lists nothing, starts no worker
    // process, shows no rows and leaves no table of an earlier list behind.
    // (How soon threads already listing stop is a matter of timing; closing
    // the window mid-scan is driven through the window itself.)
    for (const std::wstring& worker : {std::wstring(), CliWorker()}) {
        WorkersFromTheStart workers(worker);
        host.cancelAfterProgress = -1;
        ASSERT_TRUE(RunListSteps(comparison, inputs, host));
        host.steps.clear();
        host.cancelAfterProgress = 0;
        EXPECT_FALSE(RunListSteps(comparison, inputs, host));
        EXPECT_EQ((Names{"progress"}), host.steps);
        EXPECT_EQ(0, comparison.BaseCount() + comparison.TargetCount());
    }
    host.cancelAfterProgress = -1;
    EXPECT_TRUE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ(400, comparison.BothCount());
    EXPECT_EQ(100, host.progress.back());
}

} // namespace
