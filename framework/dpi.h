// The program is per-monitor DPI aware (its manifest says so), so Windows
// scales neither the pixels it places nor the fonts it makes in pixels: what
// was designed at 96 DPI is scaled here to the DPI of the window's screen.
// Dialog templates need none of this, being in dialog units.
#pragma once
#include <windows.h>

// The DPI of the screen the window is on (96 at 100%).
int WindowDpi(HWND window);

// Pixels designed at 96 DPI, at another DPI.
inline int ScaleToDpi(int pixelsAt96, int dpi)
{
    return MulDiv(pixelsAt96, dpi, 96);
}

inline RECT ScaleToDpi(const RECT& rectAt96, int dpi)
{
    return {ScaleToDpi(rectAt96.left, dpi), ScaleToDpi(rectAt96.top, dpi), ScaleToDpi(rectAt96.right, dpi),
            ScaleToDpi(rectAt96.bottom, dpi)};
}
