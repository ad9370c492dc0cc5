#include "tests/dialogs/focus_recorder.h"

namespace gui {

namespace {
HWND g_last = nullptr;
}

FocusRecorder::FocusRecorder() : m_hook(SetWindowsHookExA(WH_CBT, &FocusRecorder::OnHook, nullptr, GetCurrentThreadId()))
{
    g_last = nullptr;
}

FocusRecorder::~FocusRecorder()
{
    UnhookWindowsHookEx(m_hook);
}

HWND FocusRecorder::Last()
{
    return g_last;
}

LRESULT CALLBACK FocusRecorder::OnHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_SETFOCUS)
        g_last = reinterpret_cast<HWND>(wp);
    return CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace gui
