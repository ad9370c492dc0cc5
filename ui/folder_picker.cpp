#include "ui/folder_picker.h"

#include "settings/module_folder.h"
#include "system/path_text.h"
#include "system/stored_name.h"
#include "framework/app.h"


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

// Selects a path in the open browser. Under Wine the browser misses a folder
// whose branch of the tree it has not expanded yet, and the first attempt
// expands it; asking twice costs nothing where the first attempt succeeds.
void SelectPath(HWND browser, const char* path)
{
    for (int attempt = 0; attempt < 2; ++attempt)
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path));
}

// The browser's callback: selects the initial folder once the browser is open.
int CALLBACK SelectInitialFolder(HWND hwnd, UINT msg, LPARAM, LPARAM data) noexcept
{
    if (msg == BFFM_INITIALIZED && data)
        SelectPath(hwnd, reinterpret_cast<const char*>(data));
    return 0;
}

} // namespace

bool BrowseForFolder(HWND owner, const std::string& initialFolder, const char* title, std::string& chosen, UINT flags)
{
    std::string initial = initialFolder.empty() ? GetModuleFolder() : initialFolder;
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = flags;
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item)
        return false;
    std::string path;
    bool hasPath = PathOfItem(item, path);
    CoTaskMemFree(item);
    if (!hasPath)
        return false;
    chosen = WithTrailingBackslash(path);
    return true;
}
