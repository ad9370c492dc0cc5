#include "app/mirvalen_app.h"
#include "engine/scan_worker.h"

#include <windows.h>

static CMirvalenApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int exitCode = 0;
    if (RunScanWorkerIfAsked(exitCode))
        return exitCode;
    SetScanWorkerProgram(RunningProgramFile());
    return RunApplication();
}
