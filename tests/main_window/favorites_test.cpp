// The favourites list of the main window: register, recall with its folder
// check, reorder, delete, and the file they are kept in.
#include "main_window_fixture.h"

#include "favorites/favorites_file.h"

namespace {

std::string ListEntry(HWND list, int index)
{
    char text[1024] = "";
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace

class FavoritesWindowTest : public MainWindowTest {
protected:
    HWND List() const { return Item(IDC_FAV_LIST); }
    int Count() const { return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0)); }
    int Selection() const { return static_cast<int>(SendMessageA(List(), LB_GETCURSEL, 0, 0)); }
    // Selects as the user does: the list tells its window of the change.
    void Select(int index) const
    {
        SendMessageA(List(), LB_SETCURSEL, index, 0);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_FAV_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List()));
    }
    void Register(const std::string& name, const std::string& base, const std::string& target) const
    {
        gui::SetText(Dialog(), IDC_FAV_NAME, name);
        SetFolders(base, target);
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);
    }
    FavoritesTable Saved() const { return ReadFavoritesFile(m_tree.Path("favorites.bdt")).table; }
    // The folder-not-found notice of this window, if one is shown.
    HWND Notice() const
    {
        for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            if (w != Dialog() && IsWindowVisible(w) && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()
                && GetDlgItem(w, IDC_NOTICE_TEXT))
                return w;
        return nullptr;
    }
};

TEST_F(FavoritesWindowTest, RegisterAppendsThenUpdatesTheSelectedFavourite)
{
    Open();
    gui::Click(Dialog(), IDC_DIR_UP);
    Register("", m_base, m_target);
    EXPECT_EQ("□　名称未設定", gui::Text(Dialog(), IDC_FAV_NAME));
    ASSERT_EQ(1, Count());
    EXPECT_EQ("□　名称未設定", ListEntry(List(), 0));
    FavoritesTable saved = Saved();
    ASSERT_EQ(1, saved.count());
    EXPECT_EQ(m_base, saved.items[0].baseFolder);
    EXPECT_EQ(1, saved.items[0].direction);
    EXPECT_NE("<none>", Setting("FAVPATH"));

    Select(0);
    gui::SetText(Dialog(), IDC_FAV_NAME, "写真");
    gui::Click(Dialog(), IDC_REGISTER_FAVORITE);  // updates the selection...
    ASSERT_EQ(1, Count());
    EXPECT_EQ("写真", ListEntry(List(), 0));
    EXPECT_EQ(-1, Selection());
    gui::Click(Dialog(), IDC_REGISTER_FAVORITE);  // ...and then appends a copy
    ASSERT_EQ(2, Count());
    EXPECT_EQ(2, Saved().count());
}

TEST_F(FavoritesWindowTest, RecallFillsFieldsAndDirectionAndClearsTheList)
{
    WriteFiveFileExample(m_tree, m_base, m_target);
    Open();
    gui::Click(Dialog(), IDC_DIR_DOWN);
    Register("家", m_base, m_target);
    gui::Click(Dialog(), IDC_NEW_FAVORITE);
    EXPECT_EQ("", gui::Text(Dialog(), IDC_BASE_FOLDER));
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
    SetFolders(m_base, m_target);
    MakeList();
    ASSERT_GT(RowCount(), 0);

    Select(0);
    EXPECT_EQ(0, RowCount());
    EXPECT_EQ("家", gui::Text(Dialog(), IDC_FAV_NAME));
    EXPECT_EQ(m_base, gui::Text(Dialog(), IDC_BASE_FOLDER));
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_DOWN));
    EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_BOTH));
    EXPECT_EQ(nullptr, Notice());  // both folders exist
}

TEST_F(FavoritesWindowTest, RecallOfAMissingFolderShowsATimedNoticeAndEmptiesItsField)
{
    WriteSetting("DISPTIME", "300");
    Open();
    std::string missing = m_tree.Path("gone");
    std::string existing = m_tree.Path("target");  // no trailing "\": it is added
    Register("古い", missing, existing);
    Select(0);
    HWND notice = Notice();
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ("Mirvalen", gui::Text(notice));
    RECT rect, work;
    GetWindowRect(notice, &rect);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (rect.left + rect.right) / 2, 1);
    EXPECT_EQ("基本フォルダが、みつかりません", gui::Text(notice, IDC_NOTICE_TEXT));
    EXPECT_EQ("", gui::Text(Dialog(), IDC_BASE_FOLDER));
    EXPECT_EQ(existing + "\\", gui::Text(Dialog(), IDC_TARGET_FOLDER));
    gui::Pump(700);
    EXPECT_FALSE(IsWindow(notice));
}

TEST_F(FavoritesWindowTest, AnEmptyTargetCountsAsMissing)
{
    Open();
    Register("片方", m_base, "");
    Select(0);
    ASSERT_NE(nullptr, Notice());
    EXPECT_EQ("対象フォルダが、みつかりません", gui::Text(Notice(), IDC_NOTICE_TEXT));
    // Its close box ends it at once; the timer later finds nothing to end.
    SendMessageA(Notice(), WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, Notice());
    gui::Pump(600);
}

TEST_F(FavoritesWindowTest, MovesSwapNeighboursAndDoNothingAtTheEnds)
{
    Open();
    Register("一", m_base, m_target);
    Register("二", m_base, m_target);
    Register("三", m_base, m_target);
    SendMessageA(List(), LB_SETCURSEL, 2, 0);
    gui::Click(Dialog(), IDC_FAV_DOWN);  // last: nothing
    EXPECT_EQ("三", ListEntry(List(), 2));
    gui::Click(Dialog(), IDC_FAV_UP);
    EXPECT_EQ("三", ListEntry(List(), 1));
    EXPECT_EQ("二", ListEntry(List(), 2));
    EXPECT_EQ(1, Selection());
    SendMessageA(List(), LB_SETCURSEL, 0, 0);
    gui::Click(Dialog(), IDC_FAV_UP);  // first: nothing
    EXPECT_EQ("一", ListEntry(List(), 0));
    gui::Click(Dialog(), IDC_FAV_DOWN);
    EXPECT_EQ("三", ListEntry(List(), 0));
    EXPECT_EQ("一", ListEntry(List(), 1));
    Close();
    FavoritesTable saved = Saved();
    ASSERT_EQ(3, saved.count());
    EXPECT_EQ("三", saved.items[0].name);
    EXPECT_EQ("一", saved.items[1].name);
    EXPECT_EQ("二", saved.items[2].name);
}

TEST_F(FavoritesWindowTest, DeleteAsksFirstAndCancelKeepsTheFavourite)
{
    Open();
    Register("消す", m_base, m_target);
    SendMessageA(List(), LB_SETCURSEL, 0, 0);
    {
        gui::DialogAnswerer answer("Mirvalen", IDCANCEL);
        gui::Click(Dialog(), IDC_FAV_DELETE);
        EXPECT_EQ("[ 消す ] を削除しますか", answer.MessageText());
    }
    EXPECT_EQ(1, Count());
    SendMessageA(List(), LB_SETCURSEL, 0, 0);
    {
        gui::DialogAnswerer answer("Mirvalen", IDOK);
        gui::Click(Dialog(), IDC_FAV_DELETE);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(0, Count());
    Close();
    EXPECT_EQ(24, static_cast<int>(m_tree.Read("favorites.bdt").size()));
}

TEST_F(FavoritesWindowTest, TheDeleteQuestionLooksLikeAWarning)
{
    Open();
    Register("消す", m_base, m_target);
    SendMessageA(List(), LB_SETCURSEL, 0, 0);
    HICON shown = nullptr;
    {
        gui::DialogAnswerer answer("Mirvalen", IDCANCEL);
        answer.Before([](HWND box, void* icon) { *static_cast<HICON*>(icon) = gui::MessageBoxIcon(box); }, &shown);
        gui::Click(Dialog(), IDC_FAV_DELETE);
        ASSERT_TRUE(answer.Answered());
    }
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(LoadIconA(nullptr, IDI_EXCLAMATION), shown);
}

TEST_F(FavoritesWindowTest, FavouritesSurviveARestart)
{
    Open();
    gui::Click(Dialog(), IDC_DIR_UP);
    Register("毎日", m_base, m_target);
    Close();
    Open();
    ASSERT_EQ(1, Count());
    EXPECT_EQ("毎日", ListEntry(List(), 0));
    Select(0);
    EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_UP));
}

TEST_F(FavoritesWindowTest, TooLongANameIsRefusedWithAMessage)
{
    Open();
    gui::DialogAnswerer answer("Mirvalen", IDOK);
    Register(std::string(600, 'n'), m_base, m_target);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(0, Count());
    EXPECT_FALSE(m_tree.Exists("favorites.bdt"));
}

TEST_F(FavoritesWindowTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten)
{
    FavoritesTable table;
    table.Append("大事", m_base, m_target, 2);
    ASSERT_FALSE(WriteFavoritesFile(m_tree.Path("favorites.bdt"), table));
    std::string before = m_tree.Read("favorites.bdt");
    HANDLE lock = CreateFileA(m_tree.Path("favorites.bdt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    {
        gui::DialogAnswerer answer("Mirvalen", IDOK);
        Open();
        EXPECT_TRUE(answer.Answered());
    }
    CloseHandle(lock);
    EXPECT_EQ(0, Count());
    gui::DialogAnswerer answer("Mirvalen", IDOK);  // the refusal at close
    Close();
    EXPECT_EQ(before, m_tree.Read("favorites.bdt"));
}

TEST_F(FavoritesWindowTest, ADamagedFileIsReportedAndWhatItHoldsIsListed)
{
    std::string header(24, '\0');
    header[0] = 5;  // announces five records, holds none
    header.replace(4, 5, "1.0.0");
    m_tree.Write("favorites.bdt", header);
    gui::DialogAnswerer answer("Mirvalen", IDOK);
    Open();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(0, Count());
    EXPECT_EQ(header, m_tree.Read("favorites.bdt.bak"));  // the original is kept
}
