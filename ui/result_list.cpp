#include "ui/result_list.h"

#include "system/stored_name.h"
#include "framework/dpi.h"
#include "ui/colors.h"

#include <commctrl.h>

#include <cwchar>

#include <algorithm>

namespace {

struct Column {
    const char* title;
    int width;
    int format;
};

const Column kColumns[] = {
    {"番号", 60, LVCFMT_LEFT},       {"転送", 48, LVCFMT_CENTER},     {"状態", 40, LVCFMT_CENTER},
    {"基本日時", 120, LVCFMT_CENTER}, {"対象日時", 120, LVCFMT_CENTER}, {"基本サイズ", 80, LVCFMT_RIGHT},
    {"対象サイズ", 80, LVCFMT_RIGHT}, {"パス", 230, LVCFMT_LEFT},
};

} // namespace

void ResultList::InitColumns()
{
    // The list asks for its texts in Unicode, so that a file name with characters
    // Shift-JIS cannot write is shown as it is.
    SendMessageA(m_list, CCM_SETUNICODEFORMAT, TRUE, 0);
    // A click anywhere in a row selects it, for the choices of the 編集 menu.
    SendMessageA(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(m_list, LVM_SETBKCOLOR, 0, Colors::kListBackground);
    SendMessageA(m_list, LVM_SETTEXTCOLOR, 0, Colors::kBlack);
    SendMessageA(m_list, LVM_SETTEXTBKCOLOR, 0, Colors::kListBackground);
    // A time column is at least as wide as a time in the list's font, so that
    // no time is cut off when the dialog font is wider than the one designed for.
    int timeWidth = static_cast<int>(
        SendMessageA(m_list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("0000/00/00 00:00:00")));
    int dpi = WindowDpi(m_list);  // the widths were chosen at 96 DPI
    const int kCellMargins = 14;  // a cell's text margins on both sides, at 96 DPI
    int index = 0;
    for (const Column& c : kColumns) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = c.format;
        bool timeColumn = index == kBaseTimeColumn || index == kTargetTimeColumn;
        int width = ScaleToDpi(c.width, dpi);
        column.cx = timeColumn ? std::max(width, timeWidth + ScaleToDpi(kCellMargins, dpi)) : width;
        column.pszText = const_cast<char*>(c.title);
        column.iSubItem = index;
        SendMessageA(m_list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
        ++index;
    }
}

void ResultList::Refresh(ResultRows rows)
{
    m_rows = std::move(rows);
    InvalidateRect(m_list, nullptr, FALSE);
}

void ResultList::Clear()
{
    SendMessageA(m_list, LVM_DELETEALLITEMS, 0, 0);
    m_rows = ResultRows();
}

void ResultList::Show(ResultRows rows)
{
    m_rows = std::move(rows);
    SendMessageA(m_list, LVM_SETITEMCOUNT, m_rows.ShownCount(), 0);
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
