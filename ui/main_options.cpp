// The options command and the two browse buttons.
#include "ui/main_dialog.h"

#include "ui/exclude_dialog.h"
#include "ui/folder_picker.h"

void CMirvalenDlg::OnOptions()
{
    if (RefuseWhileBusy())
        return;
    m_optionDlg.DoModal();
    if (m_optionDlg.m_settings.favFileChanged != 1)
        return;
    // Another favourites file was picked: the list is loaded from it afresh,
    // without writing the old one first.
    m_favoritesList.ResetContent();
    ClearResults();
    OnNewFavorite();
    m_favorites.items.clear();
    LoadFavorites();
    FillFavoritesList();
}

// OK changes the settings in memory, as the options dialog does; the settings
// file takes them at the usual moments. Other patterns, or comparing by
// content or not, make other tables, so the list shown no longer answers to
// the inputs and is cleared.
void CMirvalenDlg::OnExclusions()
{
    if (RefuseWhileBusy())
        return;
    Settings& settings = m_optionDlg.m_settings;
    CExcludeDlg dialog;
    dialog.m_lines = CExcludeDlg::LinesFromList(settings.EXCLUDE);
    dialog.m_recycle = settings.RECYCLE;
    dialog.m_verify = settings.VERIFY;
    dialog.m_content = settings.CONTENT;
    if (dialog.DoModal() != IDOK)
        return;
    settings.RECYCLE = dialog.m_recycle;
    settings.VERIFY = dialog.m_verify;
    std::string patterns = CExcludeDlg::ListFromLines(dialog.m_lines);
    // Both change what the comparison finds.
    if (patterns != settings.EXCLUDE || dialog.m_content != settings.CONTENT) {
        settings.EXCLUDE = patterns;
        settings.CONTENT = dialog.m_content;
        ClearResults();
    }
}

void CMirvalenDlg::OnBrowseBase()
{
    BrowseField(IDC_BASE_FOLDER, "[ 基本フォルダ ] の指定");
}

void CMirvalenDlg::OnBrowseTarget()
{
    BrowseField(IDC_TARGET_FOLDER, "[ 対象フォルダ ] の指定");
}

void CMirvalenDlg::BrowseField(int fieldId, const char* title)
{
    if (RefuseWhileBusy())
        return;
    std::string chosen;
    if (BrowseForFolder(m_hWnd, GetDlgItemText(fieldId), title, chosen))
        SetDlgItemText(fieldId, chosen);
    ClearResults();
}
