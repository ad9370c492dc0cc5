// CEdit: an edit field.
#pragma once
#include "framework/control.h"

class CEdit : public CControl {
public:
    using CControl::CControl;

    // Characters from start up to end (-1: the end of the text); start == end places the caret.
    void SetSel(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void SelectAll() const { SetSel(0, -1); }
    // Posted, not sent: selects the whole text once the messages queued before
    // it are handled, such as the click that gave the field the focus and
    // would otherwise place the caret after the selection was made.
    void SelectAllLater() const { PostMessageA(*this, EM_SETSEL, 0, -1); }
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly); }
    // The most characters the user can type in.
    void LimitText(int maxChars) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
};
