// The real main window, created in-process on a temporary settings file, with
// base and target folders in a temporary tree. It runs modally, as the program
// runs it: the test's steps run from inside its modal loop once it is up, and
// the window ends when it is closed.
#pragma once
#include "framework/app.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"
#include "ui/main_dialog.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// While it lives, calls each(popup) every 10 ms while a progress popup is
// open, from a timer that runs inside the running command's message pump.
class PopupWatch {
public:
    explicit PopupWatch(std::function<void(HWND)> each);
    ~PopupWatch() { KillTimer(nullptr, m_timer); }
    PopupWatch(const PopupWatch&) = delete;
    PopupWatch& operator=(const PopupWatch&) = delete;

private:
    std::function<void(HWND)> m_each;
    UINT_PTR m_timer;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the settings file (before Run, for the window to read at start).
    void WriteSetting(const char* key, const std::string& value) const
    {
        WritePrivateProfileStringA("Mirvalen", key, value.c_str(), m_app.m_profileName.c_str());
    }
    std::string Setting(const char* key) const;

    // Opens the window with DoModal and runs steps from inside its loop once it
    // is shown and accepts input; when the steps leave it open it is closed as
    // by the close box. Returns what DoModal returned, with the window gone.
    INT_PTR Run(const std::function<void()>& steps);
    bool ClosedBySteps() const { return m_closedBySteps; }

    HWND Dialog() const { return m_dialog->m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    void SetFolders(const std::string& base, const std::string& target) const
    {
        gui::SetText(Dialog(), IDC_BASE_FOLDER, base);
        gui::SetText(Dialog(), IDC_TARGET_FOLDER, target);
    }
    void MakeList() const { gui::Click(Dialog(), IDC_MAKE_LIST); }
    // Selects a favourite as the user does: the list tells its window of the change.
    void SelectFavorite(int index) const;
    // The folder-not-found notices shown now.
    static std::vector<HWND> Notices();
    void Command(int id) const { SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // The texts of a summary panel's status and of the value of one of its rows.
    std::string Status(PanelKind panel) const { return gui::Text(Dialog(), PanelCellId(panel, kStatusCell)); }
    std::string Value(PanelKind panel, std::size_t row) const
    {
        return gui::Text(Dialog(), PanelCellId(panel, ValueCell(row)));
    }

    int RowCount() const { return static_cast<int>(SendMessageA(Item(IDC_RESULT_LIST), LVM_GETITEMCOUNT, 0, 0)); }
    std::string Cell(int row, int column) const;

    // A chain of depth folders d\d\... in a folder of the tree, with a file f in
    // each and in the folder itself, made at once by the host: few files that
    // take long to scan, each folder's path longer than the last.
    void WriteFolderChain(const std::string& folder, int depth);

    // Standard files: a.txt newer in the base, b.txt newer in the target, c.txt
    // only in the base, d.txt only in the target, e.txt the same on both sides.
    void WriteFiveFiles() const;

    TempTree m_tree;
    const std::string m_base = m_tree.Path("base\\"), m_target = m_tree.Path("target\\");  // ending with "\"
    CWinApp m_app;
    std::unique_ptr<CMirvalenDlg> m_dialog;

private:
    bool m_closedBySteps = false;
    std::vector<std::string> m_chains;
};
