// The real main window, created in-process on a temporary settings file, with
// base and target folders in a temporary tree.
#pragma once
#include "framework/app.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"
#include "ui/main_dialog.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <memory>
#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the settings file before the window opens (call before Open()).
    void WriteSetting(const char* key, const std::string& value) const;
    void Open();
    void Close();

    HWND Dialog() const { return m_dialog->m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    void SetFolders(const std::string& base, const std::string& target) const;
    void MakeList() const { gui::Click(Dialog(), IDC_MAKE_LIST); }

    int RowCount() const;
    std::string Cell(int row, int column) const;
    std::string Setting(const char* key) const;

    TempTree m_tree;
    std::string m_base, m_target;  // folders in the tree, ending with "\"
    CWinApp m_app;
    std::unique_ptr<CMirvalenDlg> m_dialog;
};

// Standard files: a.txt newer in the base, b.txt newer in the target, c.txt only
// in the base, d.txt only in the target, e.txt the same on both sides.
void WriteFiveFileExample(const TempTree& tree, const std::string& base, const std::string& target);
