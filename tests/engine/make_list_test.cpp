#include "engine/folder_scanner.h"
#include "engine/make_list.h"
#include "tests/engine/engine_fixture.h"

#include <algorithm>

namespace {

class MakeList : public EngineFixture {};

TEST_F(MakeList, RunsEveryStepAndEndsAtOneHundred)
{
    base.Write("a.txt", "a", t0);
    EXPECT_TRUE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0, 100}), host.progress);
    EXPECT_EQ("fill", host.steps[5]);
    EXPECT_EQ("summary", host.steps[7]);
    EXPECT_EQ(1, comparison.BothCount());
}

TEST_F(MakeList, CloseDuringTheScansStopsTheThreadsAndEndsAtTheStep)
{
    for (int i = 0; i < 400; ++i) {
        base.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
        target.Write("d" + std::to_string(i % 40) + "\\f" + std::to_string(i) + ".txt", "a", t0);
    }
    // The close request is there while the threads scan: they stop at their
    // next folder and are joined before the command ends.
    host.cancelAfterProgress = 0;
    EXPECT_FALSE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ((std::vector<std::string>{"progress"}), host.steps);
    EXPECT_LT(comparison.BaseCount() + comparison.TargetCount(), 800);
}

TEST_F(MakeList, ScansWithThreadsGiveTheTablesOfOneThreadInEveryLayout)
{
    for (int i = 0; i < 120; ++i) {
        std::string name = (i % 3 ? "sub" + std::to_string(i % 7) + "\\" : std::string()) + "f" + std::to_string(i);
        base.Write(name + ".txt", "b", t0);
        if (i % 4)
            target.Write(name + (i % 5 ? ".txt" : ".TXT"), "t", LocalFileTime(2011, 1, 1, 0, 0, 0));
    }
    base.Write("表\\x.txt", "x", t0);
    for (int layout = 0; layout < 3; ++layout) {
        inputs.subFolder = layout == 1;
        inputs.rootFile = layout == 2;
        ScanResult oneBase = ScanFolder(inputs.base, {inputs.subFolder, inputs.rootFile}, host);
        ScanResult oneTarget = ScanFolder(inputs.target, {inputs.subFolder, inputs.rootFile}, host);
        comparison.ScanBoth(inputs, host, 4);
        EXPECT_EQ(Paths(oneBase.entries), Paths(comparison.BaseEntries())) << layout;
        EXPECT_EQ(Paths(oneTarget.entries), Paths(comparison.TargetEntries())) << layout;
        for (std::size_t i = 0; i < oneBase.entries.size(); ++i)
            EXPECT_STREQ(oneBase.entries[i].TimeText(), comparison.BaseEntries()[i].TimeText());
    }
}

TEST_F(MakeList, CloseAfterTheRowsSkipsTheSummary)
{
    host.cancelAfterProgress = 6;
    EXPECT_FALSE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ(6u, host.progress.size());
    EXPECT_EQ(0, std::count(host.steps.begin(), host.steps.end(), "summary"));
    EXPECT_EQ(1, std::count(host.steps.begin(), host.steps.end(), "fill"));
}

} // namespace
