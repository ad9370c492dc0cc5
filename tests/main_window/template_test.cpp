// The main window as its template lays it out: every control with its id,
// class, text, style and rectangle (in dialog units mapped through the
// dialog's real base units), the radio group, and the menu.
#include "main_window_fixture.h"

namespace {

struct TemplateControl {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
    DWORD style;  // bits that must be set beyond WS_CHILD | WS_VISIBLE
};

const DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

const TemplateControl kControls[] = {
    {IDC_FAV_NAME, "Edit", "", 55, 17, 154, 12, kEdit},
    {IDC_BASE_FOLDER, "Edit", "", 55, 36, 154, 12, kEdit},
    {IDC_TARGET_FOLDER, "Edit", "", 55, 56, 154, 12, kEdit},
    {IDC_BROWSE_BASE, "Button", "", 210, 34, 14, 18, WS_TABSTOP | BS_BITMAP},
    {IDC_BROWSE_TARGET, "Button", "", 210, 53, 14, 18, WS_TABSTOP | BS_BITMAP},
    {IDC_NEW_FAVORITE, "Button", "新規作成", 210, 16, 48, 15, WS_TABSTOP},
    {IDC_REGISTER_FAVORITE, "Button", "登録・更新", 258, 16, 49, 15, WS_TABSTOP},
    {IDC_DIR_DOWN, "Button", "↓", 234, 49, 16, 10, BS_AUTORADIOBUTTON},
    {IDC_DIR_UP, "Button", "↑", 256, 49, 16, 10, BS_AUTORADIOBUTTON},
    {IDC_DIR_BOTH, "Button", "↓↑", 278, 49, 22, 10, BS_AUTORADIOBUTTON},
    {IDC_FAV_DOWN, "Button", "↓", 314, 21, 48, 11, WS_TABSTOP},
    {IDC_FAV_UP, "Button", "↑", 362, 21, 48, 11, WS_TABSTOP},
    {IDC_FAV_DELETE, "Button", "×", 411, 21, 49, 11, WS_TABSTOP},
    {IDC_FAV_LIST, "ListBox", "", 315, 32, 145, 99,
     WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
    {IDC_MAKE_LIST, "Button", "リスト作成", 314, 135, 46, 19, WS_TABSTOP},
    {IDC_RUN_SYNC, "Button", "同期実行", 362, 135, 98, 19, WS_TABSTOP},
    {IDC_RESULT_LIST, "SysListView32", "", 7, 159, 453, 119, WS_BORDER | WS_TABSTOP | LVS_REPORT},
    {IDC_TWO_SECOND, "Button", "２秒\n以内\n同時\n評価", 292, 84, 20, 71,
     WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_MULTILINE},
};

struct Label {
    const char* text;
    int x, y, width, height;
};

const Label kLabels[] = {
    {"お気に入り名", 14, 19, 38, 10},
    {"基本フォルダ", 14, 38, 38, 10},
    {"対象フォルダ", 14, 58, 38, 10},
    {"同期方向", 228, 33, 80, 36},
};

HWND ChildWithText(HWND dialog, const char* text)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (gui::Text(child) == text && GetDlgCtrlID(child) != IDC_RUNTIME_STATIC)
            return child;
    return nullptr;
}

void ExpectRect(HWND dialog, HWND control, int x, int y, int width, int height, const std::string& what)
{
    RECT expected = gui::DialogRect(dialog, x, y, width, height);
    RECT actual = gui::ChildRect(control);
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

} // namespace

TEST_F(MainWindowTest, EveryTemplateControlStandsWithItsClassTextStyleAndRectangle)
{
    Open();
    for (const TemplateControl& c : kControls) {
        std::string what = "control " + std::to_string(c.id);
        HWND control = Item(c.id);
        ASSERT_NE(nullptr, control) << what;
        char className[64] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(c.className, className) << what;
        if (c.id != IDC_FAV_NAME && c.id != IDC_BASE_FOLDER && c.id != IDC_TARGET_FOLDER) {
            EXPECT_EQ(c.text, gui::Text(control)) << what;
        }
        DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        // The dialog manager draws an edit's border as a sunken client edge.
        if (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
            style |= WS_BORDER;
        // A list box shows its scroll bar only when its entries need one.
        if (c.id == IDC_FAV_LIST)
            style |= WS_VSCROLL;
        EXPECT_EQ(c.style | WS_CHILD | WS_VISIBLE, style & (c.style | WS_CHILD | WS_VISIBLE)) << what;
        ExpectRect(Dialog(), control, c.x, c.y, c.width, c.height, what);
    }
    for (const Label& label : kLabels) {
        HWND control = ChildWithText(Dialog(), label.text);
        ASSERT_NE(nullptr, control) << label.text;
        ExpectRect(Dialog(), control, label.x, label.y, label.width, label.height, label.text);
    }
}

TEST_F(MainWindowTest, WindowHasItsCaptionFixedFrameAndNoDefaultButton)
{
    Open();
    EXPECT_EQ("Mirvalen", gui::Text(Dialog()));
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(Dialog(), GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrA(Dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    for (int id : {IDC_NEW_FAVORITE, IDC_REGISTER_FAVORITE, IDC_MAKE_LIST, IDC_RUN_SYNC})
        EXPECT_FALSE(GetWindowLongPtrA(Item(id), GWL_STYLE) & BS_DEFPUSHBUTTON) << id;
}

TEST_F(MainWindowTest, RadioButtonsFormOneGroupWithExactlyOneChecked)
{
    Open();
    // The labels start groups; nothing after them does, so the three radios share one.
    for (int id : {IDC_DIR_DOWN, IDC_DIR_UP, IDC_DIR_BOTH})
        EXPECT_FALSE(GetWindowLongPtrA(Item(id), GWL_STYLE) & WS_GROUP) << id;
    EXPECT_EQ(Item(IDC_DIR_BOTH), GetNextDlgGroupItem(Dialog(), Item(IDC_DIR_UP), FALSE));
    gui::Click(Dialog(), IDC_DIR_UP);
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_DOWN));
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_UP));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_BOTH));
}

TEST_F(MainWindowTest, MenuHoldsItsItemsWithTheirCommands)
{
    Open();
    HMENU bar = GetMenu(Dialog());
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(3, GetMenuItemCount(bar));
    auto text = [](HMENU menu, int position) {
        char buffer[128] = "";
        GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
        return std::string(buffer);
    };
    EXPECT_EQ("ファイル", text(bar, 0));
    EXPECT_EQ("オプション", text(bar, 1));
    EXPECT_EQ("ヘルプ", text(bar, 2));
    HMENU file = GetSubMenu(bar, 0), options = GetSubMenu(bar, 1), help = GetSubMenu(bar, 2);
    EXPECT_EQ(ID_FILE_EXIT, static_cast<int>(GetMenuItemID(file, 0)));
    EXPECT_EQ("終了", text(file, 0));
    EXPECT_EQ(ID_OPTIONS_SETTINGS, static_cast<int>(GetMenuItemID(options, 0)));
    EXPECT_EQ("設定", text(options, 0));
    ASSERT_EQ(3, GetMenuItemCount(help));
    EXPECT_EQ(ID_HELP_CONTENTS, static_cast<int>(GetMenuItemID(help, 0)));
    EXPECT_EQ("目次", text(help, 0));
    EXPECT_TRUE(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(ID_HELP_ABOUT, static_cast<int>(GetMenuItemID(help, 2)));
    EXPECT_EQ("バージョン情報", text(help, 2));
}

TEST_F(MainWindowTest, SystemMenuEndsWithTheAboutItem)
{
    Open();
    HMENU system = GetSystemMenu(Dialog(), FALSE);
    int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(system, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(system, count - 1));
    char text[128] = "";
    GetMenuStringA(system, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Mirvalen のﾊﾞｰｼﾞｮﾝ情報(&A)...", text);
}

TEST_F(MainWindowTest, WindowOpensCentredOnTheScreen)
{
    m_dialog = std::make_unique<CMirvalenDlg>();
    m_app.m_mainWnd = m_dialog.get();
    ASSERT_TRUE(m_dialog->Create());
    RECT window, work;
    GetWindowRect(Dialog(), &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (window.left + window.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (window.top + window.bottom) / 2, 1);
}
