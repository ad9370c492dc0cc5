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
    int Recycle() const override;
    int Verify() const override;
    int CompareContent() const override;
    std::string ExcludePatterns() const override;

private:
    CMirvalenDlg& m_window;
};

// What both long commands need of the window: its pump, its close and stop
// flags (to the engine one cancel flag), its one message and its progress popup.
template <class Host>
class WindowHost : public Host {
public:
    explicit WindowHost(CMirvalenDlg& window) : m_window(window) {}
    void PumpOneMessage() override;
    bool Cancelled() const override;
    void ReportConversionFailure() override;
    void SetProgress(int percent) override;
    void WaitFor(HANDLE handle) override;

protected:
    CMirvalenDlg& m_window;
};

class ListBuildHost : public WindowHost<MakeListHost> {
public:
    using WindowHost::WindowHost;
    void FillResultList() override;
    void UpdateSummary() override;
    void ShowFilesFound(std::uint64_t files) override;
    void ShowBytesCompared(std::uint64_t compared, std::uint64_t total) override;
};

class SyncRunHost : public WindowHost<SyncHost> {
public:
    using WindowHost::WindowHost;
    void OpenSyncProgress() override;
    void CloseProgress() override;
};
