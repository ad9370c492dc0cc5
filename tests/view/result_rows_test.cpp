#include "tests/engine/engine_fixture.h"
#include "view/format_thousands.h"
#include "view/result_rows.h"

namespace {

class ResultRowsTest : public EngineFixture {
protected:
    std::vector<std::string> Row(const ResultRows& rows, std::size_t r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells.push_back(rows.CellText(r, c));
        return cells;
    }
    const FILETIME later = LocalFileTime(2011, 1, 1, 0, 0, 0);
};

TEST_F(ResultRowsTest, DownShowsANewerTargetAsSameAndOneSidedRowsWithEmptyColumns)
{
    base.Write("a.txt", "old", t0);
    target.Write("a.txt", "newer", later);
    base.Write("b.txt", std::string(1234567, 'x'), later);
    target.Write("b.txt", "small", t0);
    base.Write("c.txt", "c", t0);
    target.Write("d.txt", "d", t0);
    Compare(Down);
    ResultRows rows(comparison, Down, 0);
    ASSERT_EQ(3u, rows.ShownCount());
    EXPECT_EQ((std::vector<std::string>{"1", "=", "", "2010/03/05 14:07:09", "2011/01/01 00:00:00", "3", "5", "a.txt"}),
              Row(rows, 0));
    EXPECT_EQ((std::vector<std::string>{"2", "↓", "△", "2011/01/01 00:00:00", "2010/03/05 14:07:09", "1,234,567", "5",
                                        "b.txt"}),
              Row(rows, 1));
    EXPECT_EQ((std::vector<std::string>{"3", "↓", "×", "2010/03/05 14:07:09", "", "1", "", "c.txt"}), Row(rows, 2));
    EXPECT_EQ(Transfer::Down, rows.Mark(1));
    EXPECT_NE(Transfer::Down, rows.Mark(0));
    const RowCounters& c = rows.Counters();
    EXPECT_EQ(1, c.sameCount);
    EXPECT_EQ(1, c.downNewerCount);
    EXPECT_EQ(1, c.downOnlyCount);
    EXPECT_EQ(0, c.targetOlderCount); // Down never counts the older side
}

TEST_F(ResultRowsTest, UpMirrorsDown)
{
    base.Write("a.txt", "newer", later);
    target.Write("a.txt", "old", t0);
    target.Write("d.txt", "d", t0);
    Compare(Up);
    ResultRows rows(comparison, Up, 0);
    ASSERT_EQ(2u, rows.ShownCount());
    EXPECT_EQ((std::vector<std::string>{"1", "=", "", "2011/01/01 00:00:00", "2010/03/05 14:07:09", "5", "3", "a.txt"}),
              Row(rows, 0));
    EXPECT_EQ((std::vector<std::string>{"2", "↑", "×", "", "2010/03/05 14:07:09", "", "1", "d.txt"}), Row(rows, 1));
    EXPECT_EQ(Transfer::Up, rows.Mark(1));
    EXPECT_EQ(1, rows.Counters().upOnlyCount);
}

TEST_F(ResultRowsTest, BothCountsTheOlderSidesAndHiddenSameRowsKeepNumbering)
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
    EXPECT_EQ("a.txt", rows.CellText(0, kPathColumn));
    EXPECT_EQ("b.txt", rows.CellText(1, kPathColumn));
    EXPECT_EQ("d.txt", rows.CellText(2, kPathColumn));
    EXPECT_EQ("3", rows.CellText(2, kNumberColumn)); // no gap for the hidden "=" row
    // A target row shows its base counterpart's time in the base column.
    EXPECT_EQ("2010/03/05 14:07:09", rows.CellText(1, kBaseTimeColumn));
    const RowCounters& c = rows.Counters();
    EXPECT_EQ(1, c.sameCount); // hidden, still counted
    EXPECT_EQ(1, c.downNewerCount);
    EXPECT_EQ(1, c.targetOlderCount);
    EXPECT_EQ(1, c.upNewerCount);
    EXPECT_EQ(1, c.baseOlderCount);
    EXPECT_EQ(1, c.downOnlyCount);
}

TEST_F(ResultRowsTest, OnlySameRowsHiddenLeaveAnEmptyListAndEmptyListCountsNothing)
{
    ResultRows none(comparison, Both, 0);
    EXPECT_EQ(0u, none.ShownCount());
    base.Write("a.txt", "a", t0);
    target.Write("a.txt", "a", t0);
    Compare(Down);
    ResultRows rows(comparison, Down, 1);
    EXPECT_EQ(0u, rows.ShownCount());
    EXPECT_EQ(1, rows.Counters().sameCount);
}

TEST(FormatThousands, GroupsDigitsByThrees)
{
    EXPECT_EQ("7", FormatThousands("7"));
    EXPECT_EQ("999", FormatThousands("999"));
    EXPECT_EQ("1,000", FormatThousands("1000"));
    EXPECT_EQ("1,234,567", FormatThousands("1234567"));
    EXPECT_EQ("0", FormatThousands(std::int64_t{0}));
    // 5 GiB shows its true byte count, not the low word.
    EXPECT_EQ("5,368,709,127", FormatThousands(std::int64_t{5368709127}));
    EXPECT_EQ("1000", std::to_string(1000)); // row numbers carry no separators
}

} // namespace
