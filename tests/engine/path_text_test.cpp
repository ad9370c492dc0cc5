// Paths in Shift-JIS: a double-byte character whose second byte is 0x5C (表)
// is never taken for a separator.
#include "engine/path_text.h"
#include "sync/path_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, TheTrailingBackslashRuleStepsOverDoubleByteCharacters)
{
    const char* cases[][2] = {
        {"C:\\data", "C:\\data\\"}, {"C:\\data\\", "C:\\data\\"}, {"C:\\", "C:\\"},
        {"C:\\表", "C:\\表\\"},     {"C:\\表\\", "C:\\表\\"},     {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], WithTrailingBackslash(c[0])) << c[0];
    EXPECT_FALSE(EndsWithBackslash("C:\\表"));
    EXPECT_EQ("C:\\表\\", FolderPart("C:\\表\\a"));
    EXPECT_EQ("表", NamePart("C:\\x\\表"));
}

} // namespace
