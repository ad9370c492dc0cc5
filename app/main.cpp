#include "app/code_page_check.h"
#include "app/mirvalen_app.h"
#include "sync/worker_entry.h"

#include <windows.h>

static CMirvalenApp theApp;

// A worker comes first: it carries its names in UTF-16 and works under any
// code page; the window needs code page 932.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int exitCode = 0;
    if (RunWorkerIfAsked(exitCode))
        return exitCode;
    if (!WindowCanRunHere())
        return 1;
    return RunApplication();
}
