#include "framework/window.h"

#include "framework/app.h"
#include "framework/string_ids.h"

#include <new>

namespace {

const char* const kThisProperty = "CWnd.this";

// Tells the user that a handler failed (called inside the catch). Its work
// was not done, so the message is answered as if it had not been wanted.
// Nothing here allocates: memory may be what ran out. A failure while the
// message box is up (a repaint behind it, say) is not reported again.
void ReportHandlerFailure(HWND window) noexcept
{
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    UINT textId = IDS_FW_HANDLER_FAILED;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        textId = IDS_FW_OUT_OF_MEMORY;
    } catch (...) {
    }
    char text[512] = "";
    LoadStringA(AppInstance(), textId, text, sizeof text);
    const char* title = "";
    try {
        if (CWinApp* app = AfxGetApp())
            title = app->Title().c_str();
    } catch (...) {
    }
    HWND owner = window && IsWindow(window) ? GetAncestor(window, GA_ROOT) : nullptr;
    MessageBoxA(owner, text, title, MB_OK | MB_ICONERROR);
    reporting = false;
}

} // namespace

HINSTANCE AppInstance()
{
    return GetModuleHandleA(nullptr);
}

CWnd::~CWnd()
{
    if (m_originalProc)
        UnsubclassWindow();
}

std::string CWnd::TextOf(HWND hwnd)
{
    int length = GetWindowTextLengthA(hwnd);
    std::string text(length + 1, '\0');
    int got = ::GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? got : 0);
    return text;
}

std::string CWnd::GetWindowText() const
{
    return TextOf(m_hWnd);
}

std::string CWnd::GetDlgItemText(int id) const
{
    return TextOf(GetDlgItem(id));
}

void CWnd::CenterWindow(HWND alternateOwner) const
{
    HWND owner = alternateOwner ? alternateOwner : GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT self;
    GetWindowRect(m_hWnd, &self);
    int width = self.right - self.left, height = self.bottom - self.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CWnd::RouteMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    UINT outerMessage = m_currentMessage;
    LPARAM outerLParam = m_currentLParam;
    bool outerHandled = m_msgHandled;
    m_currentMessage = msg;
    m_currentLParam = lp;
    ++m_routeDepth;
    bool handled = true;
    try {
        handled = ProcessWindowMessage(msg, wp, lp, result);
    } catch (...) {
        ReportHandlerFailure(m_hWnd);
        result = msg == WM_CREATE ? -1 : 0;  // a window whose creation failed is not made
    }
    m_currentMessage = outerMessage;
    m_currentLParam = outerLParam;
    m_msgHandled = outerHandled;
    if (--m_routeDepth == 0 && m_finalPending) {
        m_finalPending = false;
        OnFinalMessage();  // may delete this: nothing of the object is touched after it
    }
    return handled;
}

void CWnd::WindowGone()
{
    if (m_routeDepth > 0)
        m_finalPending = true;
    else
        OnFinalMessage();
}

void CWnd::Attach(HWND hwnd, WNDPROC defaultProc)
{
    m_hWnd = hwnd;
    SetPropA(hwnd, kThisProperty, this);
    m_originalProc = defaultProc;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (m_originalProc || !hwnd)
        return false;
    Attach(hwnd, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc));
    return m_originalProc != nullptr;
}

bool CWnd::RegisterWindowClass(WNDCLASSA windowClass)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &existing))
        return true;
    windowClass.lpfnWndProc = &CWnd::ClassProc;
    return RegisterClassA(&windowClass) != 0;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, SIZE size, HWND parent)
{
    return CreateWindowExA(exStyle, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, parent,
                           nullptr, AppInstance(), this)
        != nullptr;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    if (m_originalProc && hwnd) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
        RemovePropA(hwnd, kThisProperty);
    }
    m_originalProc = nullptr;
    m_hWnd = nullptr;
    return hwnd;
}

LRESULT CWnd::DefaultProcessing(UINT msg, WPARAM wp, LPARAM lp)
{
    return CallWindowProcA(m_originalProc, m_hWnd, msg, wp, lp);
}

// The procedure of the classes registered here: the object arrives with
// WM_NCCREATE (the few messages before it get the default processing).
LRESULT CALLBACK CWnd::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self && !self->m_originalProc)
            self->Attach(hwnd, DefWindowProcA);
    }
    return SubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = static_cast<CWnd*>(GetPropA(hwnd, kThisProperty));
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    LRESULT result = 0;
    if (msg != WM_NCDESTROY && self->RouteMessage(msg, wp, lp, result))
        return result;
    WNDPROC original = self->m_originalProc;
    if (msg == WM_NCDESTROY) {
        self->UnsubclassWindow();
        LRESULT r = CallWindowProcA(original, hwnd, msg, wp, lp);
        self->WindowGone();
        return r;
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
}
