// Puts the real windows into the states people look at, for screenshots:
//   scenes.exe SCENE    with SCENE one of main, list-both, list-down, list-up,
//                       progress, options, exclude, about, help, browser, units
// The window stays open until it is closed; scripts/screenshots.sh captures it.
#include "system/stored_name.h"
#include "framework/app.h"
#include "ui/progress_window.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"
#include "ui/about_dialog.h"
#include "ui/exclude_dialog.h"
#include "ui/folder_picker.h"
#include "ui/help.h"
#include "ui/main_dialog.h"
#include "ui/option_dialog.h"
#include "view/vocabulary.h"

#include <commctrl.h>

#include <cstdio>

namespace {

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
    FILETIME older = LocalFileTime(2024, 3, 5, 14, 7, 9), newer = LocalFileTime(2025, 4, 6, 15, 8, 10);
    const struct {
        const char* path;
        std::size_t size;
        const FILETIME& time;
    } files[] = {{"基本\\報告書.docx", 123456, newer}, {"対象\\報告書.docx", 120000, older},
                 {"基本\\写真\\旅行.jpg", 2345678, older}, {"対象\\写真\\旅行.jpg", 2345678, older},
                 {"基本\\写真\\海.jpg", 998877, older},     {"対象\\写真\\海.jpg", 998877, newer},
                 {"基本\\memo.txt", 16, older},             {"対象\\表示\\readme.txt", 18, newer},
                 {"基本\\予定.xlsx", 4096, older},          {"対象\\予定.xlsx", 4096, older},
                 // Same time, other size: undecided; the second pair is settled by hand below.
                 {"基本\\設計.txt", 300, older},           {"対象\\設計.txt", 420, older},
                 {"基本\\議事録.txt", 512, older},         {"対象\\議事録.txt", 640, older}};
    for (const auto& f : files)
        tree.Write(f.path, std::string(f.size, 'x'), f.time);
    // Names Shift-JIS cannot write are shown as they are.
    tree.Write("基本\\" + StoredFromWide(L"Café 한국어 😀.txt"), "true name", older);
    // A case twin, as a share from Linux holds one: held back, "！".
    tree.OnHost("cp -p 基本/memo.txt 基本/MEMO.txt", [&] { return tree.Exists("基本\\MEMO.txt"); });
    CWinApp app;
    app.m_profileName = tree.Path("Mirvalen.ini");
    WritePrivateProfileStringA("Mirvalen", "FAVPATH", tree.Path("favorites.bdt").c_str(), app.m_profileName.c_str());
    CMirvalenDlg dialog;
    app.m_mainWnd = &dialog;
    dialog.Create();
    dialog.SetListDonePause(0);
    HWND hwnd = dialog.m_hWnd;
    ShowWindow(hwnd, SW_SHOW);
    gui::SetText(hwnd, IDC_FAV_NAME, "仕事の書類");
    gui::SetText(hwnd, IDC_BASE_FOLDER, tree.Path("基本\\"));
    gui::SetText(hwnd, IDC_TARGET_FOLDER, tree.Path("対象\\"));
    gui::Click(hwnd, IDC_REGISTER_FAVORITE);
    if (scene != "main")
        gui::Click(hwnd, scene == "list-down" ? IDC_DIR_DOWN : scene == "list-up" ? IDC_DIR_UP : IDC_DIR_BOTH);
    if (scene != "main") {
        // The case twins are named in a message after the list: answered, so the list is seen.
        gui::DialogAnswerer twinsNamed("Mirvalen", IDNO, hwnd);
        gui::Click(hwnd, IDC_MAKE_LIST);
    }
    if (scene == "list-both") {  // the minutes go down by hand
        HWND list = GetDlgItem(hwnd, IDC_RESULT_LIST);
        gui::SelectListRows(list, {gui::FindListRow(list, kPathColumn, "議事録.txt")});
        SendMessageA(hwnd, WM_COMMAND, ID_EDIT_COPY_DOWN, 0);
    }
    RunUntilClosed(hwnd);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    std::string scene = argc > 1 ? argv[1] : "main";
    CWinApp app;
    if (scene == "progress") {
        CProgressWnd progress([] {});
        progress.m_message = FilesFoundLabel(123456);
        progress.CreatePopup();
        progress.SetPercent(50);
        RunUntilClosed(progress.m_hWnd);
    } else if (scene == "units") {  // the main dialog's base units under the installed fonts
        CMirvalenDlg dialog;
        dialog.Create();
        BaseUnits units = BaseUnits::Of(dialog.m_hWnd);
        std::printf("dialog base units: %d x %d pixels\n", units.x, units.y);
        DestroyWindow(dialog.m_hWnd);
    } else if (scene == "about") {
        CAboutDlg().DoModal();
    } else if (scene == "options") {
        COptionDlg options;
        options.m_settings.DISPTIME = 500;
        options.m_settings.FAVPATH = ".\\Mirvalen.bdt";
        options.DoModal();
    } else if (scene == "exclude") {
        CExcludeDlg exclude;
        exclude.m_lines = CExcludeDlg::LinesFromList("~$*|Thumbs.db|desktop.ini|*.tmp|.DS_Store|node_modules\\");
        exclude.DoModal();
    } else if (scene == "browser") {
        std::string chosen;
        BrowseForFolder(nullptr, "", "[ 基本フォルダ ] の指定", chosen);
    } else if (scene == "help") {
        ShowHelpContents(nullptr);
        RunUntilClosed(FindWindowA(nullptr, "Mirvalen ヘルプ"));
    } else {
        return MainWindowScene(scene);
    }
    return 0;
}
