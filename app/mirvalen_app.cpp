#include "app/mirvalen_app.h"

#include "app/module_folder.h"
#include "app/settings.h"
#include "ui/main_dialog.h"

std::string SettingsFilePath()
{
    return GetModuleFolder() + SettingsFileName;
}

BOOL CMirvalenApp::InitInstance()
{
    m_profileName = SettingsFilePath();
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
