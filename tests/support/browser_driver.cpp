#include "tests/support/browser_driver.h"

#include "engine/stored_name.h"

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
    CreateDirectoryW(WideFromStored(Path(relative)).c_str(), nullptr);
}

namespace {

// In the stored form, so that a name Shift-JIS cannot write is compared exactly.
std::string ItemText(HWND tree, HTREEITEM handle)
{
    wchar_t text[MAX_PATH] = L"";
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = handle;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return handle && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? StoredFromWide(text) : "";
}

// The child of parent (the tree's top items for none) shown as name.
HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const std::string& name)
{
    HTREEITEM child = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
    for (; child; child = TreeView_GetNextSibling(tree, child))
        if (ItemText(tree, child) == name)
            return child;
    return nullptr;
}

} // namespace

std::string BrowserSelection(HWND browser)
{
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    return ItemText(tree, TreeView_GetSelection(tree));
}

void SelectInBrowser(HWND browser, const std::string& path)
{
    // The browser may take a while (seconds, the first time in a new prefix) and,
    // under Wine, several requests to reach a branch it has not expanded yet; a
    // neighbour of the folder it shows it sometimes never reaches by path, so that
    // one is clicked in the tree instead. Ask until the tree shows the folder selected.
    std::string folder = path.size() > 3 && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    std::string leaf = folder.substr(folder.find_last_of('\\') + 1);
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    std::wstring wide = WideFromStored(path);
    WaitFor([&] {
        if (ItemText(tree, TreeView_GetSelection(tree)) == leaf)
            return true;
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
        Pump();
        HTREEITEM selected = TreeView_GetSelection(tree);
        HTREEITEM neighbour = ChildNamed(tree, selected ? TreeView_GetParent(tree, selected) : nullptr, leaf);
        if (neighbour)
            TreeView_SelectItem(tree, neighbour);
        return false;
    });
}

} // namespace gui
