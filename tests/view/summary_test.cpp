#include "view/summary.h"

#include <gtest/gtest.h>

namespace {

TEST(Summary, ClearedPanelReadsZeroAndReady)
{
    SummaryContents s = ReadySummary();
    for (const std::string& v : s.transfer)
        EXPECT_EQ("0 ", v);
    for (const std::string& v : s.base)
        EXPECT_EQ("0 ", v);
    EXPECT_EQ("READY", s.transferStatus);
    EXPECT_EQ("READY", s.targetStatus);
    EXPECT_FALSE(s.runEnabled);
}

TEST(Summary, DownAllIdenticalAddsUpButHasNothingToSend)
{
    RowCounters c;
    c.sameCount = 3;
    SummaryContents s = ComputeSummary(c, {3, 3, 0}, Down);
    EXPECT_EQ("OK", s.baseStatus);
    EXPECT_EQ("OK", s.transferStatus);
    EXPECT_EQ("0 ", s.transfer[2]);
    EXPECT_FALSE(s.runEnabled);
}

TEST(Summary, DownWithTargetOnlyFilesLeavesTheHiddenPanelInErrorButEnablesRun)
{
    RowCounters c;
    c.sameCount = 1;
    c.downOnlyCount = 1;
    SummaryContents s = ComputeSummary(c, {2, 4, 0}, Down);
    EXPECT_EQ("ERROR", s.targetStatus);
    EXPECT_EQ("OK", s.baseStatus);
    EXPECT_TRUE(s.runEnabled);
}

TEST(Summary, BothWithOneNewerFileOnEachSide)
{
    RowCounters c;
    c.downNewerCount = c.targetOlderCount = 1;
    c.upNewerCount = c.baseOlderCount = 1;
    SummaryContents s = ComputeSummary(c, {2, 2, 2}, Both);
    EXPECT_EQ((std::array<std::string, 5>{"2 ", "2 ", "1 ", "1 ", "0 "}), s.transfer);
    EXPECT_EQ((std::array<std::string, 6>{"2 ", "2 ", "0 ", "0 ", "1 ", "1 "}), s.base);
    EXPECT_EQ((std::array<std::string, 6>{"2 ", "2 ", "0 ", "0 ", "1 ", "1 "}), s.target);
    EXPECT_EQ("OK", s.transferStatus);
    EXPECT_EQ("OK", s.baseStatus);
    EXPECT_EQ("OK", s.targetStatus);
    EXPECT_TRUE(s.runEnabled);
}

TEST(Summary, UpConsultsTheTargetPanelAndValuesCarryGroupedDigits)
{
    RowCounters c;
    c.upOnlyCount = 1234;
    SummaryContents s = ComputeSummary(c, {5, 1234, 0}, Up);
    EXPECT_EQ("1,234 ", s.target[0]);
    EXPECT_EQ("1,234 ", s.transfer[3]);
    EXPECT_EQ("ERROR", s.baseStatus); // hidden in Up, not consulted
    EXPECT_TRUE(s.runEnabled);
    // A panel that does not add up withholds the button.
    SummaryContents broken = ComputeSummary(c, {0, 1235, 0}, Up);
    EXPECT_EQ("ERROR", broken.targetStatus);
    EXPECT_FALSE(broken.runEnabled);
}

} // namespace
