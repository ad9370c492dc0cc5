// Making the list and syncing from the window, on real folders.
#include "main_window_fixture.h"

#include "system/child_process.h"
#include "system/stored_name.h"
#include "tests/support/cli_worker.h"

TEST_F(MainWindowTest, MakeListFillsColouredRowsAndThePanelsInEveryDirectionAndEveryChangeDiscardsThem)
{
    WriteFiveFiles();
    EXPECT_EQ(IDCANCEL, Run([&] {
        // After a change of the inputs the list is gone and nothing can be synced.
        auto expectDiscarded = [&](int control) {
            gui::Click(Dialog(), control);
            EXPECT_EQ(0, RowCount()) << control;
            EXPECT_EQ("READY", Status(PanelKind::Transfer)) << control;
            EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC))) << control;
        };
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
        for (size_t row = 0; row < kTransferRowCount; ++row)
            EXPECT_EQ(std::string(1, "55221"[row]) + " ", Value(PanelKind::Transfer, row)) << row;
        gui::Capture panels(Dialog());
        for (PanelKind panel : kPanels) {
            EXPECT_EQ("OK", Status(panel));
            RECT status = gui::ChildRect(Item(PanelCellId(panel, kStatusCell)));
            EXPECT_EQ(RGB(192, 255, 192), panels.Pixel(status.left + 2, status.top + 2));
        }
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));

        // Each row is coloured by its transfer mark, across all its columns.
        HWND list = Item(IDC_RESULT_LIST);
        gui::Capture shot(list);
        auto colour = [&](int row, int column) {
            RECT cell{LVIR_BOUNDS, column, 0, 0};
            SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
            return shot.Pixel(cell.left + 3, (cell.top + cell.bottom) / 2);
        };
        for (int column : {0, 6}) {
            EXPECT_EQ(RGB(192, 192, 255), colour(0, column)); // ↓
            EXPECT_EQ(RGB(255, 192, 192), colour(1, column)); // ↑
            EXPECT_EQ(RGB(255, 255, 192), colour(4, column)); // =
        }

        // Down lists the base table: b.txt, newer on the side not sent, shows "=".
        expectDiscarded(IDC_DIR_DOWN);
        MakeList();
        ASSERT_EQ(4, RowCount());
        EXPECT_EQ("b.txt", Cell(1, 7));
        EXPECT_EQ("=", Cell(1, 1));
        EXPECT_EQ("OK", Status(PanelKind::Base));
        EXPECT_EQ("ERROR", Status(PanelKind::Target));  // hidden, not consulted
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));

        // Up lists the target table; sizes show grouped digits.
        m_tree.Write("target\\big.bin", std::string(1234567, 'x'), LocalFileTime(2010, 3, 5, 14, 7, 9));
        expectDiscarded(IDC_DIR_UP);
        MakeList();
        ASSERT_EQ(5, RowCount());
        const char* up[][8] = {
            {"1", "=", "", "2011/04/06 15:08:10", "2010/03/05 14:07:09", "8", "3", "a.txt"},
            {"2", "↑", "△", "2010/03/05 14:07:09", "2011/04/06 15:08:10", "3", "10", "b.txt"},
            {"3", "↑", "×", "", "2010/03/05 14:07:09", "", "1,234,567", "big.bin"},
            {"4", "↑", "×", "", "2010/03/05 14:07:09", "", "11", "d.txt"},
            {"5", "=", "", "2010/03/05 14:07:09", "2010/03/05 14:07:09", "4", "4", "e.txt"}};
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 8; ++column)
                EXPECT_EQ(up[row][column], Cell(row, column)) << row << "," << column;
        EXPECT_EQ("OK", Status(PanelKind::Target));

        for (int control : {IDC_DIR_BOTH, IDC_DIR_BOTH, IDC_TWO_SECOND}) {  // the chosen direction again too
            MakeList();
            expectDiscarded(control);
        }
        EXPECT_EQ("1", Setting("ONESECSAME"));  // the toggle is saved at once
        gui::Click(Dialog(), IDC_TWO_SECOND);
        EXPECT_EQ("0", Setting("ONESECSAME"));
        gui::SetText(Dialog(), IDC_TARGET_FOLDER, "");  // an emptied field: the next list shows nothing
        MakeList();
        EXPECT_EQ(0, RowCount());
        EXPECT_EQ("READY", Status(PanelKind::Transfer));
    }));
}

TEST_F(MainWindowTest, RunSyncCopiesBothWaysAndNamesTheFilesNotCopiedOnceTheListIsMadeAgain)
{
    WriteFiveFiles();
    const std::wstring hangul = L"한국어.txt";
    m_tree.Write("base\\表示\\sub\\" + StoredFromWide(hangul), "deep", LocalFileTime(2012, 1, 2, 3, 4, 5));
    m_tree.Write("base\\locked.txt", "new", LocalFileTime(2011, 1, 1, 0, 0, 0));
    m_tree.Write("target\\locked.txt", "mine", LocalFileTime(2010, 1, 1, 0, 0, 0));
    m_tree.SetAttributes("target\\locked.txt", FILE_ATTRIBUTE_READONLY);
    Run([&] {
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
        SendMessageW(Item(IDC_RESULT_LIST), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item)); // subfolders first
        EXPECT_TRUE(L"表示\\sub\\" + hangul == text);

        gui::DialogAnswerer report("Mirvalen", IDNO, Dialog(), [&](HWND) {
            ASSERT_EQ(7, RowCount()); // the list was made again before the message
            for (int row = 0; row < RowCount(); ++row)
                EXPECT_EQ(Cell(row, 7) == "locked.txt" ? "↓" : "=", Cell(row, 1)) << Cell(row, 7);
        });
        gui::Click(Dialog(), IDC_RUN_SYNC);
        ASSERT_TRUE(report.Answered());
        EXPECT_NE(std::string::npos, report.MessageText().find("1 件のファイルをコピーできませんでした"));
        EXPECT_NE(std::string::npos, report.MessageText().find("読み取り専用"));
    });
    EXPECT_EQ("new base", m_tree.Read("target\\a.txt"));
    EXPECT_EQ("new target", m_tree.Read("base\\b.txt"));
    EXPECT_EQ("only base", m_tree.Read("target\\c.txt"));
    EXPECT_EQ("only target", m_tree.Read("base\\d.txt"));
    EXPECT_EQ("deep", m_tree.Read("target\\表示\\sub\\" + StoredFromWide(hangul)));
    EXPECT_EQ("mine", m_tree.Read("target\\locked.txt"));
    EXPECT_EQ((Names{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "locked.txt", "表示"}), m_tree.Names("target\\"));
}

TEST_F(MainWindowTest, AFolderInsideTheOtherIsRefusedAndHiddenSameRowsLeaveNoGap)
{
    WriteFiveFiles();
    WriteSetting("SAMEHIDE", "1");
    m_tree.Write("base\\f.txt", "same", LocalFileTime(2010, 1, 1, 0, 0, 0));
    m_tree.Write("target\\f.txt", "same", LocalFileTime(2010, 1, 1, 0, 0, 0));
    Run([&] {
        SetFolders(m_base, m_base + "inner\\");
        gui::DialogAnswerer refusal("Mirvalen", IDOK, Dialog());
        MakeList();
        ASSERT_TRUE(refusal.Answered());
        EXPECT_NE(std::string::npos, refusal.MessageText().find("対象フォルダが基本フォルダの中にあります"));
        EXPECT_EQ(0, RowCount());
        EXPECT_FALSE(m_tree.Exists("base\\inner"));

        SetFolders(m_base, m_target);
        MakeList();
        ASSERT_EQ(4, RowCount());
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(std::to_string(row + 1), Cell(row, 0));
            EXPECT_NE("e.txt", Cell(row, 7));
        }
        EXPECT_EQ("2 ", Value(PanelKind::Transfer, kTransferSame));  // hidden, still counted
    });
}

// With worker processes from the first file on, as the program has them: the
// scan and copy workers are ended or finish their copies before the window goes.
TEST_F(MainWindowTest, ClosingDuringABuildOrASyncStopsItAndEndsTheWindow)
{
    for (int i = 0; i < 300; ++i)
        m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "x");
    WorkersFromTheStart workers;
    EXPECT_EQ(IDCANCEL, Run([&] {
        SetFolders(m_base, m_target);
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        MakeList();  // the close request is handled from inside the scan
        EXPECT_EQ(0, RowCount());
    }));
    EXPECT_TRUE(ClosedBySteps());
    EXPECT_EQ("500", Setting("DISPTIME"));  // saved on the way out

    EXPECT_EQ(IDCANCEL, Run([&] {
        SetFolders(m_base, m_target);
        MakeList();
        ASSERT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        gui::Click(Dialog(), IDC_RUN_SYNC);
    }));
    EXPECT_TRUE(ClosedBySteps());
    Names copied = m_tree.Names("target\\many\\");
    EXPECT_LT(copied.size(), 300u);
    for (const std::string& name : copied)  // whole files only, no temporary ones
        EXPECT_EQ("x", m_tree.Read("target\\many\\" + name)) << name;
}

TEST_F(MainWindowTest, CommandsThatChangeTheInputsAreRefusedDuringABuild)
{
    // Enough files that the build's steps let all four queued clicks through
    // before it ends: the matching looks at the queue once per entry.
    for (int i = 0; i < 1000; ++i)
        m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "x");
    Run([&] {
        SetFolders(m_base, m_target);
        // Queued before the build starts, handled from inside it.
        for (int button : {IDC_DIR_UP, IDC_TWO_SECOND, IDC_MAKE_LIST, IDC_NEW_FAVORITE})
            PostMessageA(Item(button), BM_CLICK, 0, 0);
        MakeList();
        gui::Pump();
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
        EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_UP));
        EXPECT_FALSE(gui::Checked(Dialog(), IDC_TWO_SECOND));
        EXPECT_EQ(1000, RowCount());
        EXPECT_EQ("OK", Status(PanelKind::Transfer));
        EXPECT_EQ("<none>", Setting("ONESECSAME"));
        EXPECT_EQ(m_base, gui::Text(Dialog(), IDC_BASE_FOLDER));  // "新規作成" was refused too
    });
}
