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

struct ButtonArgs {
    std::string text;
    RECT rect{};                    // client pixels, right and bottom exclusive
    int id = 0;
    HFONT font = nullptr;           // given with WM_SETFONT (redraw) when set
};

// A push button that Tab reaches; its click comes to the parent as BN_CLICKED.
HWND CreatePushButton(HWND parent, const ButtonArgs& args);
