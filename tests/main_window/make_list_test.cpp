// Making the list and syncing from the window, on real folders.
#include "main_window_fixture.h"

#include "engine/stored_name.h"

namespace {

// Finds the row whose path column holds `path`.
int RowOf(const MainWindowTest* , HWND list, const std::string& path)
{
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[600] = "";
        LVITEMA item{};
        item.iSubItem = 7;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (path == text)
            return row;
    }
    return -1;
}

} // namespace

TEST_F(MainWindowTest, MakeListFillsRowsMarksAndPanelsInBothDirections)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    SetFolders(m_base, m_target);
    MakeList();

    ASSERT_EQ(5, RowCount());
    const char* expected[][3] = {{"a.txt", "↓", "△"}, {"b.txt", "↑", "△"}, {"c.txt", "↓", "×"},
                                 {"d.txt", "↑", "×"}, {"e.txt", "=", ""}};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(std::to_string(row + 1), Cell(row, 0));
        EXPECT_EQ(expected[row][0], Cell(row, 7));
        EXPECT_EQ(expected[row][1], Cell(row, 1));
        EXPECT_EQ(expected[row][2], Cell(row, 2));
    }
    EXPECT_EQ("2011/04/06 15:08:10", Cell(0, 3));
    EXPECT_EQ("2010/03/05 14:07:09", Cell(0, 4));
    EXPECT_EQ("8", Cell(0, 5));
    EXPECT_EQ("", Cell(2, 4));  // only in the base: no target time

    const SummaryPanel& transfer = m_dialog->TransferPanel();
    EXPECT_EQ("5 ", transfer.ValueText(0));
    EXPECT_EQ("5 ", transfer.ValueText(1));
    EXPECT_EQ("2 ", transfer.ValueText(2));
    EXPECT_EQ("2 ", transfer.ValueText(3));
    EXPECT_EQ("1 ", transfer.ValueText(4));
    for (const SummaryPanel* panel : {&transfer, &m_dialog->BasePanel(), &m_dialog->TargetPanel()}) {
        EXPECT_EQ("OK", panel->StatusText());
        EXPECT_EQ(RGB(192, 255, 192), panel->StatusColor());
    }
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
}

TEST_F(MainWindowTest, RowsAreColouredByTheirTransferMark)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_EQ(5, RowCount());
    HWND list = Item(IDC_RESULT_LIST);
    gui::Pump();
    gui::Capture shot(list);
    auto rowColor = [&](int row, int column) {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        return shot.Pixel(cell.left + 3, (cell.top + cell.bottom) / 2);
    };
    EXPECT_EQ(RGB(192, 192, 255), rowColor(0, 0));   // a.txt ↓
    EXPECT_EQ(RGB(192, 192, 255), rowColor(0, 6));
    EXPECT_EQ(RGB(255, 192, 192), rowColor(1, 0));   // b.txt ↑
    EXPECT_EQ(RGB(255, 192, 192), rowColor(1, 6));
    EXPECT_EQ(RGB(255, 255, 192), rowColor(4, 0));   // e.txt =
}

TEST_F(MainWindowTest, DownDirectionHidesTheTargetPanelAndStillEnablesSync)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    gui::Click(Dialog(), IDC_DIR_DOWN);
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_EQ(4, RowCount());  // the base table: a, b, c, e
    EXPECT_EQ("=", Cell(1, 1)); // b.txt is newer on the side that is not sent
    EXPECT_EQ("OK", m_dialog->BasePanel().StatusText());
    EXPECT_EQ("ERROR", m_dialog->TargetPanel().StatusText());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
}

TEST_F(MainWindowTest, AnEmptyFolderFieldClearsAndShowsNothing)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_EQ(5, RowCount());
    gui::SetText(Dialog(), IDC_TARGET_FOLDER, "");
    MakeList();
    EXPECT_EQ(0, RowCount());
    EXPECT_EQ("READY", m_dialog->TransferPanel().StatusText());
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
}

TEST_F(MainWindowTest, EveryDirectionClickAndTheToggleDiscardTheList)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    SetFolders(m_base, m_target);
    for (int control : {IDC_DIR_UP, IDC_DIR_DOWN, IDC_DIR_BOTH, IDC_DIR_BOTH, IDC_TWO_SECOND}) {
        MakeList();
        ASSERT_GT(RowCount(), 0);
        ASSERT_NE("READY", m_dialog->TransferPanel().StatusText());
        gui::Click(Dialog(), control);
        EXPECT_EQ(0, RowCount()) << control;
        EXPECT_EQ("READY", m_dialog->TransferPanel().StatusText()) << control;
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC))) << control;
    }
    EXPECT_EQ("1", Setting("ONESECSAME"));
    gui::Click(Dialog(), IDC_TWO_SECOND);
    EXPECT_EQ("0", Setting("ONESECSAME"));
}

TEST_F(MainWindowTest, RunSyncCopiesBothWaysAndShowsTheStateAfterwards)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    m_tree.Write("base\\表示\\sub\\f.txt", "deep", LocalFileTime(2012, 1, 2, 3, 4, 5));
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
    gui::Click(Dialog(), IDC_RUN_SYNC);

    EXPECT_EQ("new base", m_tree.Read("target\\a.txt"));
    EXPECT_EQ("new target", m_tree.Read("base\\b.txt"));
    EXPECT_EQ("only base", m_tree.Read("target\\c.txt"));
    EXPECT_EQ("only target", m_tree.Read("base\\d.txt"));
    EXPECT_EQ("deep", m_tree.Read("target\\表示\\sub\\f.txt"));
    ASSERT_EQ(6, RowCount());
    for (int row = 0; row < RowCount(); ++row)
        EXPECT_EQ("=", Cell(row, 1)) << Cell(row, 7);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
}

TEST_F(MainWindowTest, FilesNotCopiedAreNamedOnceTheListIsMadeAgain)
{
    const std::wstring hangul = L"한국어.txt";
    m_tree.Write("base\\" + StoredFromWide(hangul), "k", LocalFileTime(2011, 1, 1, 0, 0, 0));
    m_tree.Write("base\\locked.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    m_tree.Write("target\\locked.txt", "mine", LocalFileTime(2010, 1, 1, 0, 0, 0));
    m_tree.SetAttributes("target\\locked.txt", FILE_ATTRIBUTE_READONLY);
    Open();
    SetFolders(m_base, m_target);
    {
        gui::DialogAnswerer none("Mirvalen", IDNO, Dialog());
        MakeList();
        EXPECT_FALSE(none.Answered()); // everything was read: no message
    }
    // The list asks for Unicode texts: the name is shown as it is.
    wchar_t text[MAX_PATH] = L"";
    LVITEMW item{};
    item.iSubItem = kPathColumn;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(Item(IDC_RESULT_LIST), LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item)); // after locked.txt
    EXPECT_TRUE(hangul == text);

    gui::DialogAnswerer report("Mirvalen", IDNO, Dialog());
    gui::Click(Dialog(), IDC_RUN_SYNC);
    ASSERT_TRUE(report.Answered());
    EXPECT_NE(std::string::npos, report.MessageText().find("1 件のファイルをコピーできませんでした"));
    EXPECT_NE(std::string::npos, report.MessageText().find("読み取り専用"));
    EXPECT_EQ("mine", m_tree.Read("target\\locked.txt"));
    EXPECT_EQ("k", m_tree.Read("target\\" + StoredFromWide(hangul)));
    EXPECT_EQ(2, RowCount()); // the list was made again before the message
}

TEST_F(MainWindowTest, AFolderInsideTheOtherIsRefusedBeforeAnythingIsScanned)
{
    m_tree.Write("base\\a.txt", "a");
    Open();
    SetFolders(m_base, m_base + "inner\\");
    gui::DialogAnswerer refusal("Mirvalen", IDOK, Dialog());
    MakeList();
    ASSERT_TRUE(refusal.Answered());
    EXPECT_NE(std::string::npos, refusal.MessageText().find("対象フォルダが基本フォルダの中にあります"));
    EXPECT_EQ(0, RowCount());
}

TEST_F(MainWindowTest, HiddenSameRowsAreCountedAndRowsNumberedWithoutGaps)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    WriteSetting("SAMEHIDE", "1");
    m_tree.Write("base\\f.txt", "same", LocalFileTime(2010, 1, 1, 0, 0, 0));
    m_tree.Write("target\\f.txt", "same", LocalFileTime(2010, 1, 1, 0, 0, 0));
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_EQ(4, RowCount());
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(std::to_string(row + 1), Cell(row, 0));
    EXPECT_EQ(-1, RowOf(this, Item(IDC_RESULT_LIST), "e.txt"));
    EXPECT_EQ("2 ", m_dialog->TransferPanel().ValueText(4));
}

TEST_F(MainWindowTest, ClosingDuringABuildStopsItCleanly)
{
    for (int i = 0; i < 300; ++i)
        m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "x");
    Open();
    SetFolders(m_base, m_target);
    PostMessageA(Dialog(), WM_CLOSE, 0, 0);
    MakeList();  // the close request is handled from inside the scan
    gui::Pump();
    EXPECT_FALSE(m_dialog->m_hWnd && IsWindow(m_dialog->m_hWnd));
    EXPECT_EQ("500", Setting("DISPTIME"));
}

TEST_F(MainWindowTest, ClosingDuringASyncStopsItCleanly)
{
    for (int i = 0; i < 50; ++i)
        m_tree.Write("base\\f" + std::to_string(i) + ".txt", "x");
    Open();
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
    PostMessageA(Dialog(), WM_CLOSE, 0, 0);
    gui::Click(Dialog(), IDC_RUN_SYNC);
    gui::Pump();
    EXPECT_FALSE(m_dialog->m_hWnd && IsWindow(m_dialog->m_hWnd));
    int copied = 0;
    for (int i = 0; i < 50; ++i)
        copied += m_tree.Exists("target\\f" + std::to_string(i) + ".txt");
    EXPECT_LT(copied, 50);
}

TEST_F(MainWindowTest, CommandsThatChangeTheInputsAreRefusedDuringABuild)
{
    // Enough files that the build lasts for all four queued clicks: it lets one
    // message through every few milliseconds, and a program that says it knows
    // Windows 10 builds 300 files too fast under Wine for that.
    for (int i = 0; i < 1000; ++i)
        m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "x");
    Open();
    SetFolders(m_base, m_target);
    // Queued before the build starts, handled from inside it.
    PostMessageA(Item(IDC_DIR_UP), BM_CLICK, 0, 0);
    PostMessageA(Item(IDC_TWO_SECOND), BM_CLICK, 0, 0);
    PostMessageA(Item(IDC_MAKE_LIST), BM_CLICK, 0, 0);
    PostMessageA(Item(IDC_NEW_FAVORITE), BM_CLICK, 0, 0);
    MakeList();
    gui::Pump(50);
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_UP));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_TWO_SECOND));
    EXPECT_EQ(1000, RowCount());
    EXPECT_EQ("OK", m_dialog->TransferPanel().StatusText());
    EXPECT_EQ("<none>", Setting("ONESECSAME"));
    EXPECT_EQ(m_base, gui::Text(Dialog(), IDC_BASE_FOLDER));  // "新規作成" was refused too
}
