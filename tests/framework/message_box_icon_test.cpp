// The framework's message boxes: an icon by their buttons when the caller gave none.
#include "framework/app.h"

#include <gtest/gtest.h>

TEST(MessageBoxIcon, ChosenByTheButtonsUnlessTheCallerGaveOne)
{
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), WithDefaultIcon(MB_OK));
    EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONEXCLAMATION), WithDefaultIcon(MB_OKCANCEL));
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), WithDefaultIcon(MB_YESNO));
    EXPECT_EQ(UINT(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2), WithDefaultIcon(MB_YESNOCANCEL | MB_DEFBUTTON2));
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), WithDefaultIcon(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONWARNING), WithDefaultIcon(MB_YESNO | MB_ICONWARNING));
}
