#include "tests/engine/engine_fixture.h"

namespace {

class BothListTest : public EngineFixture {};

TEST_F(BothListTest, FiveRowExampleTakesEachPairOnceFromItsNewerSide)
{
    FILETIME later = LocalFileTime(2011, 1, 1, 0, 0, 0);
    base.Write("a.txt", "new", later);
    target.Write("a.txt", "old", t0);
    base.Write("b.txt", "old", t0);
    target.Write("b.txt", "new", later);
    base.Write("c.txt", "c", t0);
    target.Write("d.txt", "d", t0);
    base.Write("e.txt", "e", t0);
    target.Write("e.txt", "e", t0);
    Compare(Both);
    const auto& rows = comparison.BothEntries();
    ASSERT_EQ((std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}), Paths(rows));
    EXPECT_EQ(BaseNewer, rows[0].status);
    EXPECT_EQ(TargetNewer, rows[1].status);
    EXPECT_EQ(BaseOnly, rows[2].status);
    EXPECT_EQ(TargetOnly, rows[3].status);
    EXPECT_EQ(Same, rows[4].status);
    // A target row's counterpart indexes the base table.
    EXPECT_EQ("b.txt", comparison.BaseEntries()[rows[1].counterpart].relativePath);
    EXPECT_EQ(5, comparison.BothCount());
}

TEST_F(BothListTest, GroupsFollowRootFirstAndSubfolderOptions)
{
    base.Write("z.txt", "z", t0);
    base.Write("sub\\a.txt", "a", t0);
    Compare(Both);
    EXPECT_EQ((std::vector<std::string>{"sub\\a.txt", "z.txt"}), Paths(comparison.BothEntries()));
    EXPECT_EQ(1, comparison.BothFirstCount());
    inputs.rootFile = 1;
    Compare(Both);
    EXPECT_EQ((std::vector<std::string>{"z.txt", "sub\\a.txt"}), Paths(comparison.BothEntries()));
    inputs.subFolder = 1;
    Compare(Both);
    EXPECT_EQ((std::vector<std::string>{"z.txt"}), Paths(comparison.BothEntries()));
    inputs.rootFile = 0;
    Compare(Both);
    EXPECT_EQ((std::vector<std::string>{"z.txt"}), Paths(comparison.BothEntries()));
    EXPECT_EQ(0, comparison.BothFirstCount());
    EXPECT_EQ(1, comparison.BothSecondCount());
}

TEST_F(BothListTest, UndecidedPairIsListedTwiceSideBySide)
{
    base.Write("a.txt", std::string(100, 'b'), t0);
    target.Write("a.txt", std::string(101, 't'), t0);
    base.Write("b.txt", "b", t0);
    Compare(Both);
    ASSERT_EQ((std::vector<std::string>{"a.txt", "a.txt", "b.txt"}), Paths(comparison.BothEntries()));
    EXPECT_EQ(BaseOnly, comparison.BothEntries()[0].status);
    EXPECT_EQ(TargetOnly, comparison.BothEntries()[1].status);
}

TEST_F(BothListTest, ListsByDirectionAndEmptyFolders)
{
    Compare(Both);
    EXPECT_EQ(0, comparison.BothCount());
    EXPECT_TRUE(comparison.BothEntries().empty());
    target.Write("t.txt", "t", t0);
    base.Write("b.txt", "b", t0);
    Compare(Down);
    EXPECT_EQ((std::vector<std::string>{"b.txt"}), Paths(comparison.List(Down)));
    EXPECT_TRUE(comparison.BothEntries().empty()); // built for Both only
    Compare(Up);
    EXPECT_EQ((std::vector<std::string>{"t.txt"}), Paths(comparison.List(Up)));
}

} // namespace
