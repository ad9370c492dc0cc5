#include "app/mirvalen_app.h"
#include "sync/worker_entry.h"

#include <windows.h>

static CMirvalenApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int exitCode = 0;
    if (RunWorkerIfAsked(exitCode))
        return exitCode;
    return RunApplication();
}
