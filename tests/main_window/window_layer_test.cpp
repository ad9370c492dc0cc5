// The main window while a list is built (the keyboard, a quit request, the
// favourites selection a refused click puts back) and its folder-not-found notice.
#include "main_window_fixture.h"

#include "favorites/favorites_file.h"

#include <vector>

class WindowLayerTest : public MainWindowTest {
protected:
    // Folders whose list takes long enough to handle, from inside the build,
    // the messages queued before it starts.
    void WriteALongBuild() const
    {
        for (int i = 0; i < 1000; ++i)
            m_tree.Write("base\\many\\f" + std::to_string(i) + ".txt", "x");
    }
    void Register(const std::string& name) const
    {
        gui::SetText(Dialog(), IDC_FAV_NAME, name);
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);
    }
};

// An update clears the selection; the direction click refused afterwards must
// not bring back the selection the build started with, or the next
// registration would overwrite the favourite instead of adding one.
TEST_F(WindowLayerTest, ARefusedClickAfterAnUpdateDuringABuildKeepsTheSelectionCleared)
{
    WriteALongBuild();
    Run([&] {
        SetFolders(m_base, m_target);
        Register("一");
        SelectFavorite(0);
        gui::SetText(Dialog(), IDC_FAV_NAME, "二");
        PostMessageA(Item(IDC_REGISTER_FAVORITE), BM_CLICK, 0, 0);  // updates "一" to "二"
        PostMessageA(Item(IDC_DIR_UP), BM_CLICK, 0, 0);             // refused
        PostMessageA(Item(IDC_REGISTER_FAVORITE), BM_CLICK, 0, 0);  // adds a second favourite
        MakeList();
        gui::Pump();
        FavoritesTable saved = ReadFavoritesFile(m_tree.Path("favorites.bdt")).table;
        ASSERT_EQ(2, saved.count());
        EXPECT_EQ("二", saved.items[0].name);
        EXPECT_EQ(-1, SendMessageA(Item(IDC_FAV_LIST), LB_GETCURSEL, 0, 0));
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
        EXPECT_EQ(1000, RowCount());
    });
}

// Escape during a build, whichever window has the focus, does what the
// popup's 中止 does: the build stops with no list, the window stays, and the
// next build runs to its end. So it does while the finished list waits under
// its popup at 100%.
TEST_F(WindowLayerTest, EscapeDuringABuildStopsItAndTheWindowStays)
{
    WriteALongBuild();
    Run([&] {
        SetFolders(m_base, m_target);
        PostMessageA(Item(IDC_BASE_FOLDER), WM_KEYDOWN, VK_ESCAPE, 0);
        MakeList();
        EXPECT_EQ(0, RowCount());
        EXPECT_EQ("READY", Status(PanelKind::Transfer));
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_RUN_SYNC)));
        MakeList();
        EXPECT_EQ(1000, RowCount());
        m_dialog->SetListDonePause(10000);
        PopupWatch watch([](HWND popup) {
            if (gui::Text(popup, IDC_PROGRESS_BAR) == "100%")
                PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        MakeList();
        EXPECT_EQ(0, RowCount());
    });
    EXPECT_FALSE(ClosedBySteps());
}

// A quit request closes the window as the close box does, which stops the
// build, and stays queued, with its exit code, for the loop that runs the window.
TEST_F(WindowLayerTest, AQuitRequestDuringABuildStopsItAndIsPassedOn)
{
    WriteALongBuild();
    EXPECT_EQ(IDCANCEL, Run([&] {
        SetFolders(m_base, m_target);
        PostQuitMessage(3);
        MakeList();
        EXPECT_LT(RowCount(), 1000);
    }));
    EXPECT_TRUE(ClosedBySteps());
    EXPECT_TRUE(m_tree.Exists("favorites.bdt")) << "saved as at any close";
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

TEST_F(WindowLayerTest, ASecondFolderNoticeReplacesTheFirstAndEndsOnTime)
{
    WriteSetting("DISPTIME", "300");
    Run([&] {
        SetFolders(m_tree.Path("gone"), m_target);
        Register("一");
        Register("二");
        SelectFavorite(0);
        std::vector<HWND> first = Notices();
        ASSERT_EQ(1u, first.size());
        SelectFavorite(1);
        std::vector<HWND> second = Notices();
        ASSERT_EQ(1u, second.size());
        EXPECT_FALSE(IsWindow(first[0]));
        EXPECT_TRUE(gui::WaitFor([] { return Notices().empty(); }, 5000));
    });
}
