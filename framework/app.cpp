#include "framework/app.h"

#include "framework/string_ids.h"
#include "framework/window.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

const std::string& CWinApp::Title() const
{
    if (m_title.empty()) {
        char text[256] = "";
        if (LoadStringA(AppInstance(), IDS_APP_TITLE, text, sizeof text) > 0) {
            m_title = text;
        } else {
            GetModuleFileNameA(nullptr, text, sizeof text);
            PathRemoveExtensionA(text);
            m_title = PathFindFileNameA(text);  // steps over double-byte characters
        }
    }
    return m_title;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

UINT WithDefaultIcon(UINT type)
{
    if (type & MB_ICONMASK)
        return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type;
    }
}

namespace {
HWND MessageBoxOwner(HWND owner)
{
    CWinApp* app = AfxGetApp();
    return !owner && app && app->m_mainWnd ? app->m_mainWnd->m_hWnd : owner;
}
} // namespace

int AppMessageBox(const std::string& text, UINT type, HWND owner)
{
    CWinApp* app = AfxGetApp();
    const char* title = app ? app->Title().c_str() : "";
    return MessageBoxA(MessageBoxOwner(owner), text.c_str(), title, WithDefaultIcon(type));
}

int AppMessageBox(const std::wstring& text, UINT type, HWND owner)
{
    CWinApp* app = AfxGetApp();
    std::string title = app ? app->Title() : std::string();
    std::wstring wideTitle(title.size(), L'\0');
    constexpr UINT kShiftJis = 932;  // the window's texts; it runs only where that is the ANSI code page
    wideTitle.resize(MultiByteToWideChar(kShiftJis, 0, title.data(), static_cast<int>(title.size()), wideTitle.data(),
                                         static_cast<int>(wideTitle.size())));
    return MessageBoxW(MessageBoxOwner(owner), text.c_str(), wideTitle.c_str(), WithDefaultIcon(type));
}

std::string AppString(UINT id, std::initializer_list<int> numbers)
{
    char resource[512] = "";
    LoadStringA(AppInstance(), id, resource, sizeof resource);
    std::string text = resource;
    int number = 1;
    for (int value : numbers) {
        std::string mark = "%" + std::to_string(number++), digits = std::to_string(value);
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + digits.size()))
            text.replace(at, mark.size(), digits);
    }
    return text;
}

int RunApplication()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (app->InitInstance())
        return 0;  // This program has no message loop of its own: its window is a modal dialog.
    return app->ExitInstance();
}
