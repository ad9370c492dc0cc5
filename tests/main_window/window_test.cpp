// The main window as it opens, its close paths, the settings it reads and
// writes, its menu commands and F1. Keys pressed as on the keyboard go to
// whichever window is in front, which is why these tests run alone.
#include "main_window_fixture.h"

#include "settings/settings.h"
#include "settings/module_folder.h"
#include "ui/help.h"

TEST_F(MainWindowTest, OpensWithBothDirectionsAndThreeReadyPanelsThatTheDirectionsRearrange)
{
    Run([&] {
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
        EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_DOWN) || gui::Checked(Dialog(), IDC_DIR_UP));
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
        EXPECT_EQ(0, RowCount());
        for (PanelKind panel : kPanels) {
            EXPECT_EQ("READY", Status(panel));
            for (size_t row = 0; row < CaptionsOf(panel).size(); ++row)
                EXPECT_EQ("0 ", Value(panel, row)) << row;
        }
        // Side by side between the folder fields and the list, left of the two-second toggle.
        auto rect = [](HWND control) { return gui::ChildRect(control); };
        auto header = [&](PanelKind panel) { return Item(PanelCellId(panel, kHeaderCell)); };
        auto lastValue = [&](PanelKind panel) {
            return Item(PanelCellId(panel, ValueCell(CaptionsOf(panel).size() - 1)));
        };
        for (int i = 0; i < 2; ++i)
            EXPECT_LT(rect(lastValue(kPanels[i])).right, rect(header(kPanels[i + 1])).left);
        EXPECT_GE(rect(header(PanelKind::Base)).top, rect(Item(IDC_TARGET_FOLDER)).bottom);
        EXPECT_LE(rect(lastValue(PanelKind::Base)).bottom, rect(Item(IDC_RESULT_LIST)).top);
        EXPECT_LE(rect(lastValue(PanelKind::Target)).right, rect(Item(IDC_TWO_SECOND)).left);

        gui::Capture shot(Dialog());
        auto colourOf = [&](HWND control, bool right = false) {
            RECT r = rect(control);
            return shot.Pixel(right ? r.right - 4 : r.left + 2, r.top + 4);
        };
        const COLORREF blue = RGB(192, 192, 255), red = RGB(255, 192, 192);
        EXPECT_EQ(RGB(255, 224, 192), colourOf(Item(PanelCellId(PanelKind::Base, kStatusCell)))); // READY
        EXPECT_EQ(RGB(0, 0, 0), colourOf(header(PanelKind::Base)));
        EXPECT_EQ(blue, colourOf(Item(PanelCellId(PanelKind::Transfer, CaptionCell(kTransferDown)))));
        EXPECT_EQ(red, colourOf(Item(PanelCellId(PanelKind::Transfer, CaptionCell(kTransferUp)))));
        EXPECT_EQ(blue, colourOf(Item(IDC_BASE_FOLDER), true));
        EXPECT_EQ(red, colourOf(Item(IDC_TARGET_FOLDER), true));
        // The favourites label: white on grey in a dark frame, right above its list.
        HWND label = Item(IDC_FAV_LABEL);
        RECT labelRect = rect(label), favourites = rect(Item(IDC_FAV_LIST));
        EXPECT_EQ("お気に入りリスト", gui::Text(label));
        EXPECT_LE(labelRect.bottom, favourites.top);
        EXPECT_NEAR(favourites.left, labelRect.left, 2);
        EXPECT_EQ(RGB(128, 128, 128), colourOf(label));
        EXPECT_GT(shot.Count(RGB(255, 255, 255), labelRect), 10);
        EXPECT_LT(GetRValue(shot.Pixel(labelRect.left - 1, labelRect.top - 1)), 128);
        // Each time column is wide enough for a whole time; the list is light yellow.
        HWND list = Item(IDC_RESULT_LIST);
        int timeWidth = static_cast<int>(
            SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("2024/12/31 23:59:59")));
        for (int column : {3, 4})
            EXPECT_GT(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), timeWidth + 6) << column;
        EXPECT_EQ(RGB(255, 255, 192), static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0)));

        // One direction shows its panel where the base folder's stood.
        HWND baseHeader = header(PanelKind::Base), targetHeader = header(PanelKind::Target);
        const int middle = rect(baseHeader).left, right = rect(targetHeader).left;
        struct Case {
            int button;
            bool baseShown, targetShown;
            int targetLeft;
        } cases[] = {{IDC_DIR_UP, false, true, middle}, {IDC_DIR_DOWN, true, false, middle},
                     {IDC_DIR_BOTH, true, true, right}};
        for (const Case& c : cases) {
            gui::Click(Dialog(), c.button);
            EXPECT_EQ(c.baseShown, IsWindowVisible(baseHeader) != 0) << c.button;
            EXPECT_EQ(c.targetShown, IsWindowVisible(targetHeader) != 0) << c.button;
            EXPECT_EQ(c.targetLeft, rect(targetHeader).left) << c.button;
        }
        // A folder field selects its whole text when it gets the focus.
        HWND edit = Item(IDC_BASE_FOLDER);
        gui::SetText(Dialog(), IDC_BASE_FOLDER, "C:\\データ\\");
        SendMessageA(edit, EM_SETSEL, 3, 3);  // a caret in the middle, as a click leaves it
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_BASE_FOLDER, EN_SETFOCUS), reinterpret_cast<LPARAM>(edit));
        EXPECT_TRUE(gui::WaitFor([&] {
            DWORD start = 1, end = 0;
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit));  // positions count characters
        }));
    });
}

TEST_F(MainWindowTest, EnterDoesNothingWhileEscapeTheExitCommandAndTheCloseBoxEndTheWindowAndSave)
{
    EXPECT_EQ(IDCANCEL, Run([&] { SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }));
    EXPECT_FALSE(ClosedBySteps());  // still open after Enter: the test closed it
    for (int close : {0, IDCANCEL, ID_FILE_EXIT}) {
        DeleteFileA(m_app.m_profileName.c_str());
        DeleteFileA(m_tree.Path("favorites.bdt").c_str());
        WriteSetting("FAVPATH", m_tree.Path("favorites.bdt"));
        EXPECT_EQ(IDCANCEL, Run([&] {
            if (!close)  // the close box: ends the modal loop once the steps return
                SendMessageA(Dialog(), WM_CLOSE, 0, 0);
            else
                SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(close, BN_CLICKED), 0);
        }));
        EXPECT_TRUE(ClosedBySteps()) << close;
        EXPECT_EQ("500", Setting("DISPTIME")) << close;  // the defaults, saved
        EXPECT_EQ("0", Setting("SUBFOLDER")) << close;
        EXPECT_TRUE(m_tree.Exists("favorites.bdt")) << close;
    }
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsNamedAtCloseAndTheUserMayStay)
{
    const std::string gone = m_tree.Path("gone\\Mirvalen.ini");
    Run([&] {
        m_app.m_profileName = gone;  // its folder went while the window was open
        {
            gui::DialogAnswerer stay("Mirvalen", IDCANCEL, Dialog());
            SendMessageA(Dialog(), WM_CLOSE, 0, 0);
            ASSERT_TRUE(stay.Answered());
            EXPECT_NE(std::string::npos, stay.MessageText().find("設定ファイルを保存できませんでした")) << stay.MessageText();
            EXPECT_NE(std::string::npos, stay.MessageText().find(gone)) << stay.MessageText();
        }
        EXPECT_TRUE(IsWindow(Dialog()));
        gui::DialogAnswerer leave("Mirvalen", IDOK, Dialog());
        SendMessageA(Dialog(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(leave.Answered());
    });
    EXPECT_TRUE(ClosedBySteps());
    EXPECT_TRUE(m_tree.Exists("favorites.bdt")) << "the favourites are saved all the same";
}

TEST_F(MainWindowTest, SettingsAreReadAtStartWrittenAtCloseAndCopiedBesideTheFavourites)
{
    EXPECT_EQ(GetModuleFolder() + "Mirvalen.ini", SettingsFile::OfProgram().Path());  // the program's own lies beside it
    const std::string patterns = "古い版\\|*.bak|~$*|Thumbs.db";
    // ONESECSAME is written only when the toggle changes: 7 stays 7.
    const std::pair<const char*, std::string> settings[] = {
        {"SUBFOLDER", "1"}, {"ROOTFILE", "1"}, {"SAMEHIDE", "1"}, {"DISPTIME", "1500"},
        {"ONESECSAME", "7"}, {"RECYCLE", "0"}, {"EXCLUDE", patterns}};
    for (const auto& [key, value] : settings)
        WriteSetting(key, value);
    m_tree.MakeDir("favs");
    WriteSetting("FAVPATH", m_tree.Path("favs\\mine.bdt"));
    Run([&] {
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_TWO_SECOND));
        EXPECT_EQ(patterns, m_dialog->Options().EXCLUDE);
        EXPECT_EQ(0, m_dialog->Options().RECYCLE);
        EXPECT_EQ(1500, m_dialog->Options().DISPTIME);
    });
    for (const auto& [key, value] : settings)
        EXPECT_EQ(value, Setting(key)) << key;
    EXPECT_TRUE(m_tree.Exists("favs\\mine.bdt"));
    EXPECT_EQ(m_tree.Read("Mirvalen.ini"), m_tree.Read("favs\\Mirvalen.ini"));
}

TEST_F(MainWindowTest, TheAboutBoxOpensFromTheHelpMenuAndTheSystemMenu)
{
    Run([&] {
        for (bool systemMenu : {false, true}) {
            std::string texts;
            bool icon = false;
            gui::DialogAnswerer answer("Mirvalenのﾊﾞｰｼﾞｮﾝ情報", IDOK, nullptr, [&](HWND about) {
                for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    // An icon's "text" is its resource number: it counts as a mark only.
                    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                        icon |= SendMessageA(child, STM_GETICON, 0, 0) != 0;
                    else
                        texts += gui::Text(child) + "|";
                }
            });
            if (systemMenu)
                SendMessageA(Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            else
                Command(ID_HELP_ABOUT);
            EXPECT_TRUE(answer.Answered());
            EXPECT_NE(std::string::npos, texts.find("Mirvalen Version 1.0.7|")) << systemMenu;
            EXPECT_TRUE(icon) << systemMenu;
        }
    });
}

TEST_F(MainWindowTest, OptionsRefuseDisplayTimesOutOfRangeAndChangeTheSettingsInMemory)
{
    const std::string other = m_tree.Path("other.bdt");
    Run([&] {
        gui::SetText(Dialog(), IDC_FAV_NAME, "残る");
        SetFolders(m_base, m_target);
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);
        gui::DialogAnswerer answer("オプション", IDOK, nullptr, [&](HWND options) {
            EXPECT_FALSE(gui::Checked(options, IDC_OPT_SAMEHIDE));
            EXPECT_EQ("500", gui::Text(options, IDC_OPT_DISPTIME));
            gui::Click(options, IDC_OPT_SAMEHIDE);
            gui::SetText(options, IDC_OPT_FAVPATH, other);
            for (const char* refused : {"99", "3001", "abc"}) {  // 100 to 3000 milliseconds
                gui::SetText(options, IDC_OPT_DISPTIME, refused);
                gui::DialogAnswerer message("Mirvalen", IDOK, Dialog());
                gui::Click(options, IDOK);
                EXPECT_TRUE(message.Answered()) << refused;
                EXPECT_TRUE(IsWindowVisible(options)) << refused;
            }
            gui::SetText(options, IDC_OPT_DISPTIME, "3000");
        });
        Command(ID_OPTIONS_SETTINGS);
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(1, m_dialog->Options().SAMEHIDE);
        EXPECT_EQ(3000, m_dialog->Options().DISPTIME);
        EXPECT_EQ(0, m_dialog->Options().favFileChanged);  // typed, not browsed: no reload
        EXPECT_EQ(1, SendDlgItemMessageA(Dialog(), IDC_FAV_LIST, LB_GETCOUNT, 0, 0));
        EXPECT_NE("3000", Setting("DISPTIME"));  // written at the next close
    });
    EXPECT_EQ("1", Setting("SAMEHIDE"));
    EXPECT_EQ("3000", Setting("DISPTIME"));
    EXPECT_EQ(24u + 1572u, m_tree.Read("other.bdt").size());  // the list went to the new file
}

TEST_F(MainWindowTest, TheExclusionsDialogAddsTheUsualNoiseOnceAndTheListLosesIt)
{
    WriteFiveFiles();
    m_tree.Write("base\\Thumbs.db", "t");
    const std::string usual = "~$*|Thumbs.db|desktop.ini|*.tmp|.DS_Store";
    Run([&] {
        SetFolders(m_base, m_target);
        MakeList();
        ASSERT_EQ(6, RowCount());
        bool recycleShown = false;
        gui::DialogAnswerer answer("除外パターンとごみ箱", IDOK, nullptr, [&](HWND dialog) {
            recycleShown = gui::Checked(dialog, IDC_EXC_RECYCLE);
            gui::Click(dialog, IDC_EXC_ADD_USUAL);
            gui::Click(dialog, IDC_EXC_ADD_USUAL); // a second time adds nothing
            SendDlgItemMessageA(dialog, IDC_EXC_RECYCLE, BM_SETCHECK, BST_UNCHECKED, 0);
            recycleShown &= !gui::Checked(dialog, IDC_EXC_VERIFY) && !gui::Checked(dialog, IDC_EXC_CONTENT);
            gui::Click(dialog, IDC_EXC_VERIFY);
            gui::Click(dialog, IDC_EXC_CONTENT);
        });
        Command(ID_OPTIONS_EXCLUDE);
        ASSERT_TRUE(answer.Answered());
        EXPECT_TRUE(recycleShown); // on by default, the checks of contents off
        EXPECT_EQ(0, RowCount());  // other inputs: the old list is gone
        EXPECT_EQ(usual, m_dialog->Options().EXCLUDE);
        MakeList();
        EXPECT_EQ(5, RowCount());
    });
    EXPECT_EQ(usual, Setting("EXCLUDE"));
    EXPECT_EQ("0", Setting("RECYCLE"));
    EXPECT_EQ("1", Setting("VERIFY"));
    EXPECT_EQ("1", Setting("CONTENT"));
}

TEST_F(MainWindowTest, F1AndTheHelpMenuOpenTheProgramsOwnHelpOnce)
{
    auto helpWindow = [] { return FindWindowA(nullptr, "Mirvalen ヘルプ"); };
    Run([&] {
        Command(ID_HELP_CONTENTS);
        ASSERT_NE(nullptr, helpWindow());
        SendMessageA(helpWindow(), WM_CLOSE, 0, 0);
        ASSERT_EQ(nullptr, helpWindow());
        SetForegroundWindow(Dialog());
        SetFocus(Item(IDC_BASE_FOLDER));
        INPUT keys[2]{};
        for (INPUT& k : keys) {
            k.type = INPUT_KEYBOARD;
            k.ki.wVk = VK_F1;
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        ASSERT_TRUE(gui::WaitFor([&] { return helpWindow() != nullptr; }));
        HWND help = helpWindow();
        EXPECT_TRUE(IsWindowVisible(help));
        EXPECT_EQ(Dialog(), GetWindow(help, GW_OWNER));
        Command(ID_HELP_CONTENTS);  // the open one comes to the front
        EXPECT_EQ(help, helpWindow());

        HWND text = GetWindow(help, GW_CHILD);
        ASSERT_NE(nullptr, text);
        EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & ES_READONLY);
        EXPECT_FALSE(gui::Text(text).empty());
        SendMessageA(help, WM_CLOSE, 0, 0);
    });
}
