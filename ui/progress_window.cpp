#include "ui/progress_window.h"

#include "framework/controls.h"
#include "framework/dpi.h"

namespace {
// Fixed client pixels at 96 DPI, not dialog units: the bar is 300 pixels wide
// with a 10-pixel margin whatever the dialog font. The message's box starts
// left of the client area: its centred text stands left of the bar's middle,
// where the popup has always shown it.
const RECT kMessageRect{-20, 10, 180, 40};
const RECT kBarRect{10, 40, 310, 80};
const COLORREF kTextColor = RGB(0, 0, 0); // over the part not yet filled
const COLORREF kBarColor = RGB(120, 160, 255);
} // namespace

CProgressWnd::CProgressWnd(std::function<void()> pumpOneMessage, HWND parent)
    : CDialogImpl(IDD, parent), m_pumpOneMessage(std::move(pumpOneMessage))
{
}

// A command that ends early leaves its popup open; it must not outlive this object.
CProgressWnd::~CProgressWnd()
{
    Close();
}

std::span<const MessageEntry<CProgressWnd>> CProgressWnd::MessageMap()
{
    return {};
}

bool CProgressWnd::CreatePopup()
{
    if (!Create(m_parent))
        return false;
    LayoutControls();
    return true;
}

// Scaled with the screen's DPI.
void CProgressWnd::LayoutControls()
{
    int dpi = WindowDpi(m_hWnd);
    m_bar.Create(m_hWnd, WS_CHILD | WS_VISIBLE | WS_BORDER | PBS_SMOOTH, ScaleToDpi(kBarRect, dpi), IDC_PROGRESS_BAR);
    CreateStatic(m_hWnd, {m_message, SS_CENTER, ScaleToDpi(kMessageRect, dpi), IDC_PROGRESS_TEXT});
    m_bar.SetRange(0, 100);
    m_bar.SetTextColor(kTextColor);
    m_bar.SetBarColor(kBarColor);
}

void CProgressWnd::SetPercent(int percent)
{
    m_bar.SetWindowText(std::to_string(percent) + "%");
    m_bar.SetPos(percent);
    if (m_pumpOneMessage)
        m_pumpOneMessage();
}

void CProgressWnd::Close()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}
