// Choices for rows of the result list, from the 編集 menu: what is offered,
// what the rows and panels then show, and what the sync copies.
#include "main_window_fixture.h"

#include <fstream>
#include <iterator>

namespace {

bool Offered(HWND dialog, int command)
{
    HMENU edit = GetSubMenu(GetMenu(dialog), 1);
    SendMessageA(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
    return !(GetMenuState(edit, command, MF_BYCOMMAND) & MF_GRAYED);
}

// The popup menu open now, found from a timer inside its modal loop, which it then ends.
HMENU g_shownMenu = nullptr;
void CALLBACK CatchShownMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    g_shownMenu = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    KillTimer(nullptr, timer);
    EndMenu();
}

} // namespace

// Two pairs of the same time and other sizes: each settled one way, the
// replaced version in the bin.
TEST_F(MainWindowTest, AnUndecidedPairIsCopiedTheWayTheUserChoosesWithTheOldVersionInTheBin)
{
    const std::string trash = EmptiedTrash();
    FILETIME time = LocalFileTime(2010, 3, 5, 14, 7, 9);
    m_tree.Write("base\\down.txt", "base wins", time);
    m_tree.Write("target\\down.txt", "target's", time);
    m_tree.Write("base\\up.txt", "base's", time);
    m_tree.Write("target\\up.txt", "target wins", time);
    m_tree.Write("base\\new.txt", "new", LocalFileTime(2011, 4, 6, 15, 8, 10));
    Run([&] {
        SetFolders(m_base, m_target);
        MakeList();
        HWND list = Item(IDC_RESULT_LIST);
        ASSERT_EQ(5, RowCount());
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(Cell(row, 7) == "new.txt" ? "↓" : "？", Cell(row, 1)) << Cell(row, 7);
        // Undecided rows are counted as not copied: the rest can be synced.
        EXPECT_EQ("1 ", Value(PanelKind::Transfer, kTransferDown));
        EXPECT_EQ("4 ", Value(PanelKind::Transfer, kTransferSame));
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));

        // Either row of a pair settles the pair: both rows show the arrow, one copy is counted.
        int downRow = gui::FindListRow(list, kPathColumn, "down.txt");
        gui::SelectListRows(list, {downRow + 1});
        EXPECT_TRUE(Offered(Dialog(), ID_EDIT_COPY_UP));
        Command(ID_EDIT_COPY_DOWN);
        EXPECT_EQ("↓＊", Cell(downRow, 1));
        EXPECT_EQ("↓＊", Cell(downRow + 1, 1));
        gui::SelectListRows(list, {gui::FindListRow(list, kPathColumn, "up.txt")});
        Command(ID_EDIT_COPY_UP);
        const char* expected[kTransferRowCount] = {"5 ", "5 ", "2 ", "1 ", "2 "};
        for (std::size_t row = 0; row < kTransferRowCount; ++row)
            EXPECT_EQ(expected[row], Value(PanelKind::Transfer, row)) << row;
        for (PanelKind panel : kPanels)
            EXPECT_EQ("OK", Status(panel));
        gui::Click(Dialog(), IDC_RUN_SYNC);
    });
    EXPECT_EQ("base wins", m_tree.Read("target\\down.txt"));
    EXPECT_EQ("target wins", m_tree.Read("base\\up.txt"));
    EXPECT_EQ("new", m_tree.Read("target\\new.txt"));
    if (!trash.empty()) {
        std::ifstream old(trash + "\\files\\down.txt", std::ios::binary);
        EXPECT_EQ("target's", std::string(std::istreambuf_iterator<char>(old), {}));
    }
}

// One-way lists offer only their own way; a file missing on a side is never
// copied from there; choices go back to the list's decision, and a new list
// starts without them.
TEST_F(MainWindowTest, ChoicesOfferOnlyWhatTheRowsAllowAndANewListDiscardsThem)
{
    WriteFiveFiles(); // a ↓△, b ↑△, c ↓×, d ↑×, e =
    Run([&] {
        SetFolders(m_base, m_target);
        HWND list = Item(IDC_RESULT_LIST);
        gui::Click(Dialog(), IDC_DIR_DOWN);
        MakeList();
        gui::SelectListRows(list, {0});
        EXPECT_TRUE(Offered(Dialog(), ID_EDIT_COPY_DOWN));
        EXPECT_FALSE(Offered(Dialog(), ID_EDIT_COPY_UP));
        EXPECT_TRUE(Offered(Dialog(), ID_EDIT_NO_COPY));
        EXPECT_FALSE(Offered(Dialog(), ID_EDIT_AUTOMATIC)); // nothing chosen yet

        // Several rows at once: nothing left to copy, and back.
        gui::SelectListRows(list, {0, 2});
        Command(ID_EDIT_NO_COPY);
        EXPECT_EQ("=＊", Cell(0, 1));
        EXPECT_EQ("=＊", Cell(2, 1));
        EXPECT_EQ("0 ", Value(PanelKind::Transfer, kTransferDown));
        EXPECT_EQ("OK", Status(PanelKind::Transfer));
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
        EXPECT_TRUE(Offered(Dialog(), ID_EDIT_AUTOMATIC));
        Command(ID_EDIT_AUTOMATIC);
        EXPECT_EQ("↓", Cell(0, 1));
        EXPECT_EQ("↓", Cell(2, 1));
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_RUN_SYNC)));

        // The context menu, here opened from the keyboard, is the 編集 menu itself.
        SetTimer(nullptr, 0, 20, CatchShownMenu);
        SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
        EXPECT_EQ(GetSubMenu(GetMenu(Dialog()), 1), g_shownMenu);

        gui::Click(Dialog(), IDC_DIR_UP);
        MakeList();
        gui::SelectListRows(list, {0});
        EXPECT_FALSE(Offered(Dialog(), ID_EDIT_COPY_DOWN));
        EXPECT_TRUE(Offered(Dialog(), ID_EDIT_COPY_UP));

        // Both ways: c.txt, only in the base, cannot come up; the newer target b.txt
        // may be overwritten on purpose.
        gui::Click(Dialog(), IDC_DIR_BOTH);
        MakeList();
        gui::SelectListRows(list, {gui::FindListRow(list, kPathColumn, "c.txt")});
        EXPECT_FALSE(Offered(Dialog(), ID_EDIT_COPY_UP));
        int b = gui::FindListRow(list, kPathColumn, "b.txt");
        gui::SelectListRows(list, {b});
        Command(ID_EDIT_COPY_DOWN);
        EXPECT_EQ("↓＊", Cell(b, 1));
        EXPECT_EQ("3 ", Value(PanelKind::Transfer, kTransferDown));
        EXPECT_EQ("1 ", Value(PanelKind::Transfer, kTransferUp));
        MakeList();
        EXPECT_EQ("↑", Cell(b, 1));
        EXPECT_EQ("2 ", Value(PanelKind::Transfer, kTransferDown));
    });
}
