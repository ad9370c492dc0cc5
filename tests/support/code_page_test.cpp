// Every suite runs under the code page its ctest entry names (MIRVALEN_CODE_PAGE,
// 932 when unset): a run meant for another code page that was given Shift-JIS
// after all would prove nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(CodePage, IsTheOneTheRunNames)
{
    char named[16] = "";
    DWORD length = GetEnvironmentVariableA("MIRVALEN_CODE_PAGE", named, sizeof named);
    EXPECT_EQ(length > 0 && length < sizeof named ? named : "932", std::to_string(GetACP()));
}
