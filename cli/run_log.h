// --log FILE: a scheduled run that nobody watched leaves a trace. Each run
// appends to FILE (UTF-8) its start time, its command line, the three panels
// of the last list and every problem line, then how it ended.
#pragma once
#include "engine/problem.h"
#include "system/unique_handle.h"
#include "view/summary.h"

#include <windows.h>

#include <string>

class RunLog {
public:
    // Opens FILE for appending and writes the start of the run; false (with the
    // system's reason) when it cannot be written, before anything is copied.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return static_cast<bool>(m_file); }

    void Problems(const ::Problems& problems);
    void Summary(const SummaryContents& summary);
    void End(int exitCode);
    // The system's reason when a write failed during the run (a full disk,
    // say); empty while every write went through. Nothing is written after
    // a failed write, so the log holds the run's beginning without a gap.
    const std::string& WriteFailure() const { return m_writeFailure; }

private:
    void Write(const std::string& shiftJisText); // stored names and program texts
    UniqueHandle m_file;
    std::string m_writeFailure;
};
