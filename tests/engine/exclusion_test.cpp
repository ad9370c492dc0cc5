// Exclusion patterns: the scan leaves matching names out of both trees, as if
// they were not there; an excluded folder is not entered.
#include "engine/exclusion_filter.h"
#include "tests/engine/engine_fixture.h"

namespace {

using Names = std::vector<std::string>;

class ExclusionTest : public EngineFixture {
protected:
    // The same noise on both sides, and a file that only looks like it.
    void WriteTrees()
    {
        for (TempTree* tree : {&base, &target}) {
            tree->Write("a.txt", "a", t0);
            tree->Write("Thumbs.db", "t", t0);
            tree->Write("b.TMP", "b", t0);
            tree->Write("keep.tmpx", "k", t0);
            tree->Write("cache\\x.txt", "x", t0);
            tree->Write("sub\\cache", "a file, not a folder", t0);
            tree->Write("sub\\THUMBS.DB", "t", t0);
            tree->Write("sub\\c.txt", "c", t0);
        }
        target.Write("cache\\deep\\y.txt", "y", t0);
        target.Write("d.txt", "d", t0);
    }
};

TEST_F(ExclusionTest, MatchingNamesAreLeftOutOfBothTablesAndTheTwoWayList)
{
    WriteTrees();
    // A folder pattern, a wildcard in another case than the file's, a case variant.
    inputs.exclude = "cache\\|*.tmp|thumbs.DB";
    Compare(Both);
    const Names kept = {"sub\\c.txt", "sub\\cache", "a.txt", "keep.tmpx"};
    EXPECT_EQ(kept, Paths(comparison.BaseEntries()));
    Names targetKept = {"sub\\c.txt", "sub\\cache", "a.txt", "d.txt", "keep.tmpx"};
    EXPECT_EQ(targetKept, Paths(comparison.TargetEntries()));
    EXPECT_EQ(5, comparison.BothCount()); // every row: four pairs and d.txt
    for (const FileEntry& e : comparison.BothEntries())
        EXPECT_TRUE(e.relativePath != "Thumbs.db" && e.relativePath.find("cache\\") == std::string::npos)
            << e.relativePath;
    EXPECT_TRUE(comparison.ReadProblems().empty());
}

TEST_F(ExclusionTest, NoPatternsListEverything)
{
    WriteTrees();
    Compare(Down);
    EXPECT_EQ(8, comparison.BaseCount());
    EXPECT_EQ(10, comparison.TargetCount());
}

TEST(ExclusionFilterTest, WildcardsAndTheStoredList)
{
    ExclusionFilter filter("~$*| ?.txt |logs\\||");
    EXPECT_TRUE(filter.Excludes(L"~$\u5831\u544a\u66f8.docx", false));
    EXPECT_TRUE(filter.Excludes(L"A.TXT", false));
    EXPECT_FALSE(filter.Excludes(L"ab.txt", false));
    EXPECT_TRUE(filter.Excludes(L"Logs", true));
    EXPECT_FALSE(filter.Excludes(L"logs", false)); // a file of that name stays
    EXPECT_EQ((Names{"~$*", "?.txt", "logs\\"}), SplitPatterns("~$*| ?.txt |logs\\||"));
    std::string list;
    std::string error;
    EXPECT_TRUE(AddExcludePattern(list, "*.bak", error));
    EXPECT_TRUE(AddExcludePattern(list, "Thumbs.db", error));
    EXPECT_EQ("*.bak|Thumbs.db", list);
    EXPECT_FALSE(AddExcludePattern(list, "a|b", error));
}

} // namespace
