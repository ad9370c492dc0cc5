#include "app/mirvalen_app.h"

#include <windows.h>

static CMirvalenApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunApplication();
}
