// The main window: favourites editing above, the summary panels in the middle,
// the comparison list below. It owns all of the program's state: the options,
// the favourites, the comparison tables and every control, brush and font.
#pragma once
#include "settings/settings.h"
#include "engine/comparison.h"
#include "engine/row_choice.h"
#include "favorites/favorites_table.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/list_box.h"
#include "res/resource.h"
#include "ui/engine_link.h"
#include "ui/notice_dialog.h"
#include "ui/option_dialog.h"
#include "ui/result_list.h"
#include "ui/summary_panels.h"
#include "view/summary.h"

#include <memory>
#include <vector>

class CProgressWnd;

class CMirvalenDlg : public CDialogImpl<CMirvalenDlg>, public NoticeOwner {
public:
    enum { IDD = IDD_MIRVALEN_DIALOG };
    CMirvalenDlg();
    ~CMirvalenDlg() override;

    static std::span<const MessageEntry<CMirvalenDlg>> MessageMap();

    // What the engine asks of the window through ui/engine_link.cpp (main_make_list.cpp).
    void PumpOneMessage();
    bool Cancelled() const { return m_cancel != 0; }
    bool Stopped() const { return m_stop; }
    void SetProgress(int percent);
    void ShowFilesFound(std::uint64_t files);
    void ShowBytesCompared(std::uint64_t compared, std::uint64_t total);
    void OpenSyncProgress();
    // Leaves the popup at 100% for a while, so that the end is seen; the
    // window answers meanwhile, and 中止, Escape or a close request end the wait.
    void HoldFinishedProgress(DWORD milliseconds);
    void CloseProgress();
    SyncDirection GetDirection() const;
    const Settings& Options() const { return m_optionDlg.m_settings; }
    void FillResultList();
    void UpdateSummary();

    void ForgetNotice(HWND notice) override;

    // How long a finished list stays under its popup (a second; none for a benchmark).
    void SetListDonePause(DWORD milliseconds) { m_listDonePauseMs = milliseconds; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnFinalMessage() override;

private:
    // Start-up (main_dialog.cpp)
    void InitMembers();
    void InitDecorations();
    void CreateSummaryPanels();
    void InitData();

    // Window messages (main_dialog.cpp)
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    struct ControlColors {
        COLORREF background;
        COLORREF text;
        HBRUSH brush;
    };
    bool ColorsOf(HWND control, bool isStatic, ControlColors& colors) const;
    LRESULT OnSetCursor(WPARAM, LPARAM);
    void OnEditSetFocus();
    LRESULT OnResultListCustomDraw(NMHDR* header) { return m_resultList.OnCustomDraw(header); }
    LRESULT OnResultListGetDispInfo(NMHDR* header) { return m_resultList.OnGetDispInfo(header); }
    void OnExit();
    void OnAbout();
    void OnHelpContents();

    // Settings and the close path (main_settings.cpp)
    void LoadSettings();
    Failure SaveSettings();
    void SaveOneSecSame();
    Problems SaveSettingsAndFavorites();
    void ReportFailure(const Failure& failure) const;
    LRESULT OnClose(WPARAM, LPARAM);

    // Making the list and syncing (main_make_list.cpp)
    void OnMakeList();
    // Builds the list; then names what could not be read and, after a sync,
    // the files that were not copied.
    void MakeList(const Problems& notCopied = {}, const Problems& noBin = {});
    bool RefuseNestedFolders();
    void OnRunSync();
    void ClearResults();
    bool HasEmptyFolder() const;
    void OpenProgress(const char* message);
    void OpenListProgress();
    void ResetSummary();
    void ShowSummary(const SummaryContents& contents);
    bool RefuseWhileBusy();
    void KeepFavoriteSelection();
    void StopCommand();

    // Choices for rows of the result list (main_row_choices.cpp)
    std::vector<std::size_t> SelectedRows() const;
    bool ChoiceOffered(RowChoice choice, const std::vector<std::size_t>& rows) const;
    HMENU ChoiceMenu() const;
    LRESULT OnInitMenuPopup(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM, LPARAM);
    void ChooseForSelectedRows(RowChoice choice);
    void OnCopyDown();
    void OnCopyUp();
    void OnNoCopy();
    void OnAutomatic();

    // Direction and the two-second toggle (main_direction.cpp)
    void OnDirectionDown();
    void OnDirectionUp();
    void OnDirectionBoth();
    void OnTwoSecondToggle();
    void SetDirectionChecks(SyncDirection direction);

    // Favourites (main_favorites.cpp)
    void LoadFavorites();
    Failure SaveFavorites();
    void FillFavoritesList();
    void OnNewFavorite();
    void OnRegisterFavorite();
    void OnSelectFavorite();
    void OnFavoriteDown();
    void OnFavoriteUp();
    void OnDeleteFavorite();
    bool CheckFolders(int fieldId);
    void ShowFolderNotice(const std::string& text);
    void CloseNotice();
    LRESULT OnTimer(WPARAM, LPARAM);

    // Options and the browse buttons (main_options.cpp)
    void OnOptions();
    void OnExclusions();
    void OnBrowseBase();
    void OnBrowseTarget();
    void BrowseField(int fieldId, const char* title);

    HWND Item(int id) const { return GetDlgItem(id); }

    int m_cancel = 0;
    bool m_stop = false;  // 中止 or Escape during the running command; each command starts without it
    int m_syncing = 0;
    int m_busy = 0;
    std::unique_ptr<CProgressWnd> m_progress;

    Comparison m_comparison;
    ResultList m_resultList;
    WindowInputs m_inputs{*this};
    ListBuildHost m_listHost{*this};
    SyncRunHost m_syncHost{*this};
    DWORD m_lastPeek = 0;
    bool m_queueHadMessage = false;
    DWORD m_listDonePauseMs = 1000;  // the finished list stays under its popup for a second

    // What a refused command puts back while a list is built or files are copied:
    // the direction the run started with, the selection the last accepted command left.
    SyncDirection m_runDirection = Both;
    int m_keptFavoriteSelection = -1;

    CNoticeDlg* m_notice = nullptr;
    COptionDlg m_optionDlg;

    Bitmap m_folderBitmap;
    Brush m_grayBrush, m_blackBrush, m_lightOrangeBrush, m_lightBlueBrush, m_lightRedBrush;
    Font m_normalFont, m_boldFont;
    HWND m_favListLabel = nullptr;
    CListBox m_favoritesList;
    SummaryPanel m_transferPanel, m_basePanel, m_targetPanel;

    FavoritesTable m_favorites;
    std::string m_unreadableFavorites;  // the favourites file that was there but could not be read
    HICON m_hIcon = nullptr;
    Icon m_smallIcon;
};
