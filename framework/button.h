// CButton: a push button, check box or radio button.
#pragma once
#include "framework/control.h"

class CButton : public CControl {
public:
    using CControl::CControl;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    // The picture of a BS_BITMAP button; the bitmap must outlive the button's use of it.
    void SetBitmap(HBITMAP bitmap) const { Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)); }
};
