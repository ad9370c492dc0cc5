// The progress popup on screen: its message, and the bar whose percentage text
// changes colour exactly where the filled bar ends.
#include "ui/progress_window.h"
#include "tests/support/gui_harness.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressPopup, ShowsItsMessageAndABarWhoseTextChangesColourAtTheEdge)
{
    const COLORREF bar = RGB(120, 160, 255), black = RGB(0, 0, 0), face = GetSysColor(COLOR_BTNFACE);
    const COLORREF barText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    HWND window, barWindow;
    {
        CProgressWnd popup{[] {}};
        popup.m_message = "リスト作成中です";
        ASSERT_TRUE(popup.CreatePopup());
        window = popup.m_hWnd;
        barWindow = GetDlgItem(window, IDC_PROGRESS_BAR);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ("リスト作成中です", gui::Text(window, IDC_PROGRESS_TEXT));
        RECT label = gui::ChildRect(GetDlgItem(window, IDC_PROGRESS_TEXT)), barRect = gui::ChildRect(barWindow);
        EXPECT_LE(label.bottom, barRect.top);  // the message above the bar
        EXPECT_EQ("", gui::Text(barWindow));

        for (int percent : {0, 50, 100}) {
            popup.SetPercent(percent);
            EXPECT_EQ(std::to_string(percent) + "%", gui::Text(barWindow));
            gui::Capture shot(barWindow);
            // The 1-pixel margin belongs to the empty side.
            int edge = percent == 0 ? 1 : 1 + (percent * (shot.Width() - 2) + 50) / 100;
            RECT filled{1, 1, edge, shot.Height() - 1}, empty{edge, 1, shot.Width() - 1, shot.Height() - 1};
            EXPECT_EQ(face, shot.Pixel(0, 0)) << percent;
            EXPECT_EQ(0, shot.Count(black, filled)) << percent;
            EXPECT_EQ(0, shot.Count(barText, empty)) << percent;
            if (percent > 0) {
                EXPECT_EQ(bar, shot.Pixel(edge - 1, 3)) << percent;
                EXPECT_GT(shot.Count(barText, filled), 0) << percent;
            }
            if (percent < 100) {
                EXPECT_EQ(face, shot.Pixel(edge, 3)) << percent;
                EXPECT_GT(shot.Count(black, empty), 0) << percent;
            }
        }
        popup.Close();
        EXPECT_FALSE(IsWindow(barWindow));
        EXPECT_FALSE(IsWindow(window));
        ASSERT_TRUE(popup.CreatePopup());
        window = popup.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(window)); // an open popup goes with its object
}

} // namespace
