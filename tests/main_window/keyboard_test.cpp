// F1 and the Help menu open the program's own help. The key goes to the window
// in front, which is why this test runs alone.
#include "main_window_fixture.h"

#include "ui/help.h"

TEST_F(MainWindowTest, F1AndTheHelpMenuOpenTheProgramsOwnHelpOnce)
{
    Run([&] {
        Command(ID_HELP_CONTENTS);
        ASSERT_NE(nullptr, HelpWindow());
        SendMessageA(HelpWindow(), WM_CLOSE, 0, 0);
        ASSERT_EQ(nullptr, HelpWindow());
        SetForegroundWindow(Dialog());
        SetFocus(Item(IDC_BASE_FOLDER));
        INPUT keys[2]{};
        for (INPUT& k : keys) {
            k.type = INPUT_KEYBOARD;
            k.ki.wVk = VK_F1;
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        ASSERT_TRUE(gui::WaitFor([] { return HelpWindow() != nullptr; }));
        HWND help = HelpWindow();
        EXPECT_TRUE(IsWindowVisible(help));
        EXPECT_EQ(Dialog(), GetWindow(help, GW_OWNER));
        Command(ID_HELP_CONTENTS);  // the open one comes to the front
        EXPECT_EQ(help, HelpWindow());

        HWND text = GetWindow(help, GW_CHILD);
        ASSERT_NE(nullptr, text);
        EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & ES_READONLY);
        std::string topics = gui::Text(text);
        for (const char* topic : {"リスト作成", "同期実行", "△", "×", "水色", "薄い赤", "２秒", "お気に入り",
                                  "フォルダ警告時間", "mirvalen-cli", "--two-second", "--favorite"})
            EXPECT_NE(std::string::npos, topics.find(topic)) << topic;
        SendMessageA(help, WM_CLOSE, 0, 0);
    });
}
