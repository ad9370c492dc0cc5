// The browse buttons' work with the real shell folder browser: the folder it
// opens on, the trailing "\", cancelling, and items without a path; and the
// options dialog's browse for the favourites file, which asks for a reload.
#include "settings/module_folder.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"
#include "ui/folder_picker.h"
#include "ui/option_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowseField, GivesTheChosenFolderWithOneTrailingBackslashOrNothing)
{
    TempTree tree("C:\\");
    for (const char* folder : {"data", "表", "a", "b"})  // 表 ends in the byte 0x5C
        tree.MakeDir(folder);
    struct Case {
        std::string field;
        int button;
        std::string select;  // a folder chosen in the browser, "*" for the computer (no file-system path)
        std::string result;  // "before": the result untouched
    } cases[] = {
        {"", IDOK, "", GetModuleFolder()},  // an empty field opens on the program folder
        {tree.Path("data"), IDOK, "", tree.Path("data\\")},
        {"C:\\", IDOK, "", "C:\\"},
        {tree.Path("表"), IDOK, "", tree.Path("表\\")},
        {tree.Path("a\\"), IDOK, tree.Path("b"), tree.Path("b\\")},
        {tree.Root(), IDCANCEL, "", "before"},
        {tree.Root(), IDOK, "*", "before"},  // an item without a path counts as cancelled
    };
    for (const Case& c : cases) {
        std::string result = "before";
        gui::DialogAnswerer browser(gui::kFolderBrowser, c.button, nullptr, [&](HWND b) {
            LPITEMIDLIST computer = nullptr;
            if (c.select == "*" && SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)))
                SendMessageA(b, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
            CoTaskMemFree(computer);
            if (c.select != "*" && !c.select.empty())
                gui::SelectInBrowser(b, c.select);
        });
        bool chosen = BrowseForFolder(nullptr, c.field, "[ 基本フォルダ ] の指定", result);
        EXPECT_TRUE(browser.Answered()) << c.field;
        EXPECT_EQ(c.result != "before", chosen) << c.field;
        EXPECT_EQ(c.result, result) << c.field;
    }
}

TEST(OptionBrowse, GivesTheFavouritesFileInTheChosenFolderAndAsksForAReloadWhenItDiffers)
{
    TempTree tree("C:\\");
    for (const char* folder : {"a", "b", "表"})  // 表 ends in the byte 0x5C
        tree.MakeDir(folder);
    const std::string programFile = GetModuleFolder() + "Mirvalen.bdt";
    struct Case {
        std::string path;    // FAVPATH before
        std::string select;  // a folder chosen in the browser, if any
        int button;
        std::string field;   // the favourites field afterwards
        int changedBefore, changed;  // favFileChanged before and afterwards
    } cases[] = {
        {tree.Path("a\\Mirvalen.bdt"), tree.Path("b"), IDOK, tree.Path("b\\Mirvalen.bdt"), 0, 1},
        {tree.Path("表\\Mirvalen.bdt"), "", IDOK, tree.Path("表\\Mirvalen.bdt"), 1, 0},  // opens on its folder
        {"", "", IDOK, programFile, 0, 1},                                                  // the program folder
        {".\\Mirvalen.bdt", "", IDOK, programFile, 0, 1},  // the same file, another text
        {".\\Mirvalen.bdt", tree.Root(), IDCANCEL, ".\\Mirvalen.bdt", 0, 0},
    };
    for (const Case& c : cases) {
        COptionDlg dialog;
        dialog.m_settings.FAVPATH = c.path;
        dialog.m_settings.favFileChanged = c.changedBefore;
        std::string field;
        gui::DialogAnswerer options("オプション", IDCANCEL, nullptr, [&](HWND d) {
            gui::DialogAnswerer browser(gui::kFolderBrowser, c.button, nullptr, [&](HWND b) {
                if (!c.select.empty())
                    gui::SelectInBrowser(b, c.select);
            });
            gui::Click(d, IDC_OPT_BROWSE);
            EXPECT_TRUE(browser.Answered());
            field = gui::Text(d, IDC_OPT_FAVPATH);
        });
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(c.field, field) << c.path;
        EXPECT_EQ(c.changed, dialog.m_settings.favFileChanged) << c.path;
        EXPECT_EQ(c.path, dialog.m_settings.FAVPATH); // cancelled: the path itself stays
    }
}

} // namespace
