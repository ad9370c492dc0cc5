#include "tests/support/browser_driver.h"

#include "engine/stored_name.h"

#include "tests/support/gui_harness.h"

#include <commctrl.h>
#include <shlobj.h>

namespace gui {

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
