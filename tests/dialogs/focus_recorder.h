// Records which window of this thread last took the keyboard focus. GetFocus
// says nothing while another process (a test running beside this one) holds
// the foreground; the focus changes themselves are still seen here.
#pragma once
#include <windows.h>

namespace gui {

class FocusRecorder {
public:
    FocusRecorder();
    ~FocusRecorder();
    FocusRecorder(const FocusRecorder&) = delete;
    FocusRecorder& operator=(const FocusRecorder&) = delete;

    static HWND Last();

private:
    static LRESULT CALLBACK OnHook(int code, WPARAM wp, LPARAM lp);
    HHOOK m_hook;
};

} // namespace gui
