// The GUI harness itself: answering a modal dialog and a message box from a test,
// and reading back a painted pixel.
#include "framework/app.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "tests/support/gui_harness.h"

#include <gtest/gtest.h>

namespace {

class PaintedWindow {
public:
    PaintedWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
            auto paint = [](HDC dc) {
                HBRUSH brush = CreateSolidBrush(RGB(12, 200, 34));
                RECT rect{10, 10, 30, 20};
                FillRect(dc, &rect, brush);
                DeleteObject(brush);
            };
            if (msg == WM_PAINT) {
                PAINTSTRUCT ps;
                paint(BeginPaint(hwnd, &ps));
                EndPaint(hwnd, &ps);
                return 0;
            }
            if (msg == WM_PRINTCLIENT) {
                RECT client;
                GetClientRect(hwnd, &client);
                FillRect(reinterpret_cast<HDC>(wp), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                paint(reinterpret_cast<HDC>(wp));
                return 0;
            }
            return DefWindowProcA(hwnd, msg, wp, lp);
        };
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "HarnessPainted";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, "HarnessPainted", "painted", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 120,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~PaintedWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};

} // namespace

TEST(GuiHarness, AnswersAMessageBoxAndReadsItsText)
{
    gui::DialogAnswerer answer("質問", IDCANCEL);
    int result = MessageBoxA(nullptr, "消しますか", "質問", MB_OKCANCEL);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("消しますか", answer.MessageText());
}

TEST(GuiHarness, AnswersAModalDialogFromATemplate)
{
    CDialog about(IDD_ABOUTBOX);
    gui::DialogAnswerer answer("Mirvalenのﾊﾞｰｼﾞｮﾝ情報", IDOK);
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_TRUE(answer.Answered());
}

TEST(GuiHarness, CapturedPixelHasThePaintedColour)
{
    PaintedWindow window;
    gui::Pump();
    gui::Capture shot(window.hwnd);
    EXPECT_EQ(RGB(12, 200, 34), shot.Pixel(15, 15));
    EXPECT_EQ(RGB(255, 255, 255), shot.Pixel(50, 50));
}
