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

TEST_F(MakeList, CloseDuringTheScansEndsAtTheStepWithTheTargetWorkerStopped)
{
    base.Write("a.txt", "a", t0);
    for (int i = 0; i < 200; ++i)
        target.Write("d" + std::to_string(i % 20) + "\\f" + std::to_string(i) + ".txt", "a", t0);
    // The close request is handled from a message let through by the base scan;
    // the target's worker, scanning meanwhile, stops at its next folder.
    host.onPump = [this](long) { host.cancelAfterProgress = 0; };
    EXPECT_FALSE(RunListSteps(comparison, inputs, host));
    EXPECT_EQ(1, comparison.BaseCount());
    EXPECT_LE(comparison.TargetCount(), 200);
    EXPECT_EQ(Unchecked, comparison.BaseEntries()[0].status);
    EXPECT_EQ((std::vector<std::string>{"progress"}), host.steps);
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
