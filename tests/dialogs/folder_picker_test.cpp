// The folder picker with the real shell folder browser: the initial
// selection, the trailing "\", cancelling, and items without a path.
#include "app/module_folder.h"
#include "engine/path_text.h"
#include "tests/support/browser_driver.h"
#include "tests/support/gui_harness.h"
#include "ui/folder_picker.h"

#include <gtest/gtest.h>

namespace {

// Picks the computer (a virtual folder, no file-system path) in the open browser.
void SelectTheComputer(HWND browser)
{
    LPITEMIDLIST computer = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
    SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
    CoTaskMemFree(computer);
}

TEST(TrailingBackslash, IsAddedUnlessTheLastCharacterIsOne)
{
    EXPECT_EQ("C:\\", WithTrailingBackslash("C:\\"));
    EXPECT_EQ("C:\\data\\", WithTrailingBackslash("C:\\data"));
    EXPECT_EQ("C:\\表\\", WithTrailingBackslash("C:\\表"));
    EXPECT_EQ("C:\\表\\", WithTrailingBackslash("C:\\表\\"));
}

class BrowseField : public ::testing::Test {
protected:
    // Runs a browse button's work on fieldText; the browser gets `select` chosen
    // (when given) and then the button pressed.
    bool Browse(const std::string& fieldText, int button, std::function<void(HWND)> select = {})
    {
        gui::BrowserDriver browser(button, std::move(select));
        bool chosen = BrowseForFolder(nullptr, fieldText, "[ 基本フォルダ ] の指定", result);
        EXPECT_TRUE(browser.Pressed());
        return chosen;
    }

    gui::BrowseFolders tree;
    std::string result = "before";
};

TEST_F(BrowseField, AnEmptyFieldOpensOnTheProgramFolder)
{
    EXPECT_TRUE(Browse("", IDOK));
    EXPECT_EQ(GetModuleFolder(), result);
}

TEST_F(BrowseField, TheFieldsFolderIsSelectedAndGetsItsBackslash)
{
    tree.MakeDir("data");
    EXPECT_TRUE(Browse(tree.Path("data"), IDOK));
    EXPECT_EQ(tree.Path("data\\"), result);
}

TEST_F(BrowseField, ADriveRootKeepsItsOneBackslash)
{
    EXPECT_TRUE(Browse("C:\\", IDOK));
    EXPECT_EQ("C:\\", result);
}

TEST_F(BrowseField, AFolderEndingInTheByte5CStillGetsItsBackslash)
{
    tree.MakeDir("表");
    EXPECT_TRUE(Browse(tree.Path("表"), IDOK));
    EXPECT_EQ(tree.Path("表\\"), result);
}

TEST_F(BrowseField, ChoosingAnotherFolderGivesThatFolder)
{
    tree.MakeDir("a");
    tree.MakeDir("b");
    EXPECT_TRUE(Browse(tree.Path("a\\"), IDOK, [&](HWND b) { gui::SelectInBrowser(b, tree.Path("b")); }));
    EXPECT_EQ(tree.Path("b\\"), result);
}

TEST_F(BrowseField, CancelLeavesTheResultAlone)
{
    EXPECT_FALSE(Browse(tree.Root(), IDCANCEL));
    EXPECT_EQ("before", result);
}

TEST_F(BrowseField, AnItemWithoutAPathCountsAsCancelled)
{
    EXPECT_FALSE(Browse(tree.Root(), IDOK, SelectTheComputer));
    EXPECT_EQ("before", result);
}

} // namespace
