// An engine host for tests: records what the engine shows and can raise the
// close request after a given number of progress reports.
#pragma once
#include "engine/make_list.h"
#include "sync/sync_files.h"

#include <string>
#include <vector>

class RecordingHost : public MakeListHost, public SyncHost {
public:
    void PumpOneMessage() override {}
    bool Cancelled() const override { return cancelAfterProgress >= 0 && static_cast<int>(progress.size()) >= cancelAfterProgress; }
    void ReportConversionFailure() override { ++conversionFailures; }
    void SetProgress(int percent) override { progress.push_back(percent); steps.push_back("progress"); }
    void FillResultList() override { steps.push_back("fill"); }
    void UpdateSummary() override { steps.push_back("summary"); }
    void OpenSyncProgress() override { steps.push_back("open"); }
    void CloseProgress() override { steps.push_back("close"); }
    void ShowBytesCompared(std::uint64_t compared, std::uint64_t total) override { bytesShown = {compared, total}; }

    int conversionFailures = 0;
    int cancelAfterProgress = -1; // Cancelled() once this many progress reports were made
    std::vector<int> progress;
    std::vector<std::string> steps;
    std::pair<std::uint64_t, std::uint64_t> bytesShown; // the last bytes compared, and in all
};
