// The main window's colours. Light blue stands for the base side and what is
// copied down to the target, light red for the target side and what is copied
// up; the list rows, the summary cells and the folder fields share them.
#pragma once
#include "engine/transfer.h"
#include "view/vocabulary.h"

#include <windows.h>

namespace Colors {
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kGray = RGB(128, 128, 128);
inline constexpr COLORREF kLightOrange = RGB(255, 224, 192);
inline constexpr COLORREF kLightBlue = RGB(192, 192, 255);
inline constexpr COLORREF kLightRed = RGB(255, 192, 192);
inline constexpr COLORREF kLightGreen = RGB(192, 255, 192);
inline constexpr COLORREF kListBackground = RGB(255, 255, 192);
inline constexpr COLORREF kAmber = RGB(255, 200, 120); // an undecided row: the user has to choose
} // namespace Colors

// The background of a result row: by the way it is copied, amber for a row
// of an undecided pair, none for "=" and for a row held back.
inline bool RowColorOf(Transfer transfer, COLORREF& color)
{
    switch (transfer) {
    case Transfer::Down: color = Colors::kLightBlue; return true;
    case Transfer::Up: color = Colors::kLightRed; return true;
    case Transfer::Undecided: color = Colors::kAmber; return true;
    default: return false;
    }
}

// A panel's status cell: green when it adds up, red when not, orange before a list.
inline COLORREF StatusColorOf(PanelStatus status)
{
    switch (status) {
    case PanelStatus::Ok: return Colors::kLightGreen;
    case PanelStatus::Error: return Colors::kLightRed;
    default: return Colors::kLightOrange;
    }
}
