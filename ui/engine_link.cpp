#include "ui/engine_link.h"

#include "framework/app.h"
#include "ui/main_dialog.h"

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
    return m_window.TwoSecondSame();
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

namespace {
void ReportConversionFailureBox()
{
    AppMessageBox("変換失敗", MB_OK);
}
} // namespace

void ListBuildHost::PumpOneMessage() { m_window.PumpOneMessage(); }
bool ListBuildHost::Cancelled() const { return m_window.Cancelled(); }
void ListBuildHost::ReportConversionFailure() { ReportConversionFailureBox(); }
void ListBuildHost::SetProgress(int percent) { m_window.SetProgress(percent); }
void ListBuildHost::FillResultList() { m_window.FillResultList(); }
void ListBuildHost::UpdateSummary() { m_window.UpdateSummary(); }

void SyncRunHost::PumpOneMessage() { m_window.PumpOneMessage(); }
bool SyncRunHost::Cancelled() const { return m_window.Cancelled(); }
void SyncRunHost::ReportConversionFailure() { ReportConversionFailureBox(); }
void SyncRunHost::SetProgress(int percent) { m_window.SetProgress(percent); }
void SyncRunHost::OpenSyncProgress() { m_window.OpenSyncProgress(); }
void SyncRunHost::CloseProgress() { m_window.CloseProgress(); }
