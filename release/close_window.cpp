// mirvalen-close-window CAPTION [SECONDS]: waits for a dialog window with this
// caption to appear (in any process of the Wine server or Windows session),
// asks it to close as its close box would (WM_CLOSE), and waits until it is
// gone. The release check uses it to open and close the window of the
// unpacked download. Exit code 0 when the window came and went, 1 when it never
// appeared, 2 when it did not close, 3 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Waits up to `seconds` for `done`, looking every 50 ms.
template <class Condition>
bool WaitFor(double seconds, Condition done)
{
    DWORD limit = static_cast<DWORD>(seconds * 1000);
    for (DWORD start = GetTickCount();; Sleep(50)) {
        if (done())
            return true;
        if (GetTickCount() - start > limit)
            return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirvalen-close-window CAPTION [SECONDS]\n");
        return 3;
    }
    const char* caption = argv[1];
    double seconds = argc > 2 ? std::atof(argv[2]) : 60;
    HWND window = nullptr;
    if (!WaitFor(seconds, [&] { return (window = FindWindowA("#32770", caption)) && IsWindowVisible(window); })) {
        std::fprintf(stderr, "mirvalen-close-window: no window \"%s\" within %g s\n", caption, seconds);
        return 1;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!WaitFor(seconds, [&] { return !IsWindow(window); })) {
        std::fprintf(stderr, "mirvalen-close-window: \"%s\" is still open %g s after WM_CLOSE\n", caption, seconds);
        return 2;
    }
    return 0;
}
