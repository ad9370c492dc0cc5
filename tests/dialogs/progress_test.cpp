// The progress popup on screen: its message, and the bar whose percentage text
// changes colour exactly where the filled part ends.
#include "ui/progress_window.h"
#include "tests/support/gui_harness.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kBar = RGB(120, 160, 255);
const COLORREF kBlack = RGB(0, 0, 0);

class ProgressPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        popup.m_message = "リスト作成中です";
        ASSERT_TRUE(popup.CreatePopup());
    }

    int pumped = 0;
    CProgressWnd popup{[this] { ++pumped; }};
};

// The bar's client area is 298 x 38 (300 x 40 with its border); at 50% the
// filled part ends at x = 149, right under the centred text.
struct Halves {
    RECT filled, empty;
};

Halves SplitAt(const gui::Capture& shot, int edge)
{
    return {RECT{1, 1, edge, shot.Height() - 1}, RECT{edge, 1, shot.Width() - 1, shot.Height() - 1}};
}

TEST_F(ProgressPopup, ShowsItsMessageAboveAnEmptyBar)
{
    HWND label = popup.Label();
    ASSERT_TRUE(label);
    EXPECT_EQ(IDC_RUNTIME_STATIC, GetDlgCtrlID(label));
    EXPECT_EQ("リスト作成中です", gui::Text(label));
    EXPECT_TRUE(IsWindowVisible(popup.m_hWnd));

    RECT bar = gui::ChildRect(popup.Bar());
    RECT expected{10, 40, 310, 80};
    EXPECT_TRUE(EqualRect(&expected, &bar)) << bar.left << "," << bar.top << "," << bar.right << "," << bar.bottom;
    EXPECT_TRUE(IsWindowVisible(popup.Bar()));
    EXPECT_EQ("", gui::Text(popup.Bar()));

    gui::Capture shot(popup.Bar());
    EXPECT_EQ(0, shot.Count(kBar, RECT{0, 0, shot.Width(), shot.Height()}));
}

TEST_F(ProgressPopup, ZeroPercentLeavesTheBarEmptyWithBlackText)
{
    popup.SetPercent(0);
    EXPECT_EQ("0%", gui::Text(popup.Bar()));
    gui::Capture shot(popup.Bar());
    RECT all{0, 0, shot.Width(), shot.Height()};
    EXPECT_EQ(0, shot.Count(kBar, all));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shot.Pixel(5, 5));
    EXPECT_GT(shot.Count(kBlack, all), 0);
    EXPECT_EQ(0, shot.Count(GetSysColor(COLOR_HIGHLIGHTTEXT), all));
}

TEST_F(ProgressPopup, FiftyPercentSplitsTheTextAtTheEdge)
{
    popup.SetPercent(50);
    EXPECT_EQ("50%", gui::Text(popup.Bar()));
    gui::Capture shot(popup.Bar());
    ASSERT_EQ(298, shot.Width());
    int edge = static_cast<int>(0.5 * 296 + 0.5) + 1;
    Halves halves = SplitAt(shot, edge);

    EXPECT_EQ(kBar, shot.Pixel(edge - 1, 3));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shot.Pixel(edge, 3));
    EXPECT_EQ(kBar, shot.Pixel(5, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shot.Pixel(290, 5));
    // The 1-pixel margin belongs to the empty part.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shot.Pixel(0, 0));

    COLORREF barText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    EXPECT_GT(shot.Count(barText, halves.filled), 0);
    EXPECT_EQ(0, shot.Count(kBlack, halves.filled));
    EXPECT_GT(shot.Count(kBlack, halves.empty), 0);
    EXPECT_EQ(0, shot.Count(barText, halves.empty));
}

TEST_F(ProgressPopup, HundredPercentFillsAllButTheMargin)
{
    popup.SetPercent(100);
    EXPECT_EQ("100%", gui::Text(popup.Bar()));
    gui::Capture shot(popup.Bar());
    RECT inner{1, 1, shot.Width() - 1, shot.Height() - 1};
    EXPECT_EQ(kBar, shot.Pixel(1, 1));
    EXPECT_EQ(kBar, shot.Pixel(shot.Width() - 2, shot.Height() - 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shot.Pixel(shot.Width() - 1, 0));
    EXPECT_EQ(0, shot.Count(kBlack, inner));
    EXPECT_GT(shot.Count(GetSysColor(COLOR_HIGHLIGHTTEXT), inner), 0);
}

TEST_F(ProgressPopup, EachStepLetsOneMessageThrough)
{
    popup.SetPercent(10);
    popup.SetPercent(57);
    EXPECT_EQ(2, pumped);
    EXPECT_EQ("57%", gui::Text(popup.Bar()));
    EXPECT_EQ(57, SendMessageA(popup.Bar(), PBM_GETPOS, 0, 0));
}

TEST_F(ProgressPopup, ColourMessagesAnswerThePreviousColourAndRepaint)
{
    HWND bar = popup.Bar();
    EXPECT_EQ(kBar, static_cast<COLORREF>(SendMessageA(bar, PBM_SETBARCOLOR, 0, RGB(10, 200, 30))));
    EXPECT_EQ(RGB(10, 200, 30), static_cast<COLORREF>(SendMessageA(bar, PBM_SETBARCOLOR, 0, RGB(10, 200, 31))));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), static_cast<COLORREF>(SendMessageA(bar, CCM_SETBKCOLOR, 0, RGB(250, 250, 1))));
    popup.SetPercent(50);
    gui::Capture shot(bar);
    EXPECT_EQ(RGB(10, 200, 31), shot.Pixel(5, 5));
    EXPECT_EQ(RGB(250, 250, 1), shot.Pixel(290, 5));
}

TEST_F(ProgressPopup, CloseTakesBothWindowsAway)
{
    HWND window = popup.m_hWnd, bar = popup.Bar();
    popup.Close();
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, popup.m_hWnd);
}

TEST(ProgressPopupLifetime, AnOpenPopupGoesWithItsObject)
{
    HWND window;
    {
        CProgressWnd popup{nullptr};
        popup.m_message = "同期中です";
        ASSERT_TRUE(popup.CreatePopup());
        window = popup.m_hWnd;
        EXPECT_EQ("同期中です", gui::Text(popup.Label()));
    }
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
