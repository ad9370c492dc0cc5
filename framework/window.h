// CWnd: a window handle with a message map. It never owns the window it names
// (the window owns itself), and cannot be copied. No exception leaves a
// handler for Windows: RouteMessage shows the program's message for it and
// answers the message as unwanted.
#pragma once
#include "framework/button.h"

#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
    LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, id, msg, wp, lp);
    }
    bool IsChecked(int id) const { return CButton(GetDlgItem(id)).IsChecked(); }
    void SetCheck(int id, bool checked) const { CButton(GetDlgItem(id)).SetCheck(checked); }
    void CenterWindow(HWND alternateOwner = nullptr) const;

    // The member names above are also Win32 function names (the A macros map both),
    // and a member hides a global of its name: these keep the plain Win32 calls
    // working unqualified inside every window class.
    static LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return ::SendMessageA(hwnd, msg, wp, lp); }
    static LRESULT SendDlgItemMessage(HWND hwnd, int id, UINT msg, WPARAM wp, LPARAM lp)
    {
        return ::SendDlgItemMessageA(hwnd, id, msg, wp, lp);
    }
    static UINT GetDlgItemText(HWND hwnd, int id, char* text, int size) { return ::GetDlgItemTextA(hwnd, id, text, size); }
    static BOOL SetDlgItemText(HWND hwnd, int id, const char* text) { return ::SetDlgItemTextA(hwnd, id, text); }
    static int GetWindowText(HWND hwnd, char* text, int size) { return ::GetWindowTextA(hwnd, text, size); }
    static BOOL SetWindowText(HWND hwnd, const char* text) { return ::SetWindowTextA(hwnd, text); }

    // Takes over an existing window's procedure: its messages go through this
    // object's message map first, then to the original procedure.
    bool SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();

    // A window class of this layer: every field of windowClass but its procedure
    // is the caller's. Registering a class again does nothing.
    static bool RegisterWindowClass(WNDCLASSA windowClass);
    // Creates a window of such a class for this object, at the place Windows
    // chooses. The object is handed over in lpParam and so routes every message
    // from WM_NCCREATE on (WM_CREATE included); the window's default processing
    // is DefWindowProc.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, SIZE size, HWND parent);

    // Text of a window, for the common case of an HWND not wrapped.
    static std::string TextOf(HWND hwnd);

    // A handler that wants the default processing after all calls SetMsgHandled(false).
    void SetMsgHandled(bool handled) { m_msgHandled = handled; }
    bool IsMsgHandled() const { return m_msgHandled; }

protected:
    // Returns true when the message map handled the message; result is then its answer.
    virtual bool ProcessWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Called once the window is gone (WM_NCDESTROY), the object no longer
    // attached. When a handler destroys its own window, the call waits until
    // that handler has returned, so an object may delete itself here.
    virtual void OnFinalMessage() {}
    // The window's last message arrived: OnFinalMessage now or once the handlers
    // in progress have returned.
    void WindowGone();

    // The message being handled, for handlers that serve several messages or
    // controls (the lParam of WM_COMMAND is the control that sent it).
    UINT CurrentMessage() const { return m_currentMessage; }
    LPARAM CurrentLParam() const { return m_currentLParam; }

    bool RouteMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT DefaultProcessing(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Attach(HWND hwnd, WNDPROC defaultProc);
    WNDPROC m_originalProc = nullptr;
    int m_routeDepth = 0;       // handlers of this window in progress
    bool m_finalPending = false;
    bool m_msgHandled = true;
    UINT m_currentMessage = 0;
    LPARAM m_currentLParam = 0;
};

HINSTANCE AppInstance();
