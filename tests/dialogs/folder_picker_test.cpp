// The browse buttons' work with the real shell folder browser: the folder it
// opens on, the trailing "\", cancelling, and items without a path.
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

TEST(BrowseField, GivesTheChosenFolderWithOneTrailingBackslashOrNothing)
{
    gui::BrowseFolders tree;
    for (const char* folder : {"data", "表", "a", "b"})  // 表 ends in the byte 0x5C
        tree.MakeDir(folder);
    struct Case {
        std::string field;
        int button;
        std::string select;  // a folder chosen in the browser, "*" for the computer
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
        gui::BrowserDriver browser(c.button, [&](HWND b) {
            if (c.select == "*")
                SelectTheComputer(b);
            else if (!c.select.empty())
                gui::SelectInBrowser(b, c.select);
        });
        bool chosen = BrowseFolderField(nullptr, c.field, "[ 基本フォルダ ] の指定", result);
        EXPECT_TRUE(browser.Pressed()) << c.field;
        EXPECT_EQ(c.result != "before", chosen) << c.field;
        EXPECT_EQ(c.result, result) << c.field;
    }
}

} // namespace
