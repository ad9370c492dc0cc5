// CListView: a list view in report style, as a virtual list uses it (the rows
// are counted, their texts asked for when drawn).
#pragma once
#include "framework/control.h"

#include <commctrl.h>

#include <cstddef>

class CListView : public CControl {
public:
    using CControl::CControl;

    // Notifications with Unicode texts (LVN_GETDISPINFOW), whatever the window's own character set.
    void SetUnicodeFormat(bool unicode) const { Send(LVM_SETUNICODEFORMAT, unicode); }
    // Sets the LVS_EX_ styles of mask to those of styles.
    void SetExtendedStyle(DWORD mask, DWORD styles) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, styles); }
    void SetBkColor(COLORREF color) const { Send(LVM_SETBKCOLOR, 0, color); }
    void SetTextColor(COLORREF color) const { Send(LVM_SETTEXTCOLOR, 0, color); }
    void SetTextBkColor(COLORREF color) const { Send(LVM_SETTEXTBKCOLOR, 0, color); }
    // The width of a text in the list's font, in pixels.
    int GetStringWidth(const char* text) const
    {
        return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    }
    // Column index, showing subitem index; format is LVCFMT_LEFT, LVCFMT_CENTER or LVCFMT_RIGHT.
    void InsertColumn(int index, const char* title, int width, int format) const;

    void SetItemCount(std::size_t count) const { Send(LVM_SETITEMCOUNT, count); }
    void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }

    // The next row after `after` (-1: the first row) in a state of flags (LVNI_SELECTED,
    // LVNI_FOCUSED); -1 when there is none.
    int GetNextItem(int after, UINT flags) const
    {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(after), flags));
    }
    // The place of a part of a row (LVIR_LABEL, ...) in client pixels; false when it has none.
    bool GetItemRect(int item, int part, RECT& rect) const
    {
        rect.left = part;
        return Send(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) != 0;
    }
};
