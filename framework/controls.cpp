#include "framework/controls.h"

#include "framework/window.h"

HWND CreateStatic(HWND parent, const StaticArgs& args)
{
    HWND hwnd = CreateWindowExA(0, "STATIC", args.text.c_str(), WS_CHILD | WS_VISIBLE | args.style, args.rect.left,
                                args.rect.top, args.rect.right - args.rect.left, args.rect.bottom - args.rect.top,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), AppInstance(),
                                nullptr);
    if (hwnd && args.font)
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), TRUE);
    return hwnd;
}
