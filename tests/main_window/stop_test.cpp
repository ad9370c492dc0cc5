// Stopping a list build or a copy from the window with the popup's 中止, the
// popup that nothing else ends, and the count of files it shows meanwhile.
#include "main_window_fixture.h"

#include "tests/support/cli_worker.h"

#include <cstdio>

namespace {

// The files a label "リスト作成中… 12,345 件" counts; 0 for any other text.
long long CountIn(std::string label)
{
    std::erase(label, ',');
    long long count = 0;
    return std::sscanf(label.c_str(), "リスト作成中… %lld 件", &count) == 1 ? count : 0;
}

// Tab brings the focus to 中止, yet Enter presses nothing, and neither it nor a
// close request ends the popup: the target's scan goes on in its worker
// process, whose count the popup shows, until 中止 is pressed.
TEST_F(MainWindowTest, OnlyStopEndsABuildAndLeavesNoListOnceTheCountOfBothTreesHasMoved)
{
    WriteFolderChain("base", 30);  // long enough for the worker to start
    WriteFolderChain("target", 500);
    WorkersFromTheStart workers;
    Run([&] {
        SetFolders(m_base, m_target);
        HWND popup = nullptr;
        long long stoppedAt = 0;
        {
            PopupWatch watch([&](HWND open) {
                if (!popup) {
                    popup = open;
                    PostMessageA(open, WM_KEYDOWN, VK_TAB, 0);
                    PostMessageA(GetDlgItem(open, IDC_PROGRESS_STOP), WM_KEYDOWN, VK_RETURN, 0);
                    PostMessageA(open, WM_CLOSE, 0, 0);
                }
                long long count = CountIn(gui::Text(open, IDC_PROGRESS_TEXT));
                if (open == popup && count > 31 && !stoppedAt) {
                    stoppedAt = count;
                    gui::Click(open, IDC_PROGRESS_STOP);
                }
            });
            MakeList();
        }
        EXPECT_GT(stoppedAt, 31);   // the same popup, past the base's files
        EXPECT_LT(stoppedAt, 531);  // before the worker's table came
        EXPECT_FALSE(IsWindow(popup));
        EXPECT_EQ(0, RowCount());
        EXPECT_EQ("READY", Status(PanelKind::Transfer));
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
        SetFolders(m_base, m_base);  // a new list, of a folder against itself
        MakeList();
        EXPECT_EQ(31, RowCount());
    });
    EXPECT_FALSE(ClosedBySteps());
}

TEST_F(MainWindowTest, StopDuringASyncLetsTheCopiesInFlightEndWholeAndNamesTheRest)
{
    for (int i = 0; i < 300; ++i)
        m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "whole");
    Run([&] {
        SetFolders(m_base, m_target);
        MakeList();
        gui::DialogAnswerer report("Mirvalen", IDNO, Dialog());
        {
            PopupWatch watch([&](HWND open) {
                if (gui::Text(open, IDC_PROGRESS_TEXT) == "同期中です")
                    gui::Click(open, IDC_PROGRESS_STOP);
            });
            gui::Click(Dialog(), IDC_RUN_SYNC);
        }
        ASSERT_TRUE(report.Answered());
        Names copied = m_tree.Names("target\\many\\");
        EXPECT_LT(copied.size(), 300u);
        for (const std::string& name : copied) {  // whole files only, no temporary ones
            EXPECT_NE(0u, name.rfind("~mrv", 0));
            EXPECT_EQ("whole", m_tree.Read("target\\many\\" + name)) << name;
        }
        EXPECT_NE(std::string::npos,
                  report.MessageText().find(std::to_string(300 - copied.size()) + " 件のファイルをコピーできませんでした"));
        EXPECT_NE(std::string::npos, report.MessageText().find("中止したため"));
        EXPECT_EQ(300, RowCount());  // the list made again
    });
}

} // namespace
