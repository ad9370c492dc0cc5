// The folder pickers with the real shell folder browser: the initial
// selection, the trailing "\", cancelling, and items without a path.
#include "app/module_folder.h"
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

bool HasChildWithText(HWND parent, const std::string& text)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (gui::Text(child) == text)
            return true;
    return false;
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
        bool chosen = BrowseFolderField(nullptr, fieldText, "[ 基本フォルダ ] の指定", result);
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

TEST(BrowseForFolder, ReportsChosenAndCancelled)
{
    gui::BrowseFolders tree;
    tree.MakeDir("x");
    std::string out = "kept";
    {
        gui::BrowserDriver browser(IDCANCEL);
        EXPECT_EQ(2, BrowseForFolder(nullptr, tree.Path("x").c_str(), "title", out));
    }
    EXPECT_EQ("kept", out);
    {
        gui::BrowserDriver browser(IDOK);
        EXPECT_EQ(1, BrowseForFolder(nullptr, tree.Path("x").c_str(), "title", out));
    }
    EXPECT_EQ(tree.Path("x"), out);
    {
        gui::BrowserDriver browser(IDOK, SelectTheComputer);
        EXPECT_EQ(2, BrowseForFolder(nullptr, tree.Path("x").c_str(), "title", out));
    }
    EXPECT_EQ(tree.Path("x"), out);
}

// A picker that records what its hooks saw while the browser was open.
class WatchingPicker : public CFolderPicker {
public:
    using CFolderPicker::CFolderPicker;
    int initialized = 0;
    int selectionChanges = 0;

protected:
    BOOL OnInitialized() override
    {
        ++initialized;
        return TRUE;
    }
    void OnSelChanged(HWND, LPCITEMIDLIST) override { ++selectionChanges; }
};

TEST(FolderPicker, TakesOverTheBrowserWhileOpenAndGivesThePath)
{
    gui::BrowseFolders tree;
    tree.MakeDir("fav");
    WatchingPicker picker(BIF_RETURNONLYFSDIRS, "[ お気に入りファイルパス ] の指定");
    HWND seen = nullptr;
    gui::BrowserDriver browser(IDOK, [&](HWND b) {
        seen = b;
        EXPECT_EQ(b, picker.m_hWnd);
        EXPECT_TRUE(HasChildWithText(b, "[ お気に入りファイルパス ] の指定"));
    });
    EXPECT_EQ(1, picker.Browse(tree.Path("fav").c_str()));
    EXPECT_TRUE(seen);
    EXPECT_EQ(nullptr, picker.m_hWnd);
    EXPECT_EQ(1, picker.initialized);
    EXPECT_GT(picker.selectionChanges, 0);
    EXPECT_EQ(tree.Path("fav"), picker.GetPath(CFolderPicker::kPath));
    EXPECT_FALSE(picker.GetPath(CFolderPicker::kDisplayName).empty());
}

TEST(FolderPicker, CancelAndASecondBrowseStartAfresh)
{
    gui::BrowseFolders tree;
    tree.MakeDir("one");
    CFolderPicker picker(BIF_RETURNONLYFSDIRS);
    {
        gui::BrowserDriver browser(IDOK);
        EXPECT_EQ(1, picker.Browse(tree.Path("one").c_str()));
    }
    {
        gui::BrowserDriver browser(IDCANCEL);
        EXPECT_EQ(2, picker.Browse(tree.Path("one").c_str()));
    }
    EXPECT_EQ("", picker.GetPath(CFolderPicker::kPath));
}

TEST(FolderPicker, OpensOnASpecialFolderById)
{
    CFolderPicker picker(BIF_RETURNONLYFSDIRS);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    gui::BrowserDriver browser(IDOK);
    EXPECT_EQ(1, picker.Browse(CSIDL_WINDOWS));
    EXPECT_EQ(0, lstrcmpiA(windows, picker.GetPath(CFolderPicker::kPath).c_str()));
}

} // namespace
