#include "main_window_fixture.h"

#include <tuple>

namespace {

// The steps of the window now opening, run once from a timer inside its modal loop.
const std::function<void()>* g_steps = nullptr;
CMirvalenDlg* g_opening = nullptr;

void CALLBACK StartSteps(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND window = g_opening ? g_opening->m_hWnd : nullptr;
    // Up and accepting input: no message box of its start-up is open over it.
    if (!window || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return;
    KillTimer(nullptr, timer);
    g_opening = nullptr;
    (*g_steps)();
}

// A window that the close did not end within ten seconds would keep the test waiting.
void CALLBACK CloseDidNotEnd(HWND window, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE() << "closing did not end the window";
    EndDialog(window, -2);
}

const std::function<void(HWND)>* g_watching = nullptr;

void CALLBACK WatchPopup(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            if (!IsWindowVisible(window) || !GetDlgItem(window, IDC_PROGRESS_BAR))
                return TRUE;
            (*g_watching)(window);
            return FALSE;
        },
        0);
}

} // namespace

PopupWatch::PopupWatch(std::function<void(HWND)> each)
    : m_each(std::move(each)), m_timer(SetTimer(nullptr, 0, 10, WatchPopup))
{
    g_watching = &m_each;
}

void MainWindowTest::SetUp()
{
    m_app.m_profileName = m_tree.Path("Mirvalen.ini");
    for (const std::string* folder : {&m_base, &m_target})
        m_tree.MakeDir(folder->substr(m_tree.Root().size()));
    WriteSetting("FAVPATH", m_tree.Path("favorites.bdt"));
}

// Wine takes seconds over the deep paths of a chain; the host removes it at once.
void MainWindowTest::TearDown()
{
    for (const std::string& folder : m_chains)
        m_tree.OnHost("rm -rf " + folder + "/d", [&] { return !m_tree.Exists(folder + "\\d"); });
}

INT_PTR MainWindowTest::Run(const std::function<void()>& steps)
{
    m_dialog = std::make_unique<CMirvalenDlg>();
    m_dialog->SetListDonePause(0);
    m_app.m_mainWnd = m_dialog.get();
    bool ran = false;
    std::function<void()> all = [&] {
        ran = true;
        steps();
        gui::Pump();  // a close the steps posted
        m_closedBySteps = m_dialog->Cancelled();
        if (!m_closedBySteps)  // as the user's click on the close box would
            PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        SetTimer(Dialog(), 0xC105E, 10000, CloseDidNotEnd);
    };
    g_steps = &all;
    g_opening = m_dialog.get();
    UINT_PTR timer = SetTimer(nullptr, 0, 10, StartSteps);
    INT_PTR result = m_dialog->DoModal();
    KillTimer(nullptr, timer);
    m_app.m_mainWnd = nullptr;
    EXPECT_TRUE(ran) << "the window never came up";
    EXPECT_EQ(nullptr, m_dialog->m_hWnd);
    return result;
}

std::string MainWindowTest::Setting(const char* key) const
{
    char value[1024] = "";
    GetPrivateProfileStringA("Mirvalen", key, "<none>", value, sizeof value, m_app.m_profileName.c_str());
    return value;
}

std::string MainWindowTest::Cell(int row, int column) const
{
    return gui::ListCell(Item(IDC_RESULT_LIST), row, column);
}

void MainWindowTest::WriteFolderChain(const std::string& folder, int depth)
{
    m_chains.push_back(folder);
    std::string chain, deepest = folder + "\\";
    for (int i = 0; i < depth; ++i) {
        chain += "d/";
        deepest += "d\\";
    }
    ASSERT_TRUE(m_tree.OnHost("cd " + folder + " && mkdir -p " + chain + " && find . -type d | sed 's|$|/f|' | xargs touch",
                              [&] { return m_tree.Exists(deepest + "f"); }));
}

void MainWindowTest::WriteFiveFiles() const
{
    FILETIME older = LocalFileTime(2010, 3, 5, 14, 7, 9), newer = LocalFileTime(2011, 4, 6, 15, 8, 10);
    for (auto [path, content, time] : {std::tuple{"base\\a.txt", "new base", newer}, {"target\\a.txt", "old", older},
                                       {"base\\b.txt", "old", older}, {"target\\b.txt", "new target", newer},
                                       {"base\\c.txt", "only base", older}, {"target\\d.txt", "only target", older},
                                       {"base\\e.txt", "same", older}, {"target\\e.txt", "same", older}})
        m_tree.Write(path, content, time);
}

void MainWindowTest::SelectFavorite(int index) const
{
    HWND list = Item(IDC_FAV_LIST);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_FAV_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<HWND> MainWindowTest::Notices()
{
    std::vector<HWND> notices;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            if (IsWindowVisible(w) && GetDlgItem(w, IDC_NOTICE_TEXT))
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&notices));
    return notices;
}
