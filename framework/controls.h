// Child controls created at run time, placed in client pixels.
#pragma once
#include <windows.h>
#include <string>

struct StaticArgs {
    std::string text;
    DWORD style = SS_LEFT;          // beyond WS_CHILD | WS_VISIBLE
    RECT rect{};                    // client pixels, right and bottom exclusive
    int id = 0xFFFF;
    HFONT font = nullptr;           // given with WM_SETFONT (redraw) when set
};

HWND CreateStatic(HWND parent, const StaticArgs& args);
