// Exclusion patterns: the scan leaves matching names out of both trees, as if
// they were not there; an excluded folder is not entered.
#include "engine/exclusion_filter.h"
#include "tests/engine/engine_fixture.h"

namespace {

class ExclusionTest : public EngineFixture {};

TEST_F(ExclusionTest, MatchingNamesAreLeftOutOfBothTablesAndTheTwoWayList)
{
    // The same noise on both sides, and files that only look like it.
    for (TempTree* tree : {&base, &target})
        for (const char* name : {"a.txt", "Thumbs.db", "b.TMP", "keep.tmpx", "cache\\x.txt", "sub\\cache",
                                 "sub\\THUMBS.DB", "sub\\c.txt"})
            tree->Write(name, "x", t0);
    target.Write("cache\\deep\\y.txt", "y", t0);
    target.Write("d.txt", "d", t0);
    Compare(Both);
    EXPECT_EQ(8, comparison.BaseCount()); // no patterns: everything
    EXPECT_EQ(10, comparison.TargetCount());

    // A folder pattern, a wildcard in another case than the file's, a case variant.
    inputs.exclude = "cache\\|*.tmp|thumbs.DB";
    Compare(Both);
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "keep.tmpx"}), Paths(comparison.BaseEntries()));
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "d.txt", "keep.tmpx"}), Paths(comparison.TargetEntries()));
    EXPECT_EQ((Names{"sub\\c.txt", "sub\\cache", "a.txt", "d.txt", "keep.tmpx"}), Paths(comparison.BothEntries()));
    EXPECT_TRUE(comparison.ReadProblems().empty());
}

TEST(ExclusionFilter, WildcardsAnyCaseFoldersOnlyAndTheStoredList)
{
    ExclusionFilter filter("~$*| ?.txt |logs\\||");
    EXPECT_TRUE(filter.Excludes(L"~$\u5831\u544a\u66f8.docx", false));
    EXPECT_TRUE(filter.Excludes(L"A.TXT", false));
    EXPECT_FALSE(filter.Excludes(L"ab.txt", false));
    EXPECT_TRUE(filter.Excludes(L"Logs", true));
    EXPECT_FALSE(filter.Excludes(L"logs", false)); // a file of that name stays
    EXPECT_EQ((Names{"~$*", "?.txt", "logs\\"}), SplitPatterns("~$*| ?.txt |logs\\||"));
}

} // namespace
