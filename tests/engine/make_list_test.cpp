// The make-list command's engine part: both trees scanned at once, and a close
// request while it runs.
#include "engine/folder_scanner.h"
#include "engine/make_list.h"
#include "tests/engine/engine_fixture.h"

namespace {

class MakeList : public EngineFixture {};

TEST_F(MakeList, ScansWithThreadsGiveTheTablesOfOneThreadInEveryLayout)
{
    for (int i = 0; i < 120; ++i) {
        std::string name = (i % 3 ? "sub" + std::to_string(i % 7) + "\\" : std::string()) + "f" + std::to_string(i);
        base.Write(name + ".txt", "b", t0);
        if (i % 4)
            target.Write(name + (i % 5 ? ".txt" : ".TXT"), "t", later);
    }
    base.Write("表\\x.txt", "x", t0);
    for (int layout = 0; layout < 3; ++layout) {
        ScanLayout one;
        one.subFolder = inputs.subFolder = layout == 1;
        one.rootFile = inputs.rootFile = layout == 2;
        ScanResult oneBase = ScanFolder(inputs.base, one, host);
        ScanResult oneTarget = ScanFolder(inputs.target, one, host);
        comparison.ScanBoth(inputs, host, 4);
        EXPECT_EQ(Paths(oneBase.entries), Paths(comparison.BaseEntries())) << layout;
        EXPECT_EQ(Paths(oneTarget.entries), Paths(comparison.TargetEntries())) << layout;
        for (std::size_t i = 0; i < oneBase.entries.size(); ++i)
            EXPECT_STREQ(oneBase.entries[i].TimeText(), comparison.BaseEntries()[i].TimeText());
    }
}

TEST_F(MakeList, ACloseRequestDuringTheScansStopsTheThreadsAndTheCommand)
{
    for (int i = 0; i < 400; ++i) {
        base.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
        target.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
    }
    // The request is there while the threads scan: they stop at their next
    // folder and are joined before the command ends, with no rows shown.
    host.cancelAfterProgress = 0;
    EXPECT_FALSE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ((Names{"progress"}), host.steps);
    EXPECT_LT(comparison.BaseCount() + comparison.TargetCount(), 800);
    host.cancelAfterProgress = -1;
    EXPECT_TRUE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ(400, comparison.BothCount());
    EXPECT_EQ(100, host.progress.back());
}

} // namespace
