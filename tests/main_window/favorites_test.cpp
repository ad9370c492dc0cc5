// The favourites list of the main window: register, recall with its folder
// check, reorder, delete, and the file they are kept in.
#include "main_window_fixture.h"

#include "favorites/favorites_file.h"

#include <optional>

class FavoritesWindowTest : public MainWindowTest {
protected:
    HWND List() const { return Item(IDC_FAV_LIST); }
    int Count() const { return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0)); }
    int Selection() const { return static_cast<int>(SendMessageA(List(), LB_GETCURSEL, 0, 0)); }
    std::string Entry(int index) const
    {
        char text[1024] = "";
        SendMessageA(List(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    Names Entries() const { return {Entry(0), Entry(1), Entry(2)}; }  // the first three
    void Register(const std::string& name, const std::string& base, const std::string& target) const
    {
        gui::SetText(Dialog(), IDC_FAV_NAME, name);
        SetFolders(base, target);
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);
    }
    FavoritesTable Saved() const { return ReadFavoritesFile(m_tree.Path("favorites.bdt")).table; }
    // The folder-not-found notice, if one is shown.
    static HWND Notice()
    {
        std::vector<HWND> notices = Notices();
        return notices.empty() ? nullptr : notices.front();
    }
};

TEST_F(FavoritesWindowTest, RegisterAppendsOrUpdatesTheSelectionAndTheListSurvivesARestart)
{
    Run([&] {
        gui::Click(Dialog(), IDC_DIR_UP);
        Register("", m_base, m_target);
        EXPECT_EQ("□　名称未設定", gui::Text(Dialog(), IDC_FAV_NAME));
        ASSERT_EQ(1, Count());
        EXPECT_EQ("□　名称未設定", Entry(0));
        FavoritesTable saved = Saved();  // saved at once
        ASSERT_EQ(1, saved.count());
        EXPECT_EQ(m_base, saved.items[0].baseFolder);
        EXPECT_EQ(1, saved.items[0].direction);

        SelectFavorite(0);
        gui::SetText(Dialog(), IDC_FAV_NAME, "写真");
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);  // updates the selection...
        ASSERT_EQ(1, Count());
        EXPECT_EQ("写真", Entry(0));
        EXPECT_EQ(-1, Selection());
        gui::Click(Dialog(), IDC_REGISTER_FAVORITE);  // ...and then appends a copy
        EXPECT_EQ(2, Count());
        EXPECT_EQ(2, Saved().count());

        gui::DialogAnswerer tooLong("Mirvalen", IDOK, Dialog());
        Register(std::string(600, 'n'), m_base, m_target);
        EXPECT_TRUE(tooLong.Answered());
        EXPECT_EQ(2, Count());
    });
    Run([&] {
        ASSERT_EQ(2, Count());
        EXPECT_EQ("写真", Entry(1));
        SelectFavorite(1);
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_UP));
    });
}

TEST_F(FavoritesWindowTest, RecallFillsTheFieldsAndDirectionClearsTheListAndNamesMissingFolders)
{
    WriteFiveFiles();
    WriteSetting("DISPTIME", "300");
    Run([&] {
        gui::Click(Dialog(), IDC_DIR_DOWN);
        Register("家", m_base, m_target);
        gui::Click(Dialog(), IDC_NEW_FAVORITE);
        EXPECT_EQ("", gui::Text(Dialog(), IDC_BASE_FOLDER));
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_BOTH));
        SetFolders(m_base, m_target);
        MakeList();
        ASSERT_GT(RowCount(), 0);
        SelectFavorite(0);
        EXPECT_EQ(0, RowCount());
        EXPECT_EQ("家", gui::Text(Dialog(), IDC_FAV_NAME));
        EXPECT_EQ(m_base, gui::Text(Dialog(), IDC_BASE_FOLDER));
        EXPECT_TRUE(gui::Checked(Dialog(), IDC_DIR_DOWN));
        EXPECT_FALSE(gui::Checked(Dialog(), IDC_DIR_BOTH));
        EXPECT_EQ(nullptr, Notice());  // both folders exist

        const std::string gone = m_tree.Path("gone"), target = m_tree.Path("target");  // no "\": it is added
        struct Case {
            std::string base, target, notice;
        } cases[] = {{gone, target, "基本フォルダが、みつかりません"},
                     {m_base, "", "対象フォルダが、みつかりません"},
                     {gone, gone, "基本フォルダ及び対象フォルダが、みつかりません"}};
        for (const Case& c : cases) {
            Register("古い", c.base, c.target);
            SelectFavorite(Count() - 1);
            HWND notice = Notice();
            ASSERT_NE(nullptr, notice) << c.notice;
            EXPECT_EQ("Mirvalen", gui::Text(notice));
            EXPECT_EQ(c.notice, gui::Text(notice, IDC_NOTICE_TEXT));
            RECT rect, work;
            GetWindowRect(notice, &rect);
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            EXPECT_NEAR((work.left + work.right) / 2, (rect.left + rect.right) / 2, 1);
            // The missing folder's field is emptied; the other gets its "\".
            EXPECT_EQ(c.base == gone ? "" : m_base, gui::Text(Dialog(), IDC_BASE_FOLDER));
            EXPECT_EQ(c.target == target ? target + "\\" : "", gui::Text(Dialog(), IDC_TARGET_FOLDER));
            if (c.target.empty()) {  // its close box ends it at once; the timer later finds nothing to end
                SendMessageA(notice, WM_CLOSE, 0, 0);
                EXPECT_EQ(nullptr, Notice());
            }
            EXPECT_TRUE(gui::WaitFor([&] { return !IsWindow(notice); }, 5000));  // ends after DISPTIME
        }
    });
}

TEST_F(FavoritesWindowTest, MovesSwapNeighboursAndDeleteAsksWithAWarningFirst)
{
    Run([&] {
        for (const char* name : {"一", "二", "三"})
            Register(name, m_base, m_target);
        SendMessageA(List(), LB_SETCURSEL, 2, 0);
        gui::Click(Dialog(), IDC_FAV_DOWN);  // last: nothing
        gui::Click(Dialog(), IDC_FAV_UP);
        EXPECT_EQ((Names{"一", "三", "二"}), Entries());
        EXPECT_EQ(1, Selection());
        SendMessageA(List(), LB_SETCURSEL, 0, 0);
        gui::Click(Dialog(), IDC_FAV_UP);  // first: nothing
        gui::Click(Dialog(), IDC_FAV_DOWN);
        EXPECT_EQ((Names{"三", "一", "二"}), Entries());

        SendMessageA(List(), LB_SETCURSEL, -1, 0);  // nothing selected: registering appends
        Register("消す", m_base, m_target);
        for (int button : {IDCANCEL, IDOK}) {
            SendMessageA(List(), LB_SETCURSEL, 3, 0);
            HICON icon = nullptr;
            gui::DialogAnswerer answer("Mirvalen", button, Dialog(), [&](HWND box) { icon = gui::MessageBoxIcon(box); });
            gui::Click(Dialog(), IDC_FAV_DELETE);
            EXPECT_EQ("[ 消す ] を削除しますか", answer.MessageText());
            EXPECT_EQ(LoadIconA(nullptr, IDI_EXCLAMATION), icon);
            EXPECT_EQ(button == IDOK ? 3 : 4, Count());
        }
    });
    FavoritesTable saved = Saved();
    ASSERT_EQ(3, saved.count());
    EXPECT_EQ((Names{"三", "一", "二"}), (Names{saved.items[0].name, saved.items[1].name, saved.items[2].name}));
}

TEST_F(FavoritesWindowTest, AFileThatCannotBeReadIsReportedAndNeverOverwrittenADamagedOneKept)
{
    FavoritesTable table;
    table.Append("大事", m_base, m_target, 2);
    ASSERT_FALSE(WriteFavoritesFile(m_tree.Path("favorites.bdt"), table));
    const std::string before = m_tree.Read("favorites.bdt");
    HANDLE lock = CreateFileA(m_tree.Path("favorites.bdt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    {
        gui::DialogAnswerer atStart("Mirvalen", IDOK);
        std::optional<gui::DialogAnswerer> atClose;  // the refusal to overwrite it
        Run([&] {
            CloseHandle(lock);
            EXPECT_TRUE(atStart.Answered());
            EXPECT_EQ(0, Count());
            atClose.emplace("Mirvalen", IDOK, Dialog());
        });
        EXPECT_TRUE(atClose->Answered());
    }
    EXPECT_EQ(before, m_tree.Read("favorites.bdt"));

    std::string header(24, '\0');
    header[0] = 5;  // announces five records, holds none
    header.replace(4, 5, "1.0.0");
    m_tree.Write("favorites.bdt", header);
    gui::DialogAnswerer damaged("Mirvalen", IDOK);
    Run([&] { EXPECT_EQ(0, Count()); });
    EXPECT_TRUE(damaged.Answered());
    EXPECT_EQ(header, m_tree.Read("favorites.bdt.bak"));  // the original is kept
}
