#include "ui/option_dialog.h"

#include "system/path_text.h"
#include "ui/folder_picker.h"

COptionDlg::COptionDlg()
    : CDialogImpl(IDD), m_folderBitmap(LoadBitmapA(AppInstance(), MAKEINTRESOURCEA(IDB_FOLDER)))
{
}

std::span<const MessageEntry<COptionDlg>> COptionDlg::MessageMap()
{
    using T = COptionDlg;
    static const MessageEntry<T> map[] = {
        OnCommand<T>(IDC_OPT_BROWSE, BN_CLICKED, &T::OnBrowseFavFile),
        OnCommand<T>(IDC_OPT_FAVPATH, EN_SETFOCUS, &T::OnFavPathSetFocus),
        OnCommand<T>(IDC_OPT_DISPTIME, EN_SETFOCUS, &T::OnDispTimeSetFocus),
    };
    return map;
}

BOOL COptionDlg::OnInitDialog()
{
    m_browseButton.Attach(GetDlgItem(IDC_OPT_BROWSE));
    m_dispTime.Attach(GetDlgItem(IDC_OPT_DISPTIME));
    m_favPath.Attach(GetDlgItem(IDC_OPT_FAVPATH));
    CDialog::OnInitDialog();
    m_browseButton.SetBitmap(m_folderBitmap);
    return TRUE;
}

void COptionDlg::DoDataExchange(DataExchange& dx)
{
    DdxCheck(dx, IDC_OPT_SUBFOLDER, m_settings.SUBFOLDER);
    DdxCheck(dx, IDC_OPT_ROOTFILE, m_settings.ROOTFILE);
    DdxCheck(dx, IDC_OPT_SAMEHIDE, m_settings.SAMEHIDE);
    DdxIntRange(dx, IDC_OPT_DISPTIME, m_settings.DISPTIME, kMinDispTime, kMaxDispTime);
    DdxTextMax(dx, IDC_OPT_FAVPATH, m_settings.FAVPATH, kMaxFavPathLength);
}

void COptionDlg::OnDispTimeSetFocus()
{
    m_dispTime.SelectAllLater();
}

void COptionDlg::OnFavPathSetFocus()
{
    m_favPath.SelectAllLater();
}

// The favourites file always bears the same name; only its folder is chosen.
// The confirmed FAVPATH, not the text now in the field, gives the folder the
// browser opens on, and favFileChanged says whether the new path differs from it.
// The relative form ".\..." opens on the folder it names below the program
// folder (not a folder relative to wherever the process happens to stand).
void COptionDlg::OnBrowseFavFile()
{
    const std::string& current = m_settings.FAVPATH;
    std::string initial = current.empty() ? "" : FolderPart(FavoritesFile(m_settings));
    std::string folder;
    if (!BrowseForFolder(m_hWnd, initial, "[ お気に入りファイルパス ] の指定", folder, BIF_RETURNONLYFSDIRS))
        return;

    std::string path = folder + FavoritesFileName;
    m_settings.favFileChanged = path != current ? 1 : 0;
    SetDlgItemText(IDC_OPT_FAVPATH, path);
}
