#include "app/mirvalen_app.h"

#include "settings/settings.h"
#include "ui/main_dialog.h"

BOOL CMirvalenApp::InitInstance()
{
    m_profileName = SettingsFile::OfProgram().Path();
    CMirvalenDlg dialog;
    m_mainWnd = &dialog;
    dialog.DoModal();
    m_mainWnd = nullptr;
    return FALSE;
}

int CMirvalenApp::ExitInstance()
{
    m_profileName.clear();
    return CWinApp::ExitInstance();
}
