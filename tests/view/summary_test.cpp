#include "view/summary.h"

#include <gtest/gtest.h>

namespace {

using Status = PanelStatus;

TEST(Summary, EachDirectionConsultsItsOwnPanels)
{
    RowCounters same;
    same.sameCount = 3;
    SummaryContents allSame = ComputeSummary(same, {3, 3, 0}, Down);
    EXPECT_EQ(Status::Ok, allSame.base.status);
    EXPECT_EQ("0 ", allSame.transfer.values[kTransferDown]);
    EXPECT_FALSE(allSame.runEnabled) << "adds up, but nothing to send";

    RowCounters down;
    down.sameCount = 1;
    down.downOnlyCount = 1;
    SummaryContents s = ComputeSummary(down, {2, 4, 0}, Down);
    EXPECT_EQ(Status::Error, s.target.status);
    EXPECT_EQ(Status::Ok, s.base.status);
    EXPECT_TRUE(s.runEnabled) << "the target panel is not shown going down";

    RowCounters up;
    up.upOnlyCount = 1234;
    SummaryContents u = ComputeSummary(up, {5, 1234, 0}, Up);
    EXPECT_EQ("1,234 ", u.target.values[kFolderTotal]);
    EXPECT_EQ("1,234 ", u.transfer.values[kTransferUp]);
    EXPECT_EQ(Status::Error, u.base.status);
    EXPECT_TRUE(u.runEnabled);
    SummaryContents broken = ComputeSummary(up, {0, 1235, 0}, Up);
    EXPECT_EQ(Status::Error, broken.target.status);
    EXPECT_FALSE(broken.runEnabled) << "a panel that does not add up withholds the button";
}

} // namespace
