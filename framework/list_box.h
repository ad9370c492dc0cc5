// CListBox: a list box of strings, addressed by index; -1 stands for no selection.
#pragma once
#include "framework/control.h"

#include <string>

class CListBox : public CControl {
public:
    using CControl::CControl;

    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    void AddString(const std::string& text) const { Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void InsertString(int index, const std::string& text) const
    {
        Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    }
    void DeleteString(int index) const { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }

    // -1 when nothing is selected.
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    // -1 selects nothing.
    void SetCurSel(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

    // The first visible entry.
    int GetTopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    void SetTopIndex(int index) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
};
