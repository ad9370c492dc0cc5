// The favourites list and its commands.
#include "ui/main_dialog.h"

#include "system/path_text.h"
#include "favorites/favorites_file.h"
#include "favorites/folder_check.h"
#include "framework/app.h"

#include <utility>

namespace {
// The timer that ends the folder-not-found notice after the display time.
const UINT_PTR kNoticeTimer = 1;
// Rows the favourites list shows at once: moving down from the last of them scrolls.
const int kVisibleFavoriteRows = 13;
} // namespace

void CMirvalenDlg::LoadFavorites()
{
    Settings& s = m_optionDlg.m_settings;
    s.favFileChanged = 0;
    std::string path = FavoritesFile(s);
    FavoritesReadResult read = ReadFavoritesFile(path);
    m_favorites = std::move(read.table);
    m_favorites.filePath = path;
    m_unreadableFavorites = read.unreadable ? path : std::string();
    if (read.unreadable) {
        ReportFailure(UnreadableFavorites(path));
    } else if (read.damaged) {
        // The next save rewrites the file from what could be read: keep the original.
        std::string copy = path + ".bak";
        bool kept = CopyFileA(path.c_str(), copy.c_str(), FALSE) != FALSE;
        AppMessageBox(MessageOf(DamagedFavorites(path)) + (kept ? "\n元のファイルを残しました: " + copy : ""),
                      MB_OK | MB_ICONWARNING);
    }
}

Failure CMirvalenDlg::SaveFavorites()
{
    m_favorites.filePath = FavoritesFile(Options());
    // A file that is there but could not be read is never replaced by the
    // (empty) list shown in its place.
    if (!m_unreadableFavorites.empty() && lstrcmpiA(m_unreadableFavorites.c_str(), m_favorites.filePath.c_str()) == 0
        && GetFileAttributesA(m_favorites.filePath.c_str()) != INVALID_FILE_ATTRIBUTES)
        return UnreadableFavorites(m_favorites.filePath);
    return WriteFavoritesFile(m_favorites.filePath, m_favorites);
}

void CMirvalenDlg::FillFavoritesList()
{
    for (const Favorite& favorite : m_favorites.items)
        m_favoritesList.AddString(favorite.name);
}

void CMirvalenDlg::OnNewFavorite()
{
    if (RefuseWhileBusy())  // it sets the direction, an input of the list in use
        return;
    SetDlgItemText(IDC_FAV_NAME, "");
    SetDlgItemText(IDC_BASE_FOLDER, "");
    SetDlgItemText(IDC_TARGET_FOLDER, "");
    if (m_favoritesList.GetCurSel() >= 0)
        m_favoritesList.SetCurSel(-1);
    SetDirectionChecks(Both);
}

void CMirvalenDlg::OnRegisterFavorite()
{
    int selection = m_favoritesList.GetCurSel();
    std::string name = GetDlgItemText(IDC_FAV_NAME);
    std::string base = GetDlgItemText(IDC_BASE_FOLDER);
    std::string target = GetDlgItemText(IDC_TARGET_FOLDER);
    // Texts that do not fit the favourites file are refused, never cut.
    std::string refusal = ValidateFavoriteTexts(name, base, target);
    if (!refusal.empty()) {
        AppMessageBox(refusal, MB_OK | MB_ICONWARNING);
        return;
    }
    if (selection < 0) {
        m_favorites.Append(name, base, target, GetDirection());
        const std::string& stored = m_favorites.items.back().name;
        SetDlgItemText(IDC_FAV_NAME, stored);
        m_favoritesList.AddString(stored);
    } else {
        m_favorites.Overwrite(selection, name, base, target, GetDirection());
        std::string shown = GetDlgItemText(IDC_FAV_NAME);
        m_favoritesList.DeleteString(selection);
        m_favoritesList.InsertString(selection, shown);
    }
    KeepFavoriteSelection();  // an update clears the selection, also while a list is built
    Problems failed = SaveSettingsAndFavorites();
    if (!failed.empty())
        AppMessageBox(MessageOf(failed), MB_OK | MB_ICONWARNING);
}

void CMirvalenDlg::OnSelectFavorite()
{
    if (RefuseWhileBusy())
        return;
    int s = m_favoritesList.GetCurSel();
    if (s < 0 || s >= m_favorites.count())
        return;
    ClearResults();
    const Favorite& favorite = m_favorites.items[s];
    SetDlgItemText(IDC_FAV_NAME, favorite.name);
    SetDlgItemText(IDC_BASE_FOLDER, favorite.baseFolder);
    SetDlgItemText(IDC_TARGET_FOLDER, favorite.targetFolder);
    if (favorite.HasDirection())
        SetDirectionChecks(favorite.Direction());

    bool baseExists = CheckFolders(IDC_BASE_FOLDER);
    bool targetExists = CheckFolders(IDC_TARGET_FOLDER);
    std::string notice = NoticeTextFor(baseExists, targetExists);
    if (notice.empty())
        return;
    ShowFolderNotice(notice);
    if (!baseExists)
        SetDlgItemText(IDC_BASE_FOLDER, "");
    if (!targetExists)
        SetDlgItemText(IDC_TARGET_FOLDER, "");
}

// Gives the field's folder its final "\" and tells whether it exists.
bool CMirvalenDlg::CheckFolders(int fieldId)
{
    std::string text = GetDlgItemText(fieldId);
    std::string withSeparator = WithTrailingBackslash(text);
    if (withSeparator != text)
        SetDlgItemText(fieldId, withSeparator);
    return FolderExists(withSeparator);
}

// A second notice replaces the first, with the whole display time of its own.
void CMirvalenDlg::ShowFolderNotice(const std::string& text)
{
    CloseNotice();
    m_notice = ShowNoticeWindow(m_hWnd, this, text);
    if (m_notice)
        SetTimer(m_hWnd, kNoticeTimer, static_cast<UINT>(Options().DISPTIME), nullptr);
}

void CMirvalenDlg::CloseNotice()
{
    KillTimer(m_hWnd, kNoticeTimer);
    if (CNoticeDlg* notice = std::exchange(m_notice, nullptr)) {
        ShowWindow(notice->Window(), SW_HIDE);
        DestroyWindow(notice->Window());
    }
}

LRESULT CMirvalenDlg::OnTimer(WPARAM timer, LPARAM)
{
    if (timer == kNoticeTimer)
        CloseNotice();
    SetMsgHandled(false);
    return 0;
}

// Its close box ended the notice: its timer has nothing left to end.
void CMirvalenDlg::ForgetNotice(HWND notice)
{
    if (m_notice && m_notice->Window() == notice) {
        m_notice = nullptr;
        KillTimer(m_hWnd, kNoticeTimer);
    }
}

void CMirvalenDlg::OnFavoriteDown()
{
    if (RefuseWhileBusy())  // the list's indexes must stay as a refused command left them
        return;
    const CListBox& list = m_favoritesList;
    int s = list.GetCurSel();
    if (s < 0 || s + 1 >= list.GetCount() || !m_favorites.MoveDown(s))
        return;
    int top = list.GetTopIndex();
    if (s == top + kVisibleFavoriteRows - 1)  // the entry is in the last visible row: keep it in view
        list.SetTopIndex(top + 1);
    list.DeleteString(s);
    list.InsertString(s + 1, m_favorites.items[s + 1].name);
    list.SetCurSel(s + 1);
}

void CMirvalenDlg::OnFavoriteUp()
{
    if (RefuseWhileBusy())  // the list's indexes must stay as a refused command left them
        return;
    const CListBox& list = m_favoritesList;
    int s = list.GetCurSel();
    if (s <= 0 || !m_favorites.MoveUp(s))
        return;
    int top = list.GetTopIndex();
    if (s == top)
        list.SetTopIndex(top - 1);
    list.DeleteString(s);
    list.InsertString(s - 1, m_favorites.items[s - 1].name);
    list.SetCurSel(s - 1);
}

void CMirvalenDlg::OnDeleteFavorite()
{
    if (RefuseWhileBusy())  // the list's indexes must stay as a refused command left them
        return;
    int s = m_favoritesList.GetCurSel();
    if (s < 0 || s >= m_favorites.count())
        return;
    if (AppMessageBox(DeleteConfirmationText(m_favorites.items[s].name), MB_OKCANCEL) == IDCANCEL)
        return;
    m_favorites.Delete(s);
    m_favoritesList.DeleteString(s);
}
