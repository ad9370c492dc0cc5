#include "engine/path_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, TrailingBackslashStepsOverDoubleByteCharacters)
{
    EXPECT_TRUE(EndsWithBackslash("C:\\data\\"));
    EXPECT_FALSE(EndsWithBackslash("C:\\表")); // 95 5C
    EXPECT_TRUE(EndsWithBackslash("C:\\表\\"));
    EXPECT_EQ("C:\\表\\", WithTrailingBackslash("C:\\表"));
    EXPECT_EQ("C:\\data\\", WithTrailingBackslash("C:\\data\\"));
    EXPECT_EQ("", WithTrailingBackslash(""));
}

TEST(PathText, FolderPartSplitsAtTheRealLastSeparator)
{
    EXPECT_EQ("C:\\x\\", FolderPart("C:\\x\\表.txt"));
    EXPECT_EQ("C:\\表\\", FolderPart("C:\\表\\a"));
    EXPECT_EQ("", FolderPart("表"));
}

TEST(PathText, CaseFoldOnlyForSingleByteLetters)
{
    EXPECT_TRUE(SamePathIgnoringCase("README.TXT", "readme.txt"));
    EXPECT_TRUE(SamePathIgnoringCase("表\\A", "表\\a"));
    EXPECT_FALSE(SamePathIgnoringCase("\x83\x41", "\x83\x61")); // ア / ヂ
    EXPECT_EQ(FoldedPathHash("Sub\\File.TXT"), FoldedPathHash("sub\\file.txt"));
}

} // namespace
