// The menu commands of the main window: about box, help, options.
#include "main_window_fixture.h"

#include "ui/help.h"

namespace {

// Reads the about box's texts while it is open. The icon's "text" is its
// resource number, which reads back as undefined bytes under Wine: it counts as
// a mark only.
void ReadAbout(HWND dialog, void* context)
{
    auto* texts = static_cast<std::string*>(context);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        *texts += (icon ? std::string("<icon>") : gui::Text(child)) + "|";
    }
}

} // namespace

TEST_F(MainWindowTest, AboutBoxOpensFromTheHelpMenuAndTheSystemMenu)
{
    Open();
    std::string fromMenu, fromSystemMenu;
    {
        gui::DialogAnswerer answer("Mirvalenのﾊﾞｰｼﾞｮﾝ情報", IDOK);
        answer.Before(ReadAbout, &fromMenu);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_HELP_ABOUT, 0), 0);
        EXPECT_TRUE(answer.Answered());
    }
    {
        gui::DialogAnswerer answer("Mirvalenのﾊﾞｰｼﾞｮﾝ情報", IDOK);
        answer.Before(ReadAbout, &fromSystemMenu);
        SendMessageA(Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_NE(std::string::npos, fromMenu.find("Mirvalen Version 1.0.7"));
    EXPECT_EQ(fromMenu, fromSystemMenu);
}

TEST_F(MainWindowTest, HelpContentsOpensTheProgramsOwnHelp)
{
    Open();
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_HELP_CONTENTS, 0), 0);
    gui::Pump();
    HWND help = HelpWindow();
    ASSERT_NE(nullptr, help);
    EXPECT_TRUE(IsWindowVisible(help));
    DestroyWindow(help);
}

TEST_F(MainWindowTest, OptionsChangeTheSettingsInMemoryOnly)
{
    Open();
    struct Change {
        static void Apply(HWND dialog, void*)
        {
            SendDlgItemMessageA(dialog, IDC_OPT_SAMEHIDE, BM_SETCHECK, BST_CHECKED, 0);
            SetDlgItemTextA(dialog, IDC_OPT_DISPTIME, "1200");
        }
    };
    {
        gui::DialogAnswerer answer("オプション", IDOK);
        answer.Before(Change::Apply, nullptr);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_OPTIONS_SETTINGS, 0), 0);
        ASSERT_TRUE(answer.Answered());
    }
    EXPECT_EQ(1, m_dialog->Options().SAMEHIDE);
    EXPECT_EQ(1200, m_dialog->Options().DISPTIME);
    EXPECT_EQ("<none>", Setting("SAMEHIDE"));  // written at the next close
    Close();
    EXPECT_EQ("1", Setting("SAMEHIDE"));
    EXPECT_EQ("1200", Setting("DISPTIME"));
}

TEST_F(MainWindowTest, ATypedFavouritesPathChangesThePathWithoutAReload)
{
    Open();
    gui::SetText(Dialog(), IDC_FAV_NAME, "残る");
    SetFolders(m_base, m_target);
    gui::Click(Dialog(), IDC_REGISTER_FAVORITE);
    static std::string newPath;
    newPath = m_tree.Path("other.bdt");
    struct Type {
        static void Apply(HWND dialog, void*) { SetDlgItemTextA(dialog, IDC_OPT_FAVPATH, newPath.c_str()); }
    };
    {
        gui::DialogAnswerer answer("オプション", IDOK);
        answer.Before(Type::Apply, nullptr);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_OPTIONS_SETTINGS, 0), 0);
    }
    EXPECT_EQ(1, SendDlgItemMessageA(Dialog(), IDC_FAV_LIST, LB_GETCOUNT, 0, 0));
    Close();
    EXPECT_EQ(24u + 1572u, m_tree.Read("other.bdt").size());  // the list went to the new file
}

TEST_F(MainWindowTest, ExclusionsDialogAddsTheUsualNoiseAndTheListLosesIt)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    m_tree.Write(m_base.substr(m_tree.Root().size()) + "Thumbs.db", "t");
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_EQ(6, RowCount());
    struct Use {
        static void Apply(HWND dialog, void* shown)
        {
            *static_cast<int*>(shown) = gui::Checked(dialog, IDC_EXC_RECYCLE) ? 1 : 0;
            gui::Click(dialog, IDC_EXC_ADD_USUAL);
            gui::Click(dialog, IDC_EXC_ADD_USUAL); // a second time adds nothing
            SendDlgItemMessageA(dialog, IDC_EXC_RECYCLE, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    };
    int recycleShown = -1;
    {
        gui::DialogAnswerer answer("除外パターンとごみ箱", IDOK);
        answer.Before(Use::Apply, &recycleShown);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_OPTIONS_EXCLUDE, 0), 0);
        ASSERT_TRUE(answer.Answered());
    }
    EXPECT_EQ(1, recycleShown); // on by default
    EXPECT_EQ(0, RowCount());   // other inputs: the old list is gone
    const std::string usual = "~$*|Thumbs.db|desktop.ini|*.tmp|.DS_Store";
    EXPECT_EQ(usual, m_dialog->Options().EXCLUDE);
    EXPECT_EQ(0, m_dialog->Options().RECYCLE);
    MakeList();
    EXPECT_EQ(5, RowCount());
    Close();
    EXPECT_EQ(usual, Setting("EXCLUDE"));
    EXPECT_EQ("0", Setting("RECYCLE"));
}
