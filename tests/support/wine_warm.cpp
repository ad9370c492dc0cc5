// Creates and destroys one window, so that Wine's desktop process and services
// are running before the first test starts.
#include <windows.h>

int main()
{
    HWND hwnd = CreateWindowExA(0, "STATIC", "warm", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(hwnd);
    return 0;
}
