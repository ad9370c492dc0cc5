// The application object: fixes the settings file beside the program and runs
// the main window as a modal dialog; the program ends when it closes.
#pragma once
#include "framework/app.h"

class CMirvalenApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
};
