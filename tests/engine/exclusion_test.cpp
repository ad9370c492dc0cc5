// The name patterns on their own: wildcards that must backtrack, folders-only
// patterns, characters of two UTF-16 units, blanks and refused patterns.
#include "engine/exclusion_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(ExclusionPatterns, MatchWholeNamesAsTheUserMeansThem)
{
    ExclusionFilter stars("a*b*c");
    for (const wchar_t* name : {L"abc", L"A-B-C", L"aXbYbZc", L"abcc"})
        EXPECT_TRUE(stars.Excludes(name, false)) << name;
    for (const wchar_t* name : {L"acb", L"abcd", L"xabc", L"ab"})
        EXPECT_FALSE(stars.Excludes(name, false)) << name;

    ExclusionFilter folders("Cache\\");
    EXPECT_TRUE(folders.Excludes(L"CACHE", true));
    EXPECT_FALSE(folders.Excludes(L"cache", false)) << "a file of that name stays";

    // One "?" is one character, also where UTF-16 needs two units for it.
    ExclusionFilter one("?.txt|x*?y");
    EXPECT_TRUE(one.Excludes(L"\U0001F600.txt", false));
    EXPECT_FALSE(one.Excludes(L"\U0001F600\U0001F600.txt", false));
    EXPECT_TRUE(one.Excludes(L"x\U0001F600\U0001F600y", false));
    EXPECT_FALSE(one.Excludes(L"xy", false));

    // Blanks around a pattern are dropped; a blank inside is part of it.
    ExclusionFilter blanks("  *.tmp  | my file |   ");
    EXPECT_TRUE(blanks.Excludes(L"a.TMP", false));
    EXPECT_TRUE(blanks.Excludes(L"my file", false));
    EXPECT_FALSE(blanks.Excludes(L" ", false));
}

TEST(ExclusionPatterns, ThoseThatCannotBeStoredAreRefused)
{
    std::string list = "*.tmp", error;
    for (const char* refused : {"", "   ", "a|b"}) {
        EXPECT_FALSE(AddExcludePattern(list, refused, error)) << refused;
        EXPECT_FALSE(error.empty());
        error.clear();
    }
    EXPECT_TRUE(AddExcludePattern(list, " cache\\ ", error));
    EXPECT_EQ("*.tmp|cache\\", list);
    EXPECT_EQ((std::vector<std::string>{"*.tmp", "cache\\"}), SplitPatterns("|*.tmp||  |cache\\|"));
}

} // namespace
