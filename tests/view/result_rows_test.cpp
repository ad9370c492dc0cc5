// The rows and the three summary panels made from a comparison of real files.
#include "tests/engine/engine_fixture.h"
#include "view/result_rows.h"
#include "view/summary.h"

namespace {

class ResultRowsTest : public EngineFixture {
protected:
    static std::vector<std::string> Row(const ResultRows& rows, std::size_t r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells.push_back(rows.CellText(r, c));
        return cells;
    }
    using Cells = std::vector<std::string>;
};

TEST_F(ResultRowsTest, OneDirectionShowsItsSideWithANewerOtherSideAsSame)
{
    base.Write("a.txt", "old", t0);
    target.Write("a.txt", "newer", later);
    base.Write("b.txt", std::string(1234567, 'x'), later);
    target.Write("b.txt", "small", t0);
    base.Write("c.txt", "c", t0);
    target.Write("d.txt", "d", t0);
    const char* t = "2010/03/05 14:07:09";
    const char* l = "2011/01/01 00:00:00";
    Compare(Down);
    ResultRows down(comparison, Down, 0);
    ASSERT_EQ(3u, down.ShownCount());
    EXPECT_EQ((Cells{"1", "=", "", t, l, "3", "5", "a.txt"}), Row(down, 0));
    EXPECT_EQ((Cells{"2", "↓", "△", l, t, "1,234,567", "5", "b.txt"}), Row(down, 1));
    EXPECT_EQ((Cells{"3", "↓", "×", t, "", "1", "", "c.txt"}), Row(down, 2));
    SummaryContents s = ComputeSummary(down.Counters(), {3, 3, 0}, Down);
    EXPECT_EQ("OK", s.baseStatus);
    EXPECT_EQ("ERROR", s.targetStatus); // hidden in Down, not consulted
    EXPECT_TRUE(s.runEnabled);

    Compare(Up);
    ResultRows up(comparison, Up, 0);
    ASSERT_EQ(3u, up.ShownCount());
    EXPECT_EQ((Cells{"1", "↑", "△", t, l, "3", "5", "a.txt"}), Row(up, 0));
    EXPECT_EQ((Cells{"2", "=", "", l, t, "1,234,567", "5", "b.txt"}), Row(up, 1));
    EXPECT_EQ((Cells{"3", "↑", "×", "", t, "", "1", "d.txt"}), Row(up, 2));
}

TEST_F(ResultRowsTest, BothCountsEverySideAndHiddenSameRowsLeaveNoGap)
{
    base.Write("a.txt", "new", later);
    target.Write("a.txt", "old", t0);
    base.Write("b.txt", "old", t0);
    target.Write("b.txt", "new", later);
    base.Write("c.txt", "same", t0);
    target.Write("c.txt", "same", t0);
    base.Write("d.txt", "only", t0);
    Compare(Both);
    ResultRows rows(comparison, Both, 1);
    ASSERT_EQ(3u, rows.ShownCount());
    EXPECT_EQ((Cells{"3", "↓", "×", "2010/03/05 14:07:09", "", "4", "", "d.txt"}), Row(rows, 2));
    // A target row shows its base counterpart's time in the base column.
    EXPECT_EQ("b.txt", rows.CellText(1, kPathColumn));
    EXPECT_EQ("2010/03/05 14:07:09", rows.CellText(1, kBaseTimeColumn));
    SummaryContents s = ComputeSummary(rows.Counters(), {4, 3, 4}, Both);
    EXPECT_EQ((std::array<std::string, 5>{"4 ", "4 ", "2 ", "1 ", "1 "}), s.transfer);
    EXPECT_EQ((std::array<std::string, 6>{"4 ", "4 ", "1 ", "1 ", "1 ", "1 "}), s.base);
    EXPECT_EQ((std::array<std::string, 6>{"3 ", "3 ", "1 ", "0 ", "1 ", "1 "}), s.target);
    EXPECT_EQ("OK", s.transferStatus);
    EXPECT_EQ("OK", s.baseStatus);
    EXPECT_EQ("OK", s.targetStatus);
    EXPECT_TRUE(s.runEnabled);
    // A panel that does not add up withholds the button.
    SummaryContents broken = ComputeSummary(rows.Counters(), {5, 3, 4}, Both);
    EXPECT_EQ("ERROR", broken.baseStatus);
    EXPECT_FALSE(broken.runEnabled);
}

TEST_F(ResultRowsTest, NothingToShowReadsReadyAndAllSameHasNothingToSend)
{
    SummaryContents ready = ReadySummary();
    EXPECT_EQ("READY", ready.transferStatus);
    EXPECT_EQ("0 ", ready.base[0]);
    EXPECT_FALSE(ready.runEnabled);
    base.Write("a.txt", "a", t0);
    target.Write("a.txt", "a", t0);
    Compare(Down);
    ResultRows rows(comparison, Down, 1);
    EXPECT_EQ(0u, rows.ShownCount());
    SummaryContents s = ComputeSummary(rows.Counters(), {1, 1, 0}, Down);
    EXPECT_EQ("OK", s.transferStatus);
    EXPECT_EQ("1 ", s.transfer[0]);
    EXPECT_FALSE(s.runEnabled);
}

} // namespace
