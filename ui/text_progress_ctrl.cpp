#include "ui/text_progress_ctrl.h"

#include "framework/gdi.h"

#include <string>

namespace {
// The bar's own border: the painting stays inside it.
const int kMargin = 1;
} // namespace

std::span<const MessageEntry<CTextProgressCtrl>> CTextProgressCtrl::MessageMap()
{
    using T = CTextProgressCtrl;
    static const MessageEntry<T> map[] = {
        OnMessage<T>(WM_PAINT, &T::OnPaint),
        OnMessage<T>(WM_PRINTCLIENT, &T::OnPrintClient),
        OnMessage<T>(WM_ERASEBKGND, &T::OnEraseBkgnd),
        OnMessage<T>(WM_SETTEXT, &T::OnSetText),
    };
    return map;
}

bool CTextProgressCtrl::Create(HWND parent, DWORD style, const RECT& rect, int id)
{
    HWND hwnd = CreateWindowExA(0, PROGRESS_CLASSA, "", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                AppInstance(), nullptr);
    m_bar.Attach(hwnd);
    return hwnd && SubclassWindow(hwnd);
}

LRESULT CTextProgressCtrl::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    PaintContent(dc);
    EndPaint(m_hWnd, &ps);
    return 0;
}

// Window captures (PrintWindow) ask for the same picture on their own DC.
LRESULT CTextProgressCtrl::OnPrintClient(WPARAM dc, LPARAM)
{
    PaintContent(reinterpret_cast<HDC>(dc));
    return 0;
}

// The painting covers the whole client area: erasing first would only flicker.
LRESULT CTextProgressCtrl::OnEraseBkgnd(WPARAM, LPARAM)
{
    return TRUE;
}

// The text is part of the picture, so a new percentage repaints the whole bar.
LRESULT CTextProgressCtrl::OnSetText(WPARAM wp, LPARAM lp)
{
    LRESULT result = DefaultProcessing(WM_SETTEXT, wp, lp);
    InvalidateRect(m_hWnd, nullptr, TRUE);
    return result;
}

// The bar is painted twice through complementary clip areas: the filled part
// (inside the margin, up to the edge) in the bar colours, then the
// rest of the client area in the background colours. The text is drawn in
// both passes, so each half of it takes the colour of what lies beneath.
void CTextProgressCtrl::PaintContent(HDC dc)
{
    std::string text = GetWindowText();
    PBRANGE range = m_bar.GetRange();
    int pos = m_bar.GetPos();

    RECT client;
    GetClientRect(m_hWnd, &client);
    RECT inner = client;
    InflateRect(&inner, -kMargin, -kMargin);
    int span = range.iHigh - range.iLow;
    int width = inner.right - inner.left;
    int fill = span > 0 ? static_cast<int>(static_cast<double>(pos - range.iLow) / span * width + 0.5) : 0;

    // The caller's DC (a capture's, say) gets its clip area, font and colours back.
    int saved = SaveDC(dc);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);

    ::SetTextColor(dc, m_barTextColor);
    IntersectClipRect(dc, inner.left, inner.top, inner.left + fill, inner.bottom);
    Brush barBrush(CreateSolidBrush(m_barColor));
    FillRect(dc, &client, barBrush);
    DrawTextA(dc, text.c_str(), -1, &inner, kTextFormat);

    // Client XOR filled part: everything outside the filled part, margin included.
    Region clientRegion(CreateRectRgnIndirect(&client));
    ExtSelectClipRgn(dc, clientRegion, RGN_XOR);
    ::SetTextColor(dc, m_textColor);
    Brush bkBrush(CreateSolidBrush(m_bkColor));
    FillRect(dc, &client, bkBrush);
    DrawTextA(dc, text.c_str(), -1, &inner, kTextFormat);

    RestoreDC(dc, saved);
}
