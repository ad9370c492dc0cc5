// Run once before the tests, so that no test pays for what Wine sets up on
// first use (many seconds in a new prefix, during which a dialog under test
// misses its timers): creates a window and draws with the dialogs' Japanese
// font, which builds the font cache, and opens the shell's folder browser on a
// new folder until it has selected it.
#include <windows.h>
#include <shlobj.h>


namespace {

const char* const kFolder = "C:\\mirvalen-warm";
const char* const kSubfolder = "C:\\mirvalen-warm\\sub";
DWORD g_started = 0;

int CALLBACK OnBrowserEvent(HWND browser, UINT msg, LPARAM lp, LPARAM)
{
    if (msg == BFFM_INITIALIZED) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(kSubfolder));
        SetTimer(browser, 1, 200, nullptr);
    } else if (msg == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lp), path);
        if (lstrcmpiA(path, kSubfolder) == 0 || GetTickCount() - g_started > 60000)
            PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

// Asks again until the browser gets there (it may miss the first requests).
void CALLBACK AskAgain(HWND, UINT, UINT_PTR, DWORD)
{
    HWND browser = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            if (IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND*>(lp) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&browser));
    if (!browser)
        return;
    if (GetTickCount() - g_started > 60000)
        PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
    else
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(kSubfolder));
}

} // namespace

int main()
{
    HWND hwnd = CreateWindowExA(0, "STATIC", "warm", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(hwnd);
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             "ＭＳ Ｐゴシック");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, "基本フォルダ", 12, &size);
    TextOutA(dc, 0, 0, "基本フォルダ", 12);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);

    CreateDirectoryA(kFolder, nullptr);
    CreateDirectoryA(kSubfolder, nullptr);
    CoInitialize(nullptr);
    g_started = GetTickCount();
    UINT_PTR timer = SetTimer(nullptr, 0, 250, AskAgain);
    BROWSEINFOA info{};
    info.lpszTitle = "warm";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = OnBrowserEvent;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item)
        CoTaskMemFree(item);
    KillTimer(nullptr, timer);
    CoUninitialize();
    RemoveDirectoryA(kSubfolder);
    RemoveDirectoryA(kFolder);
    return 0;
}
