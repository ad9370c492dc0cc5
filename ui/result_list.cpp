#include "ui/result_list.h"

#include "system/stored_name.h"
#include "framework/dpi.h"
#include "ui/colors.h"

#include <commctrl.h>

#include <cwchar>

#include <algorithm>
#include <array>

namespace {

// A column's width at 96 DPI and its alignment, in the order of ResultColumn.
struct ColumnLayout {
    int width;
    int format;
};

const std::array<ColumnLayout, kColumnCount> kColumnLayouts = {{
    {60, LVCFMT_LEFT}, {48, LVCFMT_CENTER}, {40, LVCFMT_CENTER}, {120, LVCFMT_CENTER}, {120, LVCFMT_CENTER},
    {80, LVCFMT_RIGHT}, {80, LVCFMT_RIGHT}, {230, LVCFMT_LEFT},
}};

} // namespace

void ResultList::InitColumns()
{
    // The list asks for its texts in Unicode, so that a file name with characters
    // Shift-JIS cannot write is shown as it is.
    m_list.SetUnicodeFormat(true);
    // A click anywhere in a row selects it, for the choices of the 編集 menu.
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_list.SetBkColor(Colors::kListBackground);
    m_list.SetTextColor(Colors::kBlack);
    m_list.SetTextBkColor(Colors::kListBackground);
    // A time column is at least as wide as a time in the list's font, so that
    // no time is cut off when the dialog font is wider than the one designed for.
    int timeWidth = m_list.GetStringWidth("0000/00/00 00:00:00");
    int dpi = WindowDpi(m_list);  // the widths were chosen at 96 DPI
    const int kCellMargins = 14;  // a cell's text margins on both sides, at 96 DPI
    for (int index = 0; index < kColumnCount; ++index) {
        bool timeColumn = index == kBaseTimeColumn || index == kTargetTimeColumn;
        int width = ScaleToDpi(kColumnLayouts[index].width, dpi);
        if (timeColumn)
            width = std::max(width, timeWidth + ScaleToDpi(kCellMargins, dpi));
        m_list.InsertColumn(index, kColumnTitles[index], width, kColumnLayouts[index].format);
    }
}

void ResultList::Refresh(ResultRows rows)
{
    m_rows = std::move(rows);
    InvalidateRect(m_list, nullptr, FALSE);
}

void ResultList::Clear()
{
    m_list.DeleteAllItems();
    m_rows = ResultRows();
}

void ResultList::Show(ResultRows rows)
{
    m_rows = std::move(rows);
    m_list.SetItemCount(m_rows.ShownCount());
}

LRESULT ResultList::OnGetDispInfo(NMHDR* header) const
{
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return 0;
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.ShownCount())
        return 0;
    std::wstring text = WideFromStored(m_rows.CellText(item.iItem, item.iSubItem));
    size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    std::wmemcpy(item.pszText, text.data(), length);
    item.pszText[length] = L'\0';
    return 0;
}

// The whole row takes one colour, from the way the row is copied.
LRESULT ResultList::OnCustomDraw(NMHDR* header) const
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        std::size_t row = draw->nmcd.dwItemSpec;
        if (row >= m_rows.ShownCount())
            return CDRF_DODEFAULT;
        RowColorOf(m_rows.Mark(row), draw->clrTextBk);
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}
