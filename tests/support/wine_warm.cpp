// Run once before the tests, so that no test pays for what Wine sets up on
// first use (many seconds in a new prefix, during which a dialog under test
// misses its timers): draws with the dialogs' Japanese font, which builds the
// font cache, and opens the shell's folder browser on a new folder until it
// has selected it (it may miss the first requests: it is asked again).
#include <windows.h>
#include <shlobj.h>

namespace {

const char* const kFolder = "C:\\mirvalen-warm";
const char* const kSubfolder = "C:\\mirvalen-warm\\sub";
DWORD g_started = 0;
HWND g_browser = nullptr;

int CALLBACK OnBrowserEvent(HWND browser, UINT msg, LPARAM lp, LPARAM)
{
    char path[MAX_PATH] = "";
    if (msg == BFFM_INITIALIZED)
        g_browser = browser;
    else if (msg == BFFM_SELCHANGED && SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lp), path)
             && lstrcmpiA(path, kSubfolder) == 0)
        PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

void CALLBACK AskAgain(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_browser && GetTickCount() - g_started > 60000)
        PostMessageA(g_browser, WM_COMMAND, IDCANCEL, 0);
    else if (g_browser)
        SendMessageA(g_browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(kSubfolder));
}

} // namespace

int main()
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "ＭＳ Ｐゴシック");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, "基本フォルダ", 12, &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);

    CreateDirectoryA(kFolder, nullptr);
    CreateDirectoryA(kSubfolder, nullptr);
    CoInitialize(nullptr);
    g_started = GetTickCount();
    UINT_PTR timer = SetTimer(nullptr, 0, 250, AskAgain);
    BROWSEINFOA info{};
    info.lpszTitle = "warm";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = OnBrowserEvent;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&info))
        CoTaskMemFree(item);
    KillTimer(nullptr, timer);
    CoUninitialize();
    RemoveDirectoryA(kSubfolder);
    RemoveDirectoryA(kFolder);
    return 0;
}
