// The program's own font for the texts it draws itself (the summary panels,
// the favourites label, the help text): ＭＳ Ｐゴシック in Shift-JIS.
#pragma once
#include <windows.h>

// height as CreateFont takes it: positive for the cell, negative for the
// character height, in pixels.
inline HFONT CreateProgramFont(int height, int weight = FW_NORMAL)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック");
}
