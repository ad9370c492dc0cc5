// The options dialog's browse button with the real folder browser: the folder
// it opens on, the favourites file it gives, and when it asks for a reload.
#include "app/module_folder.h"
#include "tests/support/browser_driver.h"
#include "tests/support/gui_harness.h"
#include "ui/option_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionBrowse, GivesTheFavouritesFileInTheChosenFolderAndAsksForAReloadWhenItDiffers)
{
    gui::BrowseFolders tree;
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
            gui::BrowserDriver browser(c.button, [&](HWND b) {
                if (!c.select.empty())
                    gui::SelectInBrowser(b, c.select);
            });
            gui::Click(d, IDC_OPT_BROWSE);
            EXPECT_TRUE(browser.Pressed());
            field = gui::Text(d, IDC_OPT_FAVPATH);
        });
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(c.field, field) << c.path;
        EXPECT_EQ(c.changed, dialog.m_settings.favFileChanged) << c.path;
        EXPECT_EQ(c.path, dialog.m_settings.FAVPATH); // cancelled: the path itself stays
    }
}

} // namespace
