#include "framework/controls.h"

#include "framework/window.h"

namespace {

HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, const RECT& rect, int id,
                 HFONT font)
{
    HWND hwnd = CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance(), nullptr);
    if (hwnd && font)
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return hwnd;
}

} // namespace

HWND CreateStatic(HWND parent, const StaticArgs& args)
{
    return CreateChild(parent, "STATIC", args.text, args.style, args.rect, args.id, args.font);
}

HWND CreatePushButton(HWND parent, const ButtonArgs& args)
{
    return CreateChild(parent, "BUTTON", args.text, WS_TABSTOP | BS_PUSHBUTTON, args.rect, args.id, args.font);
}
