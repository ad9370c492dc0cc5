// Making the comparison list and syncing, from the main window.
#include "ui/main_dialog.h"

#include "engine/folder_pair.h"
#include "framework/app.h"
#include "framework/edit.h"
#include "framework/wait_cursor.h"
#include "ui/problem_message.h"
#include "ui/progress_window.h"
#include "view/summary.h"
#include "view/vocabulary.h"

namespace {

// The folder fields take no typing while a list is built or files are copied:
// the copy reads them for every file, and a half-typed path is no folder.
class FoldersLocked {
public:
    explicit FoldersLocked(const CWnd& window)
        : m_base(window.GetDlgItem(IDC_BASE_FOLDER)), m_target(window.GetDlgItem(IDC_TARGET_FOLDER))
    {
        Lock(true);
    }
    ~FoldersLocked() { Lock(false); }

private:
    void Lock(bool locked) const
    {
        m_base.SetReadOnly(locked);
        m_target.SetReadOnly(locked);
    }
    CEdit m_base, m_target;
};

// Looking at an empty queue costs a round trip to the window server, so after
// finding it empty the pump looks again only when this much time has passed.
const DWORD kPeekIntervalMs = 4;

// The dialog whose keyboard interface (Tab, Enter, Escape, mnemonics) a message
// is for: the top-level window it goes to, when that is a dialog.
HWND DialogOf(const MSG& msg)
{
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    char className[8] = "";
    return root && GetClassNameA(root, className, sizeof className) && lstrcmpA(className, "#32770") == 0 ? root
                                                                                                        : nullptr;
}
} // namespace

// The message loop of a long command, one message at a time. A quit request
// closes the window as the close box does (the settings and favourites are
// saved, the command stops), and stays queued for the loop that runs the window.
void CMirvalenDlg::PumpOneMessage()
{
    DWORD now = GetTickCount();
    if (!m_queueHadMessage && now - m_lastPeek < kPeekIntervalMs)
        return;
    m_lastPeek = now;
    MSG msg;
    m_queueHadMessage = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    if (!m_queueHadMessage)
        return;
    if (msg.message == WM_QUIT) {
        SendMessage(WM_CLOSE);
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
    }
    // Escape, whichever window is in front, does what the popup's 中止 does.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && (m_busy || m_syncing)) {
        StopCommand();
        return;
    }
    HWND dialog = DialogOf(msg);
    if (dialog && IsDialogMessageA(dialog, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

SyncDirection CMirvalenDlg::GetDirection() const
{
    if (IsChecked(IDC_DIR_DOWN))
        return Down;
    if (IsChecked(IDC_DIR_UP))
        return Up;
    return Both;
}

bool CMirvalenDlg::HasEmptyFolder() const
{
    return GetWindowTextLengthA(Item(IDC_BASE_FOLDER)) == 0 || GetWindowTextLengthA(Item(IDC_TARGET_FOLDER)) == 0;
}

// While a list is built or files are copied, the tables are in use: commands
// that would change the comparison's inputs or tables are refused, and what
// their click already changed (a radio button, the toggle, the favourites
// selection) is put back as the last accepted command left it.
bool CMirvalenDlg::RefuseWhileBusy()
{
    if (!m_busy && !m_syncing)
        return false;
    SetDirectionChecks(m_runDirection);
    SetCheck(IDC_TWO_SECOND, Options().ONESECSAME != 0);
    m_favoritesList.SetCurSel(m_keptFavoriteSelection);
    MessageBeep(MB_OK);
    return true;
}

// Remembers the favourites selection that a refused command puts back.
void CMirvalenDlg::KeepFavoriteSelection()
{
    m_keptFavoriteSelection = m_favoritesList.GetCurSel();
}

void CMirvalenDlg::ClearResults()
{
    m_resultList.Clear();
    m_comparison.Clear();
    ResetSummary();
}

void CMirvalenDlg::OnMakeList()
{
    if (RefuseWhileBusy())
        return;
    MakeList();
}

// With subfolders searched, a folder inside the other would be copied into
// itself at every sync: such a pair is refused before anything is scanned.
bool CMirvalenDlg::RefuseNestedFolders()
{
    if (!SearchesSubfolders(Options()))
        return false;
    Nesting nesting = NestingOf(m_inputs.BaseFolder(), m_inputs.TargetFolder());
    if (nesting == Nesting::None)
        return false;
    AppMessageBox(NestingMessage(nesting), MB_OK | MB_ICONWARNING);
    return true;
}

void CMirvalenDlg::MakeList(const Problems& notCopied, const Problems& noBin)
{
    ClearResults();
    m_stop = false;
    if (HasEmptyFolder() || RefuseNestedFolders()) {
        ShowProblems(m_hWnd, {}, notCopied);
        ShowNoBinNotice(m_hWnd, noBin);
        return;
    }
    m_busy = 1;
    m_runDirection = GetDirection();
    KeepFavoriteSelection();
    CWaitCursor wait;
    FoldersLocked folders(*this);
    OpenListProgress();
    if (RunListSteps(m_comparison, m_inputs, m_listHost))
        HoldFinishedProgress(m_listDonePauseMs);  // a stop meanwhile still discards the list
    CloseProgress();
    if (m_cancel)  // the window is closing: nothing more runs
        return;
    m_busy = 0;
    if (m_stop)  // stopped: no list, and no folder of it named as unread
        ClearResults();
    ShowProblems(m_hWnd, m_stop ? Problems{} : m_comparison.ReadProblems(), notCopied);
    ShowNoBinNotice(m_hWnd, noBin);
}

void CMirvalenDlg::OnRunSync()
{
    if (RefuseWhileBusy() || RefuseNestedFolders())
        return;
    m_syncing = 1;
    m_stop = false;
    m_runDirection = GetDirection();
    KeepFavoriteSelection();
    Problems notCopied, noBin;
    {
        CWaitCursor wait;
        FoldersLocked folders(*this);
        notCopied = SyncFiles(m_comparison, m_inputs, m_syncHost, 0, &noBin);
    }
    CloseProgress();  // left open by a copy that was stopped or cut short by the closing window
    if (!m_cancel)    // closing: no list to show the state after the copy
        MakeList(notCopied, noBin);
    m_syncing = 0;
}

// 中止, or Escape: the command stops at its next look at the cancel flag.
void CMirvalenDlg::StopCommand()
{
    m_stop = true;
    if (m_progress)
        m_progress->ShowStopping();
}

void CMirvalenDlg::OpenProgress(const char* message)
{
    m_progress = std::make_unique<CProgressWnd>([this] { PumpOneMessage(); }, [this] { StopCommand(); });
    m_progress->m_message = message;
    m_progress->CreatePopup();
}

void CMirvalenDlg::OpenListProgress()
{
    OpenProgress(kListProgressLabel);
}

void CMirvalenDlg::OpenSyncProgress()
{
    OpenProgress(kSyncProgressLabel);
}

void CMirvalenDlg::SetProgress(int percent)
{
    if (m_progress)
        m_progress->SetPercent(percent);
}

void CMirvalenDlg::ShowFilesFound(std::uint64_t files)
{
    if (m_progress)
        m_progress->SetMessage(FilesFoundLabel(files));
}

// The bar goes forward with the bytes compared.
void CMirvalenDlg::ShowBytesCompared(std::uint64_t compared, std::uint64_t total)
{
    if (!m_progress)
        return;
    m_progress->SetMessage(BytesComparedLabel(compared, total));
    m_progress->SetPercent(total ? static_cast<int>(compared * 100 / total) : 100);
}

void CMirvalenDlg::HoldFinishedProgress(DWORD milliseconds)
{
    for (DWORD start = GetTickCount(), spent = 0; spent < milliseconds && !m_stop && !m_cancel;
         spent = GetTickCount() - start) {
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - spent, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        PumpOneMessage();
    }
}

void CMirvalenDlg::CloseProgress()
{
    m_progress.reset();
}

void CMirvalenDlg::FillResultList()
{
    m_resultList.Show(ResultRows(m_comparison, GetDirection(), Options().SAMEHIDE));
}

void CMirvalenDlg::ShowSummary(const SummaryContents& contents)
{
    auto fill = [](SummaryPanel& panel, const auto& panelContents) {
        for (size_t row = 0; row < panelContents.values.size(); ++row)
            panel.SetValue(row, panelContents.values[row]);
        panel.SetStatus(panelContents.status);
    };
    fill(m_basePanel, contents.base);
    fill(m_targetPanel, contents.target);
    fill(m_transferPanel, contents.transfer);
}

void CMirvalenDlg::ResetSummary()
{
    ShowSummary(ReadySummary());
    EnableWindow(Item(IDC_RUN_SYNC), FALSE);
}

// The run-sync button is enabled only when the panels that count in this
// direction add up and something is to be copied: after a list, and after
// each choice for its rows.
void CMirvalenDlg::UpdateSummary()
{
    TableCounts counts{m_comparison.BaseCount(), m_comparison.TargetCount(), m_comparison.BothCount()};
    SummaryContents contents = ComputeSummary(m_resultList.Rows().Counters(), counts, GetDirection());
    ShowSummary(contents);
    EnableWindow(Item(IDC_RUN_SYNC), contents.runEnabled);
}
