#include "gui_harness.h"

#include "system/stored_name.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

namespace gui {

namespace {
std::vector<DialogAnswerer*> g_answerers;
} // namespace

std::string Text(HWND window)
{
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(std::max(GetWindowTextA(window, text.data(), static_cast<int>(text.size())), 0));
    return text;
}

std::string ListCell(HWND list, int row, int column)
{
    char text[600] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int FindListRow(HWND list, int column, const std::string& text)
{
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        if (ListCell(list, row, column) == text)
            return row;
    return -1;
}

void SelectListRows(HWND list, const std::vector<int>& rows)
{
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    for (int row : rows) {
        state.state = row == rows.front() ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {  // for the loop that runs the window
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount();;) {
        Pump();
        if (condition())
            return true;
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs)
            return false;
        // Wakes for the next message, or soon for a condition that no message announces.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - spent, 10), QS_ALLINPUT);
    }
}

RECT ChildRect(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HICON MessageBoxIcon(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(child, cls, sizeof cls);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return nullptr;
}

namespace {

// A visible top-level dialog of this thread with the given caption (kFolderBrowser: the folder browser).
HWND FindThreadWindow(const std::string& caption)
{
    std::pair<const std::string*, HWND> search{&caption, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<decltype(search)*>(lp);
            char cls[64] = "";
            GetClassNameA(hwnd, cls, sizeof cls);
            bool wanted = s->first->empty() ? FindWindowExA(hwnd, nullptr, "SysTreeView32", nullptr) != nullptr
                                            : Text(hwnd) == *s->first;
            if (IsWindowVisible(hwnd) && lstrcmpiA(cls, "#32770") == 0 && wanted)
                s->second = hwnd;
            return !s->second;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

} // namespace

DialogAnswerer::DialogAnswerer(std::string caption, int buttonId, HWND except, std::function<void(HWND)> before)
    : m_caption(std::move(caption)), m_buttonId(buttonId), m_except(except), m_before(std::move(before))
{
    g_answerers.push_back(this);
    m_timer = SetTimer(nullptr, 0, 20, &DialogAnswerer::OnTimer);
}

DialogAnswerer::~DialogAnswerer()
{
    KillTimer(nullptr, m_timer);
    std::erase(g_answerers, this);
}

void CALLBACK DialogAnswerer::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    for (DialogAnswerer* answerer : g_answerers)
        if (answerer->m_timer == timer)
            return answerer->Poll();  // which may add and remove answerers: the loop ends here
}

void DialogAnswerer::Poll()
{
    if (m_answered)
        return;
    // Message boxes lie above the window that owns them, which may carry the same caption.
    HWND dialog = FindThreadWindow(m_caption);
    if (!dialog || dialog == m_except)
        return;
    m_answered = true;
    m_messageText = Text(GetDlgItem(dialog, 0xFFFF));
    if (m_before)
        m_before(dialog);
    if (HWND button = GetDlgItem(dialog, m_buttonId))
        PostMessageA(button, BM_CLICK, 0, 0);
    else
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(m_buttonId, BN_CLICKED), 0);
}

Capture::Capture(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    // What the window and its children have painted, read back from its surface.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    HDC windowDc = GetDC(window);
    BitBlt(memory, 0, 0, m_width, m_height, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(m_width) * m_height; ++i)  // BGRA to COLORREF
        m_pixels.push_back(RGB((source[i] >> 16) & 0xFF, (source[i] >> 8) & 0xFF, source[i] & 0xFF));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Capture::Pixel(int x, int y) const
{
    bool inside = x >= 0 && y >= 0 && x < m_width && y < m_height;
    return inside ? m_pixels[static_cast<size_t>(y) * m_width + x] : CLR_INVALID;
}

int Capture::Count(COLORREF color, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == color;
    return count;
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
        HTREEITEM selected = TreeView_GetSelection(tree), parent = selected ? TreeView_GetParent(tree, selected) : nullptr;
        for (HTREEITEM child = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree); child;
             child = TreeView_GetNextSibling(tree, child))
            if (ItemText(tree, child) == leaf) {  // the neighbour: clicked in the tree
                TreeView_SelectItem(tree, child);
                break;
            }
        return false;
    });
}

} // namespace gui
