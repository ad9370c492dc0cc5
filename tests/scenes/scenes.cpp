// Puts the real windows into the states people look at, for screenshots:
//   scenes.exe SCENE    with SCENE one of main, list-both, list-down, list-up,
//                       progress, options, exclude, about, help, browser, units
// The window stays open until it is closed; scripts/screenshots.sh captures it.
#include "engine/stored_name.h"
#include "framework/app.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"
#include "ui/about_dialog.h"
#include "ui/exclude_dialog.h"
#include "ui/folder_picker.h"
#include "ui/help.h"
#include "ui/main_dialog.h"
#include "ui/option_dialog.h"
#include "ui/progress_window.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void WriteExample(const TempTree& tree)
{
    FILETIME older = LocalFileTime(2024, 3, 5, 14, 7, 9), newer = LocalFileTime(2025, 4, 6, 15, 8, 10);
    tree.Write("基本\\報告書.docx", std::string(123456, 'x'), newer);
    tree.Write("対象\\報告書.docx", std::string(120000, 'x'), older);
    tree.Write("基本\\写真\\旅行.jpg", std::string(2345678, 'x'), older);
    tree.Write("対象\\写真\\旅行.jpg", std::string(2345678, 'x'), older);
    tree.Write("基本\\写真\\海.jpg", std::string(998877, 'x'), older);
    tree.Write("対象\\写真\\海.jpg", std::string(998877, 'x'), newer);
    tree.Write("基本\\memo.txt", "only in the base", older);
    // Names Shift-JIS cannot write are shown as they are.
    tree.Write("基本\\" + StoredFromWide(L"Café 한국어 😀.txt"), "true name", older);
    tree.Write("対象\\表示\\readme.txt", "only in the target", newer);
    tree.Write("基本\\予定.xlsx", std::string(4096, 'x'), older);
    tree.Write("対象\\予定.xlsx", std::string(4096, 'x'), older);
}

void RunUntilClosed(HWND window)
{
    MSG msg;
    while (IsWindow(window) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

int MainWindowScene(const std::string& scene)
{
    TempTree tree;
    WriteExample(tree);
    CWinApp app;
    app.m_profileName = tree.Path("Mirvalen.ini");
    WritePrivateProfileStringA("Mirvalen", "FAVPATH", tree.Path("favorites.bdt").c_str(), app.m_profileName.c_str());
    CMirvalenDlg dialog;
    app.m_mainWnd = &dialog;
    dialog.Create();
    dialog.SetListDonePause(0);
    ShowWindow(dialog.m_hWnd, SW_SHOW);
    HWND hwnd = dialog.m_hWnd;
    gui::SetText(hwnd, IDC_FAV_NAME, "仕事の書類");
    gui::SetText(hwnd, IDC_BASE_FOLDER, tree.Path("基本\\"));
    gui::SetText(hwnd, IDC_TARGET_FOLDER, tree.Path("対象\\"));
    gui::Click(hwnd, IDC_REGISTER_FAVORITE);
    if (scene == "list-down")
        gui::Click(hwnd, IDC_DIR_DOWN);
    if (scene == "list-up")
        gui::Click(hwnd, IDC_DIR_UP);
    if (scene != "main")
        gui::Click(hwnd, IDC_MAKE_LIST);
    RunUntilClosed(hwnd);
    return 0;
}

int ProgressScene()
{
    CProgressWnd progress([] {});
    progress.m_message = "同期中です";
    progress.CreatePopup();
    progress.SetPercent(50);
    RunUntilClosed(progress.m_hWnd);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    std::string scene = argc > 1 ? argv[1] : "main";
    if (scene == "progress")
        return ProgressScene();
    if (scene == "units") {  // the main dialog's base units under the installed fonts
        CWinApp app;
        CMirvalenDlg dialog;
        dialog.Create();
        BaseUnits units = BaseUnits::Of(dialog.m_hWnd);
        std::printf("dialog base units: %d x %d pixels\n", units.x, units.y);
        DestroyWindow(dialog.m_hWnd);
        return 0;
    }
    if (scene == "about") {
        CWinApp app;
        CAboutDlg about;
        about.DoModal();
        return 0;
    }
    if (scene == "options") {
        CWinApp app;
        COptionDlg options;
        options.m_settings.DISPTIME = 500;
        options.m_settings.FAVPATH = ".\\Mirvalen.bdt";
        options.DoModal();
        return 0;
    }
    if (scene == "exclude") {
        CWinApp app;
        CExcludeDlg exclude;
        exclude.m_lines = CExcludeDlg::LinesFromList("~$*|Thumbs.db|desktop.ini|*.tmp|.DS_Store|node_modules\\");
        exclude.DoModal();
        return 0;
    }
    if (scene == "browser") {
        CWinApp app;
        std::string chosen;
        BrowseForFolder(nullptr, "", "[ 基本フォルダ ] の指定", chosen);
        return 0;
    }
    if (scene == "help") {
        ShowHelpContents(nullptr);
        RunUntilClosed(HelpWindow());
        return 0;
    }
    return MainWindowScene(scene);
}
