// The options dialog on its real template, run modally: the exchange with the
// Settings record both ways, the limits checked at OK, and the browse button.
#include "tests/dialogs/focus_recorder.h"
#include "tests/support/gui_harness.h"
#include "ui/option_dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class OptionDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.m_settings.SUBFOLDER = 0;
        dialog.m_settings.ROOTFILE = 1;
        dialog.m_settings.SAMEHIDE = 0;
        dialog.m_settings.DISPTIME = 500;
        dialog.m_settings.FAVPATH = ".\\Mirvalen.bdt";
    }

    // Opens the dialog and runs the steps with its window from inside its modal
    // loop; whatever the steps leave open is cancelled afterwards.
    INT_PTR Run(std::function<void(HWND)> steps)
    {
        gui::DialogAnswerer driver("オプション", IDCANCEL);
        driver.Before([](HWND d, void* c) { (*static_cast<std::function<void(HWND)>*>(c))(d); }, &steps);
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
        gui::Pump();
        if (!message.Answered())
            return false;
        EXPECT_EQ(GetDlgItem(d, IDC_OPT_DISPTIME), gui::FocusRecorder::Last());
        EXPECT_TRUE(IsWindowVisible(d));
        return true;
    }

    gui::FocusRecorder focus;
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
        EXPECT_EQ(GetDlgItem(d, IDOK), gui::FocusRecorder::Last());
        EXPECT_TRUE(SendDlgItemMessageA(d, IDC_OPT_BROWSE, BM_GETIMAGE, IMAGE_BITMAP, 0));

        gui::Click(d, IDC_OPT_SUBFOLDER);
        gui::Click(d, IDC_OPT_ROOTFILE);
        gui::Click(d, IDC_OPT_SAMEHIDE);
        gui::SetText(d, IDC_OPT_DISPTIME, "1500");
        gui::Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, dialog.m_settings.SUBFOLDER);
    EXPECT_EQ(0, dialog.m_settings.ROOTFILE);
    EXPECT_EQ(1, dialog.m_settings.SAMEHIDE);
    EXPECT_EQ(1500, dialog.m_settings.DISPTIME);
}

TEST_F(OptionDialog, DisplayTimeOutsideTheLimitsIsRefusedAtOk)
{
    INT_PTR result = Run([](HWND d) {
        EXPECT_TRUE(RefusedAtOk(d, "99"));
        EXPECT_TRUE(RefusedAtOk(d, "3001"));
        EXPECT_TRUE(RefusedAtOk(d, "abc"));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(500, dialog.m_settings.DISPTIME);
}

TEST_F(OptionDialog, DisplayTimeLimitsThemselvesAreAccepted)
{
    EXPECT_EQ(IDOK, Run([](HWND d) { EXPECT_FALSE(RefusedAtOk(d, "100")); }));
    EXPECT_EQ(100, dialog.m_settings.DISPTIME);
    EXPECT_EQ(IDOK, Run([](HWND d) { EXPECT_FALSE(RefusedAtOk(d, "3000")); }));
    EXPECT_EQ(3000, dialog.m_settings.DISPTIME);
}

TEST_F(OptionDialog, CancelAfterARefusalKeepsTheFieldsBeforeTheFailingOne)
{
    INT_PTR result = Run([](HWND d) {
        gui::Click(d, IDC_OPT_SUBFOLDER);
        gui::SetText(d, IDC_OPT_FAVPATH, "D:\\elsewhere\\Mirvalen.bdt");
        EXPECT_TRUE(RefusedAtOk(d, "99"));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(1, dialog.m_settings.SUBFOLDER);
    EXPECT_EQ(500, dialog.m_settings.DISPTIME);
    EXPECT_EQ(".\\Mirvalen.bdt", dialog.m_settings.FAVPATH);
}

TEST_F(OptionDialog, ATypedFavouritesPathChangesThePathButNotTheReloadFlag)
{
    INT_PTR result = Run([](HWND d) {
        gui::SetText(d, IDC_OPT_FAVPATH, "D:\\elsewhere\\Mirvalen.bdt");
        gui::Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("D:\\elsewhere\\Mirvalen.bdt", dialog.m_settings.FAVPATH);
    EXPECT_EQ(0, dialog.m_settings.favFileChanged);
}

TEST_F(OptionDialog, EditsSelectTheirWholeTextWhenFocused)
{
    Run([](HWND d) {
        HWND edit = GetDlgItem(d, IDC_OPT_FAVPATH);
        SetFocus(edit);
        gui::Pump();
        DWORD end = 0;
        DWORD start = 1;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(0u, start);
        EXPECT_EQ(gui::Text(edit).size(), end);
    });
}

} // namespace
