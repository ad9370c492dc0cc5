// The engine's view of the main window: its inputs are read from the controls
// and options at the moment of use, and its long loops keep the window alive
// through the window's message pump.
#pragma once
#include "engine/comparison_inputs.h"
#include "engine/make_list.h"
#include "sync/sync_files.h"

class CMirvalenDlg;

class WindowInputs : public ComparisonInputs {
public:
    explicit WindowInputs(CMirvalenDlg& window) : m_window(window) {}
    std::string BaseFolder() const override;
    std::string TargetFolder() const override;
    SyncDirection GetDirection() const override;
    int TwoSecondSame() const override;
    int SubFolder() const override;
    int RootFile() const override;
    int SameHide() const override;

private:
    CMirvalenDlg& m_window;
};

class ListBuildHost : public MakeListHost {
public:
    explicit ListBuildHost(CMirvalenDlg& window) : m_window(window) {}
    void PumpOneMessage() override;
    bool Cancelled() const override;
    void ReportConversionFailure() override;
    void SetProgress(int percent) override;
    void FillResultList() override;
    void UpdateSummary() override;

private:
    CMirvalenDlg& m_window;
};

class SyncRunHost : public SyncHost {
public:
    explicit SyncRunHost(CMirvalenDlg& window) : m_window(window) {}
    void PumpOneMessage() override;
    bool Cancelled() const override;
    void ReportConversionFailure() override;
    void SetProgress(int percent) override;
    void OpenSyncProgress() override;
    void CloseProgress() override;

private:
    CMirvalenDlg& m_window;
};
