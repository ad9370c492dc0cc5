// --log FILE: a scheduled run that nobody watched leaves a trace. Each run
// appends to FILE (UTF-8) its start time, its command line, the three panels
// of the last list and every problem line, then how it ended.
#pragma once
#include "engine/problem.h"
#include "view/summary.h"

#include <windows.h>

#include <string>

class RunLog {
public:
    RunLog() = default;
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Opens FILE for appending and writes the start of the run; false (with the
    // system's reason) when it cannot be written, before anything is copied.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

    void Problems(const ::Problems& problems);
    void Summary(const SummaryContents& summary);
    void End(int exitCode);
    // The system's reason when a write failed during the run (a full disk,
    // say); empty while every write went through. Nothing is written after
    // a failed write, so the log holds the run's beginning without a gap.
    const std::string& WriteFailure() const { return m_writeFailure; }

private:
    void Write(const std::string& shiftJisText); // stored names and program texts
    HANDLE m_file = INVALID_HANDLE_VALUE;
    std::string m_writeFailure;
};
