// The options dialog's browse button with the real folder browser: the folder
// it opens on, the favourites file it gives, and when it asks for a reload.
#include "app/module_folder.h"
#include "tests/support/browser_driver.h"
#include "tests/support/gui_harness.h"
#include "ui/option_dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class OptionBrowse : public ::testing::Test {
protected:
    // Clicks the browse button; the browser gets `select` chosen (when given) and
    // then OK or Cancel. Returns the favourites field's text afterwards.
    std::string Browse(const std::string& select, int button)
    {
        std::string field;
        Run([&](HWND d) {
            gui::BrowserDriver browser(button, [&](HWND b) {
                if (!select.empty())
                    gui::SelectInBrowser(b, select);
            });
            gui::Click(d, IDC_OPT_BROWSE);
            EXPECT_TRUE(browser.Pressed());
            field = gui::Text(d, IDC_OPT_FAVPATH);
        });
        return field;
    }

    void SetUp() override { dialog.m_settings.FAVPATH = ".\\Mirvalen.bdt"; }

    // Opens the dialog and runs the steps inside its modal loop; cancelled afterwards.
    void Run(std::function<void(HWND)> steps)
    {
        gui::DialogAnswerer driver("オプション", IDCANCEL);
        driver.Before([](HWND d, void* c) { (*static_cast<std::function<void(HWND)>*>(c))(d); }, &steps);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(driver.Answered());
    }

    COptionDlg dialog;
    gui::BrowseFolders tree;
};

TEST_F(OptionBrowse, AnotherFolderGivesItsFavouritesFileAndAsksForAReload)
{
    tree.MakeDir("a");
    tree.MakeDir("b");
    dialog.m_settings.FAVPATH = tree.Path("a\\Mirvalen.bdt");
    std::string field = Browse(tree.Path("b"), IDOK);
    EXPECT_EQ(tree.Path("b\\Mirvalen.bdt"), field);
    EXPECT_EQ(1, dialog.m_settings.favFileChanged);
    // Cancelled afterwards: the path itself stays.
    EXPECT_EQ(tree.Path("a\\Mirvalen.bdt"), dialog.m_settings.FAVPATH);
}

TEST_F(OptionBrowse, OpensOnTheCurrentFilesFolderEvenWithADoubleByteName)
{
    // 表 ends in the byte 0x5C: neither the folder split nor the appended "\" may take it for one.
    tree.MakeDir("表");
    dialog.m_settings.FAVPATH = tree.Path("表\\Mirvalen.bdt");
    dialog.m_settings.favFileChanged = 1;
    std::string field = Browse("", IDOK);
    EXPECT_EQ(tree.Path("表\\Mirvalen.bdt"), field);
    EXPECT_EQ(0, dialog.m_settings.favFileChanged);
}

TEST_F(OptionBrowse, AnEmptyPathOpensOnTheProgramFolder)
{
    dialog.m_settings.FAVPATH.clear();
    EXPECT_EQ(GetModuleFolder() + "Mirvalen.bdt", Browse("", IDOK));
    EXPECT_EQ(1, dialog.m_settings.favFileChanged);
}

TEST_F(OptionBrowse, TheRelativeFormOpensOnTheProgramFolderAndDiffersAsText)
{
    // SetUp leaves FAVPATH ".\Mirvalen.bdt": the program folder, written relatively.
    EXPECT_EQ(GetModuleFolder() + "Mirvalen.bdt", Browse("", IDOK));
    EXPECT_EQ(1, dialog.m_settings.favFileChanged);
}

TEST_F(OptionBrowse, CancelChangesNothing)
{
    EXPECT_EQ(".\\Mirvalen.bdt", Browse(tree.Root(), IDCANCEL));
    EXPECT_EQ(0, dialog.m_settings.favFileChanged);
}

} // namespace
