#include "engine/matching.h"
#include "engine/pair_decision.h"
#include "engine/time_text.h"
#include "tests/engine/engine_fixture.h"

#include <cstring>

namespace {

class Matching : public EngineFixture {};

TEST_F(Matching, TwoSecondRuleTwoSecondsApartVersusThree)
{
    base.Write("a.txt", std::string(100, 'b'), LocalFileTime(2010, 3, 5, 14, 7, 9));
    target.Write("a.txt", std::string(100, 't'), LocalFileTime(2010, 3, 5, 14, 7, 11));
    target.Write("c.txt", std::string(100, 't'), LocalFileTime(2010, 3, 5, 14, 7, 12));
    base.Write("c.txt", std::string(100, 'b'), LocalFileTime(2010, 3, 5, 14, 7, 9));
    Compare(Both);
    EXPECT_EQ(TargetNewer, BaseEntry("a.txt").status);
    EXPECT_EQ(TargetNewer, TargetEntry("a.txt").status);
    inputs.twoSecondSame = 1;
    Compare(Both);
    EXPECT_EQ(Same, BaseEntry("a.txt").status);
    EXPECT_EQ(Same, TargetEntry("a.txt").status);
    EXPECT_EQ(TargetNewer, BaseEntry("c.txt").status);
}

TEST_F(Matching, EqualTimeTextsWithDifferentSizesAreLeftUndecided)
{
    base.Write("a.txt", std::string(100, 'b'), t0);
    target.Write("a.txt", std::string(101, 't'), t0);
    Compare(Down);
    EXPECT_EQ(BaseOnly, BaseEntry("a.txt").status);
    EXPECT_EQ(Unchecked, TargetEntry("a.txt").status);
    Compare(Both);
    EXPECT_EQ(BaseOnly, BaseEntry("a.txt").status);
    EXPECT_EQ(TargetOnly, TargetEntry("a.txt").status);
    EXPECT_EQ(0, BaseEntry("a.txt").counterpart);
}

TEST_F(Matching, CaseFoldedPairsWhereverTheyLie)
{
    // Byte order puts README.TXT first on one side and last on the other; a
    // forward cursor would step past the real partner of a.txt.
    base.Write("README.TXT", "r", t0);
    base.Write("a.txt", "old", t0);
    target.Write("a.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    target.Write("readme.txt", "r", t0);
    Compare(Down);
    EXPECT_EQ(Same, BaseEntry("README.TXT").status);
    EXPECT_EQ(1, BaseEntry("README.TXT").counterpart);
    // Down must not overwrite the newer target a.txt: it is "=" (TargetNewer).
    EXPECT_EQ(TargetNewer, BaseEntry("a.txt").status);
    EXPECT_EQ(0, BaseEntry("a.txt").counterpart);
}

TEST_F(Matching, UpperBAndLowerAAgainstLowerAAndB)
{
    base.Write("B.txt", "b", t0);
    base.Write("a.txt", "a", t0);
    target.Write("a.txt", "a", t0);
    target.Write("b.txt", "b", t0);
    Compare(Down);
    EXPECT_EQ(Same, BaseEntry("B.txt").status);
    EXPECT_EQ(Same, BaseEntry("a.txt").status); // paired, not BaseOnly
    EXPECT_EQ(Same, TargetEntry("a.txt").status);
}

TEST_F(Matching, UnpairedFilesByDirection)
{
    base.Write("only.txt", "x", t0);
    target.Write("mine.txt", "x", t0);
    Compare(Down);
    EXPECT_EQ(BaseOnly, BaseEntry("only.txt").status);
    EXPECT_EQ(Unchecked, TargetEntry("mine.txt").status);
    Compare(Up);
    EXPECT_EQ(Unchecked, BaseEntry("only.txt").status);
    EXPECT_EQ(TargetOnly, TargetEntry("mine.txt").status);
    Compare(Both);
    EXPECT_EQ(BaseOnly, BaseEntry("only.txt").status);
    EXPECT_EQ(TargetOnly, TargetEntry("mine.txt").status);
}

TEST_F(Matching, TimesBeforeNineteenSeventyConvertWithoutFailure)
{
    base.Write("old.txt", "x", LocalFileTime(1960, 1, 1, 0, 0, 0));
    target.Write("old.txt", "x", LocalFileTime(1960, 1, 1, 0, 0, 2));
    base.Write("older.txt", "x", LocalFileTime(1960, 1, 1, 0, 0, 0));
    target.Write("older.txt", "x", LocalFileTime(1965, 1, 1, 0, 0, 0));
    inputs.twoSecondSame = 1;
    Compare(Both);
    EXPECT_EQ(0, host.conversionFailures);
    EXPECT_EQ(Same, BaseEntry("old.txt").status);
    // Two different times that both fail in mktime must not count as equal.
    EXPECT_EQ(TargetNewer, BaseEntry("older.txt").status);
}

TEST(TimeText, ZeroFileTimeAndInvalidTexts)
{
    std::int64_t early = 0, later = 0, bad = 0;
    EXPECT_TRUE(ParseTimeText("1601/01/01 09:00:00", early));
    EXPECT_TRUE(ParseTimeText("1601/01/01 09:00:05", later));
    EXPECT_EQ(5, later - early);
    EXPECT_FALSE(ParseTimeText("not a time", bad));
    EXPECT_EQ(-1, bad);
}

// Tables built in memory, for the rules that need many names.
FileEntry Entry(const std::string& path, std::uint64_t size, const char* time)
{
    FileEntry e;
    e.relativePath = path;
    e.size = size;
    std::memcpy(e.timeText.data(), time, kTimeTextLength);
    return e;
}

TEST(MatchingRules, FoldNeverLowersASecondByte)
{
    RecordingHost host;
    // ア is 83 41 and ヂ is 83 61: folding the trail byte would pair them.
    std::vector<FileEntry> base{Entry("\x83\x41.txt", 1, "2010/03/05 14:07:09")};
    std::vector<FileEntry> target{Entry("\x83\x61.txt", 1, "2010/03/05 14:07:09")};
    MatchBase(base, target, 0, host);
    MatchTarget(base, target, 0, host);
    EXPECT_EQ(BaseOnly, base[0].status);
    EXPECT_EQ(TargetOnly, target[0].status);
}

TEST(MatchingRules, LongRelativePathsCompareInFull)
{
    RecordingHost host;
    std::string stem(300, 'x');
    std::vector<FileEntry> base{Entry(stem + "a", 1, "2010/03/05 14:07:09")};
    std::vector<FileEntry> target{Entry(stem + "b", 1, "2010/03/05 14:07:09")};
    MatchBase(base, target, 0, host);
    EXPECT_EQ(BaseOnly, base[0].status);
}

TEST(MatchingRules, PassOneLetsOneMessageThroughPerBaseEntryPassTwoNone)
{
    RecordingHost host;
    std::vector<FileEntry> base{Entry("a", 1, "2010/03/05 14:07:09"), Entry("b", 1, "2010/03/05 14:07:09")};
    std::vector<FileEntry> target{Entry("c", 1, "2010/03/05 14:07:09")};
    MatchBase(base, target, 0, host);
    EXPECT_EQ(2, host.pumps);
    MatchTarget(base, target, 0, host);
    EXPECT_EQ(2, host.pumps);
}

// The forward cursors as first written: right wherever both sides spell names alike.
void CursorPasses(std::vector<FileEntry>& base, std::vector<FileEntry>& target, RecordingHost& host)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < base.size(); ++i) {
        for (std::size_t j = start; j < target.size(); ++j) {
            if (target[j].status == Unchecked && target[j].relativePath == base[i].relativePath) {
                DecidePair(base[i], static_cast<int>(i), target[j], static_cast<int>(j), 0, true, host);
                start = j + 1;
                break;
            }
        }
        if (base[i].status == Unchecked)
            base[i].status = BaseOnly;
    }
    start = 0;
    for (std::size_t k = 0; k < target.size(); ++k) {
        if (target[k].status != Unchecked)
            continue;
        for (std::size_t m = start; m < base.size(); ++m) {
            if (base[m].relativePath == target[k].relativePath) {
                DecidePair(base[m], static_cast<int>(m), target[k], static_cast<int>(k), 0, false, host);
                start = m + 1;
                break;
            }
        }
        if (target[k].status == Unchecked)
            target[k].status = TargetOnly;
    }
}

TEST(MatchingRules, IndexGivesTheCursorsResultsWhereNamesAreSpelledAlike)
{
    // Sorted tables with shared, one-sided, newer and undecided names.
    std::vector<FileEntry> base, target;
    for (int i = 0; i < 200; ++i) {
        std::string name = "f" + std::to_string(1000 + i);
        const char* t1 = "2010/03/05 14:07:09";
        const char* t2 = (i % 7 == 0) ? "2011/03/05 14:07:09" : t1;
        if (i % 11 != 0)
            base.push_back(Entry(name, 10, t1));
        if (i % 13 != 0)
            target.push_back(Entry(name, (i % 17 == 0) ? 11 : 10, t2));
    }
    std::vector<FileEntry> cursorBase = base, cursorTarget = target;
    RecordingHost host;
    MatchBase(base, target, 0, host);
    MatchTarget(base, target, 0, host);
    CursorPasses(cursorBase, cursorTarget, host);
    for (std::size_t i = 0; i < base.size(); ++i) {
        EXPECT_EQ(cursorBase[i].status, base[i].status) << base[i].relativePath;
        EXPECT_EQ(cursorBase[i].counterpart, base[i].counterpart) << base[i].relativePath;
    }
    for (std::size_t j = 0; j < target.size(); ++j) {
        EXPECT_EQ(cursorTarget[j].status, target[j].status) << target[j].relativePath;
        EXPECT_EQ(cursorTarget[j].counterpart, target[j].counterpart) << target[j].relativePath;
    }
}

} // namespace
