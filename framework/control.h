// CControl: the base of the typed control wrappers (button.h, edit.h,
// list_box.h, list_view.h, progress_bar.h). It holds the handle of a child
// control without owning it (the dialog destroys its controls) and cannot be
// copied. Each wrapper has one-line methods over the control's messages, and
// only those the program uses.
#pragma once
#include <windows.h>

class CControl {
public:
    CControl() = default;
    explicit CControl(HWND hwnd) : m_hWnd(hwnd) {}
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    // For a member wrapper, once its dialog has made the control.
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    operator HWND() const { return m_hWnd; }

protected:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }

private:
    HWND m_hWnd = nullptr;
};
