#include "main_window_fixture.h"

void MainWindowTest::SetUp()
{
    m_app.m_profileName = m_tree.Path("Mirvalen.ini");
    m_tree.MakeDir("base");
    m_tree.MakeDir("target");
    m_base = m_tree.Path("base\\");
    m_target = m_tree.Path("target\\");
    WriteSetting("FAVPATH", m_tree.Path("favorites.bdt"));
}

void MainWindowTest::TearDown()
{
    if (m_dialog && m_dialog->m_hWnd)
        DestroyWindow(m_dialog->m_hWnd);
    m_app.m_mainWnd = nullptr;
    gui::Pump();
}

void MainWindowTest::WriteSetting(const char* key, const std::string& value) const
{
    WritePrivateProfileStringA("Mirvalen", key, value.c_str(), m_app.m_profileName.c_str());
}

std::string MainWindowTest::Setting(const char* key) const
{
    char value[1024] = "";
    GetPrivateProfileStringA("Mirvalen", key, "<none>", value, sizeof value, m_app.m_profileName.c_str());
    return value;
}

void MainWindowTest::Open()
{
    m_dialog = std::make_unique<CMirvalenDlg>();
    m_app.m_mainWnd = m_dialog.get();
    ASSERT_TRUE(m_dialog->Create());
    m_dialog->SetListDonePause(0);
    ShowWindow(Dialog(), SW_SHOW);
    gui::Pump();
}

void MainWindowTest::Close()
{
    SendMessageA(Dialog(), WM_CLOSE, 0, 0);
    gui::Pump();
}

void MainWindowTest::SetFolders(const std::string& base, const std::string& target) const
{
    gui::SetText(Dialog(), IDC_BASE_FOLDER, base);
    gui::SetText(Dialog(), IDC_TARGET_FOLDER, target);
}

int MainWindowTest::RowCount() const
{
    return static_cast<int>(SendMessageA(Item(IDC_RESULT_LIST), LVM_GETITEMCOUNT, 0, 0));
}

std::string MainWindowTest::Cell(int row, int column) const
{
    char text[600] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Item(IDC_RESULT_LIST), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void WriteFiveFileExample(const TempTree& tree, const std::string& base, const std::string& target)
{
    std::string b = base.substr(tree.Root().size()), t = target.substr(tree.Root().size());
    FILETIME older = LocalFileTime(2010, 3, 5, 14, 7, 9), newer = LocalFileTime(2011, 4, 6, 15, 8, 10);
    tree.Write(b + "a.txt", "new base", newer);
    tree.Write(t + "a.txt", "old", older);
    tree.Write(b + "b.txt", "old", older);
    tree.Write(t + "b.txt", "new target", newer);
    tree.Write(b + "c.txt", "only base", older);
    tree.Write(t + "d.txt", "only target", older);
    tree.Write(b + "e.txt", "same", older);
    tree.Write(t + "e.txt", "same", older);
}
