#include "ui/progress_window.h"

#include "framework/controls.h"
#include "framework/dpi.h"

namespace {
// Fixed client pixels at 96 DPI, not dialog units: the bar is 300 pixels wide
// with a 10-pixel margin whatever the dialog font. The message is centred
// over the bar, as wide as it: a count of a million files still fits.
const RECT kMessageRect{10, 10, 310, 40};
const RECT kBarRect{10, 40, 310, 80};
const SIZE kStopSize{80, 24};
const char kStopText[] = "中止";
const COLORREF kTextColor = RGB(0, 0, 0); // over the part not yet filled
const COLORREF kBarColor = RGB(120, 160, 255);

// 中止, centred in the space below the bar, however high the dialog font
// makes the popup.
RECT StopRect(HWND popup, int dpi)
{
    RECT client;
    GetClientRect(popup, &client);
    int width = ScaleToDpi(kStopSize.cx, dpi), height = ScaleToDpi(kStopSize.cy, dpi);
    int left = (client.right - width) / 2, top = (ScaleToDpi(kBarRect.bottom, dpi) + client.bottom - height) / 2;
    return {left, top, left + width, top + height};
}
} // namespace

CProgressWnd::CProgressWnd(std::function<void()> pumpOneMessage, std::function<void()> stop, HWND parent)
    : CDialogImpl(IDD, parent), m_pumpOneMessage(std::move(pumpOneMessage)), m_stop(std::move(stop))
{
}

// A command that ends early leaves its popup open; it must not outlive this object.
CProgressWnd::~CProgressWnd()
{
    Close();
}

std::span<const MessageEntry<CNeverDefaultButton>> CNeverDefaultButton::MessageMap()
{
    static const MessageEntry<CNeverDefaultButton> map[] = {
        OnMessage(BM_SETSTYLE, &CNeverDefaultButton::KeepStyle),
    };
    return map;
}

std::span<const MessageEntry<CProgressWnd>> CProgressWnd::MessageMap()
{
    static const MessageEntry<CProgressWnd> map[] = {
        OnCommand(IDC_PROGRESS_STOP, BN_CLICKED, &CProgressWnd::OnStopClicked),
    };
    return map;
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
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    m_stopButton.SubclassWindow(
        CreatePushButton(m_hWnd, {kStopText, StopRect(m_hWnd, dpi), IDC_PROGRESS_STOP, dialogFont}));
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

void CProgressWnd::SetMessage(const std::string& message)
{
    SetDlgItemText(IDC_PROGRESS_TEXT, message);
}

void CProgressWnd::ShowStopping()
{
    EnableWindow(m_stopButton.m_hWnd, FALSE);
}

void CProgressWnd::OnStopClicked()
{
    if (m_stop)
        m_stop();
}

void CProgressWnd::Close()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}
