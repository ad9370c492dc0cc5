// A progress bar that paints its own window text (the percentage) centred in
// the bar, in one colour over the filled part and another over the empty part,
// so that the text stays readable wherever the edge of the bar runs through it.
#pragma once
#include "framework/message_map.h"
#include "framework/progress_bar.h"
#include "framework/window.h"

#include <commctrl.h>
#include <span>

class CTextProgressCtrl : public MessageMapped<CTextProgressCtrl, CWnd> {
public:
    static std::span<const MessageEntry<CTextProgressCtrl>> MessageMap();

    // Creates the progress-bar child (rectangle in client pixels) and takes it over.
    bool Create(HWND parent, DWORD style, const RECT& rect, int id);

    void SetBarColor(COLORREF color) { m_barColor = color; }
    void SetTextColor(COLORREF color) { m_textColor = color; }

    void SetRange(int lower, int upper) const { m_bar.SetRange(lower, upper); }
    void SetPos(int pos) const { m_bar.SetPos(pos); }

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM dc, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnSetText(WPARAM, LPARAM);

    void PaintContent(HDC dc);

    CProgressBar m_bar;  // the same window, for the messages of a progress bar
    COLORREF m_barColor = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF m_bkColor = GetSysColor(COLOR_BTNFACE);
    COLORREF m_textColor = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF m_barTextColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
    static constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
};
