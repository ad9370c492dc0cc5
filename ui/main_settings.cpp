// Settings of the main window and its close path.
#include "ui/main_dialog.h"

#include "app/module_folder.h"
#include "favorites/favorites_path.h"
#include "framework/app.h"
#include "sync/path_parts.h"

namespace {

CWinApp& App()
{
    return *AfxGetApp();
}

// True when both names denote one file (the copy would then do nothing).
bool SameFile(const std::string& a, const std::string& b)
{
    char fullA[MAX_PATH * 4] = "", fullB[MAX_PATH * 4] = "";
    GetFullPathNameA(a.c_str(), sizeof fullA, fullA, nullptr);
    GetFullPathNameA(b.c_str(), sizeof fullB, fullB, nullptr);
    return lstrcmpiA(fullA, fullB) == 0;
}

} // namespace

void CMirvalenDlg::LoadSettings()
{
    using namespace SettingsKeys;
    Settings& s = m_optionDlg.m_settings;
    s.SUBFOLDER = App().GetProfileInt(Section, SubFolder, 0);
    s.ROOTFILE = App().GetProfileInt(Section, RootFile, 0);
    s.SAMEHIDE = App().GetProfileInt(Section, SameHide, 0);
    s.DISPTIME = App().GetProfileInt(Section, DispTime, 500);
    m_twoSecondSame = App().GetProfileInt(Section, OneSecSame, 0) != 0 ? 1 : 0;
    SetCheck(IDC_TWO_SECOND, m_twoSecondSame ? BST_CHECKED : BST_UNCHECKED);
    s.FAVPATH = App().GetProfileString(Section, FavPath, GetModuleFolder() + FavoritesFileName);
    s.RECYCLE = App().GetProfileInt(Section, Recycle, 1) != 0 ? 1 : 0;
    s.EXCLUDE = App().GetProfileString(Section, Exclude, "");
}

// Writes the options and copies the settings file beside the favourites file,
// so that the favourites travel with the settings they were made with.
void CMirvalenDlg::SaveSettings()
{
    using namespace SettingsKeys;
    Settings& s = m_optionDlg.m_settings;
    App().WriteProfileInt(Section, SubFolder, s.SUBFOLDER);
    App().WriteProfileInt(Section, RootFile, s.ROOTFILE);
    App().WriteProfileInt(Section, SameHide, s.SAMEHIDE);
    App().WriteProfileInt(Section, DispTime, s.DISPTIME);
    App().WriteProfileInt(Section, Recycle, s.RECYCLE);
    App().WriteProfileString(Section, Exclude, s.EXCLUDE);
    if (s.FAVPATH.rfind(".\\", 0) != 0)
        s.FAVPATH = StoredFavoritesPath(s.FAVPATH, GetModuleFolder());
    App().WriteProfileString(Section, FavPath, s.FAVPATH);

    // The copy goes beside the file the setting names, resolved against the
    // program folder (never the current folder).
    std::string favorites = ResolveFavoritesPath(s.FAVPATH, GetModuleFolder());
    std::string copy = FolderPart(favorites) + SettingsFileName;
    if (!FolderPart(favorites).empty() && !SameFile(App().m_profileName, copy))
        CopyFileA(App().m_profileName.c_str(), copy.c_str(), FALSE);
}

void CMirvalenDlg::SaveOneSecSame()
{
    m_twoSecondSame = IsChecked(IDC_TWO_SECOND) ? 1 : 0;
    App().WriteProfileInt(SettingsKeys::Section, SettingsKeys::OneSecSame, m_twoSecondSame);
}

// The close box, Alt+F4, Escape and "終了" all end here. A list build or a sync
// in progress stops at its next check; its tables are released with the window
// only after it has returned.
LRESULT CMirvalenDlg::OnClose(WPARAM, LPARAM)
{
    if (m_cancel)  // already closing: a second request must not save the released favourites
        return 0;
    m_cancel = 1;
    SaveSettings();
    std::string failure = SaveFavorites();
    if (!failure.empty() && !m_busy && !m_syncing) {
        if (AppMessageBox(failure + "\n\nこのまま終了しますか。", MB_OKCANCEL | MB_ICONWARNING) != IDOK) {
            m_cancel = 0;
            return 0;
        }
    } else if (!failure.empty()) {
        AppMessageBox(failure, MB_OK | MB_ICONWARNING);
    }
    m_favorites.items.clear();
    if (!m_busy && !m_syncing) {
        m_resultList.Clear();
        m_comparison.Clear();
    }
    EndDialog(IDCANCEL);
    return 0;
}
