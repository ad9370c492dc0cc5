// The engine's surroundings in a console: no window to keep alive, Ctrl+C as the
// close request, a progress line on standard error during long runs, and the
// time of each step for --timings.
#pragma once
#include "cli/output.h"
#include "engine/comparison.h"
#include "engine/make_list.h"
#include "sync/sync_files.h"
#include "view/result_rows.h"
#include "view/summary.h"

#include <string>
#include <vector>

class ConsoleHost : public MakeListHost, public SyncHost {
public:
    ConsoleHost(const Comparison& comparison, const ComparisonInputs& inputs, const Output& output);

    void PumpOneMessage() override;
    bool Cancelled() const override;
    void ReportConversionFailure() override;
    void SetProgress(int percent) override;
    void ShowFilesFound(std::uint64_t files) override;
    void ShowBytesCompared(std::uint64_t compared, std::uint64_t total) override;
    void FillResultList() override;
    void UpdateSummary() override;
    void OpenSyncProgress() override;
    void CloseProgress() override;

    const ResultRows& Rows() const { return m_rows; }
    const SummaryContents& Summary() const { return m_summary; }
    // Names and seconds of the steps of the last list build, in order.
    const std::vector<std::pair<std::string, double>>& StepTimes() const { return m_steps; }
    void StartList(); // the list build begins: its steps are timed from here

private:
    void ShowProgressLine();
    void EndProgressLine();

    const Comparison& m_comparison;
    const ComparisonInputs& m_inputs;
    const Output& m_output;
    ResultRows m_rows;
    SummaryContents m_summary = ReadySummary();
    bool m_syncing = false;  // the copy runs (else a list is built)
    int m_percent = 0;
    unsigned m_pumps = 0;
    std::string m_listLabel; // what the list build is at: files found, then bytes compared
    bool m_lineShown = false;
    bool m_stderrIsConsole = false;
    double m_started, m_lastLine, m_stepStarted; // seconds of the performance counter
    std::vector<std::pair<std::string, double>> m_steps;
};
