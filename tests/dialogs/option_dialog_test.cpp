// The options dialog on its real template, run modally: the exchange with the
// Settings record both ways and the limits checked at OK.
#include "tests/support/gui_harness.h"
#include "ui/option_dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The window of this thread that last took the keyboard focus. GetFocus says
// nothing while another process (a test running beside this one) holds the
// foreground; the focus changes themselves are still seen.
HWND g_lastFocus = nullptr;

LRESULT CALLBACK RecordFocus(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_SETFOCUS)
        g_lastFocus = reinterpret_cast<HWND>(wp);
    return CallNextHookEx(nullptr, code, wp, lp);
}

class OptionDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.m_settings.ROOTFILE = 1;
        dialog.m_settings.DISPTIME = 500;
        dialog.m_settings.FAVPATH = ".\\Mirvalen.bdt";
    }
    void TearDown() override { UnhookWindowsHookEx(m_hook); }

    // Opens the dialog and runs the steps with its window from inside its modal
    // loop; whatever the steps leave open is cancelled afterwards.
    INT_PTR Run(std::function<void(HWND)> steps)
    {
        gui::DialogAnswerer driver("オプション", IDCANCEL, nullptr, std::move(steps));
        INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(driver.Answered());
        return result;
    }

    // Presses OK with the given text in the display-time field; true when the
    // dialog refused it (a message, the focus back on the field, still open).
    static bool RefusedAtOk(HWND d, const std::string& dispTime)
    {
        gui::SetText(d, IDC_OPT_DISPTIME, dispTime);
        gui::DialogAnswerer message("Mirvalen", IDOK);
        gui::Click(d, IDOK);
        if (!message.Answered())
            return false;
        EXPECT_EQ(GetDlgItem(d, IDC_OPT_DISPTIME), g_lastFocus);
        EXPECT_TRUE(IsWindowVisible(d));
        return true;
    }

    HHOOK m_hook = SetWindowsHookExA(WH_CBT, RecordFocus, nullptr, GetCurrentThreadId());
    COptionDlg dialog;
};

TEST_F(OptionDialog, ShowsTheSettingsAndOkStoresTheChangedControls)
{
    INT_PTR result = Run([](HWND d) {
        EXPECT_FALSE(gui::Checked(d, IDC_OPT_SUBFOLDER));
        EXPECT_TRUE(gui::Checked(d, IDC_OPT_ROOTFILE));
        EXPECT_FALSE(gui::Checked(d, IDC_OPT_SAMEHIDE));
        EXPECT_EQ("500", gui::Text(d, IDC_OPT_DISPTIME));
        EXPECT_EQ(".\\Mirvalen.bdt", gui::Text(d, IDC_OPT_FAVPATH));
        EXPECT_EQ(GetDlgItem(d, IDOK), g_lastFocus);
        EXPECT_TRUE(SendDlgItemMessageA(d, IDC_OPT_BROWSE, BM_GETIMAGE, IMAGE_BITMAP, 0));

        gui::Click(d, IDC_OPT_SUBFOLDER);
        gui::Click(d, IDC_OPT_ROOTFILE);
        gui::Click(d, IDC_OPT_SAMEHIDE);
        gui::SetText(d, IDC_OPT_FAVPATH, "D:\\elsewhere\\Mirvalen.bdt");
        gui::SetText(d, IDC_OPT_DISPTIME, "1500");
        gui::Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, dialog.m_settings.SUBFOLDER);
    EXPECT_EQ(0, dialog.m_settings.ROOTFILE);
    EXPECT_EQ(1, dialog.m_settings.SAMEHIDE);
    EXPECT_EQ(1500, dialog.m_settings.DISPTIME);
    // A typed path changes the path; only browsing asks for a reload.
    EXPECT_EQ("D:\\elsewhere\\Mirvalen.bdt", dialog.m_settings.FAVPATH);
    EXPECT_EQ(0, dialog.m_settings.favFileChanged);
}

TEST_F(OptionDialog, DisplayTimesOutsideOneHundredToThreeThousandAreRefusedAtOk)
{
    for (const char* refused : {"99", "3001", "abc"}) {
        EXPECT_EQ(IDCANCEL, Run([&](HWND d) {
            gui::Click(d, IDC_OPT_SUBFOLDER);
            gui::SetText(d, IDC_OPT_FAVPATH, "D:\\elsewhere\\Mirvalen.bdt");
            EXPECT_TRUE(RefusedAtOk(d, refused)) << refused;
        }));
        // Cancelled after the refusal: the fields before the failing one were stored.
        EXPECT_EQ(1, dialog.m_settings.SUBFOLDER);
        EXPECT_EQ(500, dialog.m_settings.DISPTIME);
        EXPECT_EQ(".\\Mirvalen.bdt", dialog.m_settings.FAVPATH);
        dialog.m_settings.SUBFOLDER = 0;
    }
    for (int accepted : {100, 3000}) {
        EXPECT_EQ(IDOK, Run([&](HWND d) { EXPECT_FALSE(RefusedAtOk(d, std::to_string(accepted))); }));
        EXPECT_EQ(accepted, dialog.m_settings.DISPTIME);
    }
}

} // namespace
