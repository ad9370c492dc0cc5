// CProgressBar: a progress bar.
#pragma once
#include "framework/control.h"

#include <commctrl.h>

class CProgressBar : public CControl {
public:
    using CControl::CControl;

    // Limits of 16 bits each, as PBM_SETRANGE takes them.
    void SetRange(int lower, int upper) const { Send(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    PBRANGE GetRange() const
    {
        PBRANGE range{};
        Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    void SetPos(int pos) const { Send(PBM_SETPOS, static_cast<WPARAM>(pos)); }
    int GetPos() const { return static_cast<int>(Send(PBM_GETPOS)); }
};
