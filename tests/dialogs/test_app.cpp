// What the program sets up before its first window: the application object
// (message boxes take its title, "Mirvalen" from the linked resources) and the
// common controls (the progress bar).
#include "framework/app.h"

#include <commctrl.h>

struct TestApplication : CWinApp {
    TestApplication()
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
} g_application;
