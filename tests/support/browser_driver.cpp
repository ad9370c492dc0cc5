#include "tests/support/browser_driver.h"

#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"

#include <commctrl.h>
#include <shlobj.h>

#include <vector>

namespace gui {

namespace {

std::vector<BrowserDriver*> g_drivers;

// The folder browser is the thread's visible dialog that holds a tree view.
HWND FindBrowser()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            char cls[64] = "";
            GetClassNameA(hwnd, cls, sizeof cls);
            if (IsWindowVisible(hwnd) && lstrcmpA(cls, "#32770") == 0
                && FindWindowExA(hwnd, nullptr, "SysTreeView32", nullptr)) {
                *reinterpret_cast<HWND*>(lp) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

BrowserDriver::BrowserDriver(int buttonId, std::function<void(HWND)> before)
    : m_buttonId(buttonId), m_before(std::move(before))
{
    g_drivers.push_back(this);
    m_timer = SetTimer(nullptr, 0, 20, &BrowserDriver::OnTimer);
}

BrowserDriver::~BrowserDriver()
{
    KillTimer(nullptr, m_timer);
    std::erase(g_drivers, this);
}

void CALLBACK BrowserDriver::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    for (BrowserDriver* driver : g_drivers)
        if (driver->m_timer == timer)
            return driver->Poll();
}

void BrowserDriver::Poll()
{
    if (m_pressed)
        return;
    HWND browser = FindBrowser();
    if (!browser)
        return;
    m_pressed = true;
    if (m_before)
        m_before(browser);
    PostMessageA(GetDlgItem(browser, m_buttonId), BM_CLICK, 0, 0);
}

// Named after the process and the time: a folder of a finished run by the same
// name may still be known to the shell, which then misses the new one's contents.
BrowseFolders::BrowseFolders()
    : m_root("C:\\mirvalen-browse-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount())
             + "\\")
{
    CreateDirectoryA(m_root.c_str(), nullptr);
}

BrowseFolders::~BrowseFolders()
{
    RemoveTree(m_root);
}

void BrowseFolders::MakeDir(const std::string& relative) const
{
    CreateDirectoryA(Path(relative).c_str(), nullptr);
}

void SelectInBrowser(HWND browser, const std::string& path)
{
    // The browser may take a while (seconds, the first time in a new prefix) and,
    // under Wine, a second request to reach a branch it has not expanded yet: ask
    // until the tree shows the folder selected.
    std::string folder = path.size() > 3 && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    std::string leaf = folder.substr(folder.find_last_of('\\') + 1);
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    for (int attempt = 0; attempt < 400; ++attempt) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        Pump(10);
        char text[MAX_PATH] = "";
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = TreeView_GetSelection(tree);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (item.hItem && TreeView_GetItem(tree, &item) && leaf == text)
            return;
    }
}

} // namespace gui
