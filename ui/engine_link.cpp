#include "ui/engine_link.h"

#include "framework/app.h"
#include "view/vocabulary.h"
#include "ui/main_dialog.h"

#include <cstdio>

std::string WindowInputs::BaseFolder() const
{
    return m_window.GetDlgItemText(IDC_BASE_FOLDER);
}

std::string WindowInputs::TargetFolder() const
{
    return m_window.GetDlgItemText(IDC_TARGET_FOLDER);
}

SyncDirection WindowInputs::GetDirection() const
{
    return m_window.GetDirection();
}

int WindowInputs::TwoSecondSame() const
{
    return m_window.Options().ONESECSAME;
}

int WindowInputs::SubFolder() const
{
    return m_window.Options().SUBFOLDER;
}

int WindowInputs::RootFile() const
{
    return m_window.Options().ROOTFILE;
}

int WindowInputs::SameHide() const
{
    return m_window.Options().SAMEHIDE;
}

int WindowInputs::Recycle() const
{
    return m_window.Options().RECYCLE;
}

int WindowInputs::Verify() const
{
    return m_window.Options().VERIFY;
}

int WindowInputs::CompareContent() const
{
    return m_window.Options().CONTENT;
}

std::string WindowInputs::ExcludePatterns() const
{
    return m_window.Options().EXCLUDE;
}

template <class Host>
void WindowHost<Host>::PumpOneMessage()
{
    m_window.PumpOneMessage();
}

template <class Host>
bool WindowHost<Host>::Cancelled() const
{
    return m_window.Cancelled() || m_window.Stopped();
}

template <class Host>
void WindowHost<Host>::ReportConversionFailure()
{
    AppMessageBox(kConversionFailureText, MB_OK);
}

template <class Host>
void WindowHost<Host>::SetProgress(int percent)
{
    m_window.SetProgress(percent);
}

// Wakes for the handle or for a message, whichever comes first, so that the
// window answers at once while workers run.
template <class Host>
void WindowHost<Host>::WaitFor(HANDLE handle)
{
    if (MsgWaitForMultipleObjects(1, &handle, FALSE, Host::kWaitSliceMs, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpOneMessage();
}

template class WindowHost<MakeListHost>;
template class WindowHost<SyncHost>;

void ListBuildHost::FillResultList() { m_window.FillResultList(); }
void ListBuildHost::UpdateSummary() { m_window.UpdateSummary(); }
void ListBuildHost::ShowFilesFound(std::uint64_t files) { m_window.ShowFilesFound(files); }
void ListBuildHost::ShowBytesCompared(std::uint64_t compared, std::uint64_t total)
{
    m_window.ShowBytesCompared(compared, total);
}
void SyncRunHost::OpenSyncProgress()
{
    std::printf("SyncStart");
    std::fflush(stdout);
    m_window.OpenSyncProgress();
}

// The popup shows 100% for half a second, so that the end of the copy is seen.
void SyncRunHost::CloseProgress()
{
    constexpr DWORD kSyncDonePauseMs = 500;
    m_window.HoldFinishedProgress(kSyncDonePauseMs);
    m_window.CloseProgress();
}
