// The main window right after start, its direction buttons and its keys.
#include "main_window_fixture.h"

namespace {

int LeftOf(HWND control)
{
    return gui::ChildRect(control).left;
}

void ExpectReady(const SummaryPanel& panel)
{
    EXPECT_EQ("READY", panel.StatusText());
    EXPECT_EQ(RGB(255, 224, 192), panel.StatusColor());
    for (size_t row = 0; row < panel.RowCount(); ++row)
        EXPECT_EQ("0 ", panel.ValueText(row)) << row;
}

} // namespace

TEST_F(MainWindowTest, StartsWithBothDirectionsThreePanelsAndNothingToSync)
{
    Open();
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_DOWN));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_UP));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
    EXPECT_EQ(0, RowCount());

    BaseUnits units = BaseUnits::Of(Dialog());
    EXPECT_EQ(units.X(12), LeftOf(m_dialog->TransferPanel().Cells()[0].frame));
    EXPECT_EQ(units.X(180), LeftOf(m_dialog->BasePanel().Cells()[0].frame));
    EXPECT_EQ(units.X(348), LeftOf(m_dialog->TargetPanel().Cells()[0].frame));
    for (const SummaryPanel* panel : {&m_dialog->TransferPanel(), &m_dialog->BasePanel(), &m_dialog->TargetPanel()}) {
        EXPECT_TRUE(IsWindowVisible(panel->Cells()[0].text));
        ExpectReady(*panel);
    }
    EXPECT_EQ(12u, m_dialog->TransferPanel().Cells().size());
    EXPECT_EQ(14u, m_dialog->BasePanel().Cells().size());
    EXPECT_EQ(14u, m_dialog->TargetPanel().Cells().size());
}

TEST_F(MainWindowTest, PanelsLieBetweenTheFieldsAndTheListLeftOfTheToggle)
{
    Open();
    RECT group = gui::DialogRect(Dialog(), 7, 7, 305, 68);
    RECT list = gui::ChildRect(Item(IDC_RESULT_LIST));
    RECT toggle = gui::ChildRect(Item(IDC_TWO_SECOND));
    const auto& base = m_dialog->BasePanel().Cells();
    const auto& target = m_dialog->TargetPanel().Cells();
    EXPECT_GE(gui::ChildRect(base.front().frame).top, group.bottom);
    EXPECT_LE(gui::ChildRect(base.back().frame).bottom, list.top);
    EXPECT_LE(gui::ChildRect(target.back().frame).right, toggle.left);
    // Neighbouring frames share their border line.
    EXPECT_EQ(gui::ChildRect(base[0].frame).bottom - 1, gui::ChildRect(base[1].frame).top);
    EXPECT_EQ(gui::ChildRect(base[2].frame).right - 1, gui::ChildRect(base[3].frame).left);
}

TEST_F(MainWindowTest, FavouritesLabelIsWhiteOnGreyInAFrameAboveTheList)
{
    Open();
    HWND label = m_dialog->FavoritesLabel();
    EXPECT_EQ("お気に入りリスト", gui::Text(label));
    RECT labelRect = gui::ChildRect(label), list = gui::ChildRect(Item(IDC_FAV_LIST));
    EXPECT_LE(labelRect.bottom, list.top);
    EXPECT_NEAR(list.left, labelRect.left, 2);
    EXPECT_NEAR(list.right, labelRect.right, 2);
    gui::Capture shot(Dialog());
    EXPECT_EQ(RGB(128, 128, 128), shot.Pixel(labelRect.left + 2, labelRect.top + 2));
    COLORREF frame = shot.Pixel(labelRect.left - 1, labelRect.top - 1);  // the frame colour of the system
    EXPECT_LT(GetRValue(frame), 128);
    EXPECT_EQ(GetRValue(frame), GetBValue(frame));
    RECT text{labelRect.left, labelRect.top, labelRect.right, labelRect.bottom};
    EXPECT_GT(shot.Count(RGB(255, 255, 255), text), 10);
}

TEST_F(MainWindowTest, StatusCellsAndFieldsShowTheirColours)
{
    Open();
    gui::Capture shot(Dialog());
    RECT status = gui::ChildRect(m_dialog->BasePanel().Cells()[1].text);
    EXPECT_EQ(RGB(255, 224, 192), shot.Pixel(status.left + 2, status.top + 2));
    RECT header = gui::ChildRect(m_dialog->BasePanel().Cells()[0].text);
    EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(header.left + 2, header.top + 2));
    RECT down = gui::ChildRect(m_dialog->TransferPanel().Cells()[6].text);  // "↓　転送"
    EXPECT_EQ(RGB(192, 192, 255), shot.Pixel(down.left + 2, down.top + 2));
    RECT up = gui::ChildRect(m_dialog->TransferPanel().Cells()[8].text);    // "↑　転送"
    EXPECT_EQ(RGB(255, 192, 192), shot.Pixel(up.left + 2, up.top + 2));
    RECT baseField = gui::ChildRect(Item(IDC_BASE_FOLDER));
    EXPECT_EQ(RGB(192, 192, 255), shot.Pixel(baseField.right - 4, baseField.top + 4));
    RECT targetField = gui::ChildRect(Item(IDC_TARGET_FOLDER));
    EXPECT_EQ(RGB(255, 192, 192), shot.Pixel(targetField.right - 4, targetField.top + 4));
}

TEST_F(MainWindowTest, DirectionClicksRearrangeThePanels)
{
    Open();
    BaseUnits units = BaseUnits::Of(Dialog());
    HWND baseHeader = m_dialog->BasePanel().Cells()[0].frame;
    HWND targetHeader = m_dialog->TargetPanel().Cells()[0].frame;

    gui::Click(Dialog(), IDC_DIR_UP);
    EXPECT_FALSE(IsWindowVisible(baseHeader));
    EXPECT_TRUE(IsWindowVisible(targetHeader));
    EXPECT_EQ(units.X(180), LeftOf(targetHeader));

    gui::Click(Dialog(), IDC_DIR_DOWN);
    EXPECT_TRUE(IsWindowVisible(baseHeader));
    EXPECT_FALSE(IsWindowVisible(targetHeader));
    EXPECT_EQ(units.X(180), LeftOf(targetHeader));  // hidden where it stood

    gui::Click(Dialog(), IDC_DIR_BOTH);
    EXPECT_TRUE(IsWindowVisible(baseHeader));
    EXPECT_TRUE(IsWindowVisible(targetHeader));
    EXPECT_EQ(units.X(348), LeftOf(targetHeader));
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscapeSavesLikeTheCloseBox)
{
    Open();
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    gui::Pump();
    ASSERT_TRUE(IsWindow(Dialog()));
    DeleteFileA(m_app.m_profileName.c_str());
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    gui::Pump();
    EXPECT_FALSE(m_dialog->m_hWnd && IsWindow(m_dialog->m_hWnd));
    EXPECT_EQ("500", Setting("DISPTIME"));
    EXPECT_TRUE(m_tree.Exists("favorites.bdt"));
}

TEST_F(MainWindowTest, ExitCommandRunsTheClosePath)
{
    Open();
    DeleteFileA(m_app.m_profileName.c_str());
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
    gui::Pump();
    EXPECT_FALSE(m_dialog->m_hWnd && IsWindow(m_dialog->m_hWnd));
    EXPECT_EQ("0", Setting("SUBFOLDER"));
}

TEST_F(MainWindowTest, ResultListHasItsEightColumnsAndWholeTimesFit)
{
    Open();
    HWND list = Item(IDC_RESULT_LIST);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(8, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int designWidths[] = {60, 40, 40, 120, 120, 80, 80, 230};
    int timeWidth = static_cast<int>(
        SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("2024/12/31 23:59:59")));
    for (int column = 0; column < 8; ++column) {
        int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
        if (column == 3 || column == 4)
            EXPECT_GT(width, timeWidth + 6) << column;
        else
            EXPECT_EQ(designWidths[column], width) << column;
    }
    EXPECT_EQ(RGB(255, 255, 192), static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0)));
}

TEST_F(MainWindowTest, AFolderFieldSelectsItsWholeTextWhenItGetsTheFocus)
{
    Open();
    HWND edit = Item(IDC_BASE_FOLDER);
    gui::SetText(Dialog(), IDC_BASE_FOLDER, "C:\\データ\\");
    SendMessageA(edit, EM_SETSEL, 3, 3);  // a caret in the middle, as a click leaves it
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_BASE_FOLDER, EN_SETFOCUS), reinterpret_cast<LPARAM>(edit));
    gui::Pump();
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(static_cast<DWORD>(GetWindowTextLengthW(edit)), end);  // positions count characters
}
