// Settings of the main window and its close path.
#include "ui/main_dialog.h"

#include "framework/app.h"

namespace {

SettingsFile ProgramSettings()
{
    return SettingsFile(AfxGetApp()->m_profileName);
}

} // namespace

void CMirvalenDlg::LoadSettings()
{
    m_optionDlg.m_settings = ProgramSettings().Read();
    SetCheck(IDC_TWO_SECOND, Options().ONESECSAME != 0);
}

// Writes the options and copies the settings file beside the favourites file,
// so that the favourites travel with the settings they were made with. The
// copy goes beside the file the setting names, resolved against the program
// folder (never the current folder).
Failure CMirvalenDlg::SaveSettings()
{
    const Settings& s = m_optionDlg.m_settings;
    SettingsFile file = ProgramSettings();
    if (Failure failure = file.Write(s))
        return failure;
    return file.CopyBeside(FavoritesFile(s));
}

void CMirvalenDlg::SaveOneSecSame()
{
    m_optionDlg.m_settings.ONESECSAME = IsChecked(IDC_TWO_SECOND) ? 1 : 0;
    ReportFailure(ProgramSettings().WriteTwoSecondSame(Options().ONESECSAME));
}

void CMirvalenDlg::ReportFailure(const Failure& failure) const
{
    if (failure)
        AppMessageBox(MessageOf(*failure), MB_OK | MB_ICONWARNING);
}

// Both files are saved, whatever happens to the other.
Problems CMirvalenDlg::SaveSettingsAndFavorites()
{
    Problems failed;
    for (const Failure& failure : {SaveSettings(), SaveFavorites()}) {
        if (failure)
            failed.push_back(*failure);
    }
    return failed;
}

// The close box, Alt+F4, Escape and "終了" all end here. A list build or a sync
// in progress stops at its next check; its tables are released with the window
// only after it has returned.
LRESULT CMirvalenDlg::OnClose(WPARAM, LPARAM)
{
    if (m_cancel)  // already closing: a second request must not save the released favourites
        return 0;
    m_cancel = 1;
    Problems failed = SaveSettingsAndFavorites();
    if (!failed.empty() && !m_busy && !m_syncing) {
        if (AppMessageBox(MessageOf(failed) + "\n\nこのまま終了しますか。", MB_OKCANCEL | MB_ICONWARNING) != IDOK) {
            m_cancel = 0;
            return 0;
        }
    } else if (!failed.empty()) {
        AppMessageBox(MessageOf(failed), MB_OK | MB_ICONWARNING);
    }
    m_favorites.items.clear();
    if (!m_busy && !m_syncing) {
        m_resultList.Clear();
        m_comparison.Clear();
    }
    EndDialog(IDCANCEL);
    return 0;
}
