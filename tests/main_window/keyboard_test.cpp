// Keys of the main window, pressed as on the keyboard: the key goes to the
// window in front, which is why these tests run alone.
#include "main_window_fixture.h"

#include "ui/help.h"

namespace {

void PressKey(WORD key)
{
    INPUT keys[2]{};
    for (INPUT& k : keys) {
        k.type = INPUT_KEYBOARD;
        k.ki.wVk = key;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

} // namespace

TEST_F(MainWindowTest, F1OpensTheHelpAsTheHelpMenuDoes)
{
    Open();
    SetForegroundWindow(Dialog());
    SetFocus(Item(IDC_BASE_FOLDER));
    ASSERT_EQ(nullptr, HelpWindow());
    PressKey(VK_F1);
    for (DWORD start = GetTickCount(); !HelpWindow() && GetTickCount() - start < 10000;)
        gui::Pump(10);
    HWND help = HelpWindow();
    ASSERT_NE(nullptr, help);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(Dialog(), GetWindow(help, GW_OWNER));
    DestroyWindow(help);
}
