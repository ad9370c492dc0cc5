#include "ui/folder_picker.h"

#include "engine/path_text.h"
#include "engine/stored_name.h"

#include "app/module_folder.h"
#include "framework/app.h"

#include <utility>

namespace {

// The file-system path of a browser item; false for an item that has none
// (a virtual folder such as the computer or the network) and for a path that
// Shift-JIS cannot write: the code page's best fit ("D:\Cafe\" for
// "D:\Café\") may name another folder, so such a choice is refused with a message.
bool PathOfItem(LPCITEMIDLIST item, std::string& path)
{
    wchar_t buffer[MAX_PATH] = L"";
    if (!SHGetPathFromIDListW(item, buffer) || buffer[0] == L'\0')
        return false;
    if (ExactShiftJis(buffer, path))
        return true;
    AppMessageBox("選んだフォルダのパスには、Shift-JIS で書けない文字（? の所）があるため使えません。\n"
                      + PrintableStored(StoredFromWide(buffer)) + "\n\n別のフォルダを選んでください。",
                  MB_OK | MB_ICONWARNING);
    return false;
}

// At most maxBytes of text, never ending in the middle of a double-byte character.
std::string Clipped(const char* text, size_t maxBytes)
{
    const char* end = text;
    while (*end) {
        const char* next = CharNextA(end);
        if (static_cast<size_t>(next - text) > maxBytes)
            break;
        end = next;
    }
    return std::string(text, end);
}

HWND MainWindow()
{
    CWinApp* app = AfxGetApp();
    return app && app->m_mainWnd ? app->m_mainWnd->m_hWnd : nullptr;
}

// Selects a path in the open browser. Under Wine the browser misses a folder
// whose branch of the tree it has not expanded yet, and the first attempt
// expands it; asking twice costs nothing where the first attempt succeeds.
void SelectPath(HWND browser, const char* path)
{
    for (int attempt = 0; attempt < 2; ++attempt)
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path));
}

// Selects the initial path once the browser is open.
int CALLBACK BrowseInitProc(HWND hwnd, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED && data)
        SelectPath(hwnd, reinterpret_cast<const char*>(data));
    return 0;
}

} // namespace

int BrowseForFolder(HWND owner, const char* initialPath, const char* title, std::string& out)
{
    // No BIF_ flag: the browser also offers items that are not file-system folders.
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.lpfn = &BrowseInitProc;
    info.lParam = reinterpret_cast<LPARAM>(initialPath);
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item)
        return 2;
    std::string path;
    bool hasPath = PathOfItem(item, path);
    CoTaskMemFree(item);
    if (!hasPath)
        return 2;
    out = path;
    return 1;
}

bool BrowseFolderField(HWND owner, const std::string& fieldText, const char* title, std::string& result)
{
    std::string initial = fieldText.empty() ? GetModuleFolder() : fieldText;
    std::string chosen;
    if (BrowseForFolder(owner, initial.c_str(), title, chosen) != 1)
        return false;
    result = WithTrailingBackslash(chosen);
    return true;
}

CFolderPicker::CFolderPicker(UINT flags, const char* title, int rootFolderId, HWND owner)
    : m_rootFolderId(rootFolderId), m_flags(flags), m_owner(owner)
{
    if (title)
        m_title = Clipped(title, 255);
}

CFolderPicker::~CFolderPicker()
{
    FreePidls(nullptr);
}

void CFolderPicker::Setup(UINT flags, const char* title, int rootFolderId)
{
    m_flags = flags;
    if (title)
        m_title = Clipped(title, 255);
    m_rootFolderId = rootFolderId;
}

int CFolderPicker::Browse()
{
    Reset();
    return DoBrowse();
}

int CFolderPicker::Browse(int initialFolderId)
{
    Reset();
    m_initialFolderId = initialFolderId;
    return DoBrowse();
}

int CFolderPicker::Browse(const char* initialPath)
{
    Reset();
    if (initialPath)
        m_initialPath = Clipped(initialPath, 519);
    return DoBrowse();
}

void CFolderPicker::Reset()
{
    FreePidls(nullptr);
    m_initialFolderId = 0;
    m_initialPath.clear();
    m_path.clear();
    m_displayName.clear();
}

int CFolderPicker::DoBrowse()
{
    if (!GetFolderPidl(m_rootFolderId, m_rootPidl) || !GetFolderPidl(m_initialFolderId, m_initialPidl)) {
        FreePidls(nullptr);
        return -1;
    }
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = m_owner ? m_owner : MainWindow();
    info.pidlRoot = m_rootPidl;
    info.pszDisplayName = displayName;
    info.lpszTitle = m_title.c_str();
    info.ulFlags = m_flags;
    info.lpfn = &CFolderPicker::BrowseCallbackProc;
    info.lParam = reinterpret_cast<LPARAM>(this);
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) {
        FreePidls(nullptr);
        return 2;
    }
    bool hasPath = PathOfItem(item, m_path);
    FreePidls(item);
    if (!hasPath)
        return 2;
    m_displayName = displayName;
    return 1;
}

bool CFolderPicker::GetFolderPidl(int folderId, LPITEMIDLIST& out)
{
    out = nullptr;
    return folderId == 0 || SUCCEEDED(SHGetSpecialFolderLocation(MainWindow(), folderId, &out));
}

void CFolderPicker::FreePidls(LPITEMIDLIST item)
{
    CoTaskMemFree(item);
    CoTaskMemFree(std::exchange(m_rootPidl, nullptr));
    CoTaskMemFree(std::exchange(m_initialPidl, nullptr));
}

int CALLBACK CFolderPicker::BrowseCallbackProc(HWND hwnd, UINT msg, LPARAM lp, LPARAM data)
{
    auto* self = reinterpret_cast<CFolderPicker*>(data);
    switch (msg) {
    case BFFM_INITIALIZED:
        if (!self->m_initialPath.empty())
            SelectPath(hwnd, self->m_initialPath.c_str());
        else if (self->m_initialPidl)
            ::SendMessageA(hwnd, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(self->m_initialPidl));
        self->SubclassWindow(hwnd);
        self->OnInitialized();
        break;
    case BFFM_SELCHANGED:
        self->OnSelChanged(hwnd, reinterpret_cast<LPCITEMIDLIST>(lp));
        break;
    case BFFM_VALIDATEFAILEDA:
        self->OnValidateFailed(reinterpret_cast<const char*>(lp));
        break;
    }
    return 0;
}
