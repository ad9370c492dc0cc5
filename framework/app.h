// CWinApp: the one application object. WinMain hands control to RunApplication,
// which runs InitInstance and, when that returns FALSE, ends with ExitInstance.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    // Title of the application's message boxes: string resource IDS_APP_TITLE,
    // else the program's file name.
    const std::string& Title() const;

    std::string m_profileName;  // the program's settings file
    CWnd* m_mainWnd = nullptr;

private:
    mutable std::string m_title;
};

CWinApp* AfxGetApp();

// A message box owned by the main window (or the given one) with the application's title.
// Without an icon in type it gets the one its buttons call for (WithDefaultIcon).
int AppMessageBox(const std::string& text, UINT type = MB_OK, HWND owner = nullptr);
// The same for a text with characters the code page cannot write (file names).
int AppMessageBox(const std::wstring& text, UINT type = MB_OK, HWND owner = nullptr);

// The icon Windows programs show for these buttons when none was asked for, so
// that a bare warning or question looks like one: an exclamation mark for OK
// and OK/Cancel, a question mark for Yes/No (and Yes/No/Cancel). An icon
// already in type is kept.
UINT WithDefaultIcon(UINT type);

// A string resource of the program, "" when it has none; "%1" and "%2" in it
// become the given numbers.
std::string AppString(UINT id, std::initializer_list<int> numbers = {});

// Entry point used by WinMain.
int RunApplication();
