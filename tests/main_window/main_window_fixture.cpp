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

} // namespace

void MainWindowTest::SetUp()
{
    m_app.m_profileName = m_tree.Path("Mirvalen.ini");
    for (const std::string* folder : {&m_base, &m_target})
        m_tree.MakeDir(folder->substr(m_tree.Root().size()));
    WriteSetting("FAVPATH", m_tree.Path("favorites.bdt"));
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
