#include "cli/run_log.h"

#include "cli/report.h"
#include "system/handle_io.h"
#include "system/stored_name.h"
#include "engine/time_text.h"

#include <array>

bool RunLog::Open(const std::string& path, std::string& error)
{
    m_file.reset(CreateFileW(WideFromStored(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!IsOpen()) {
        error = SystemMessage(GetLastError());
        return false;
    }
    // The time as the list writes times.
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    std::array<char, kTimeTextLength + 1> stamp;
    LocalTimeFormatter().Format(now, stamp);
    // The time is plain ASCII, the same in UTF-8.
    std::string start = std::string("== ") + stamp.data() + "\n";
    std::string command = Utf8FromWide(GetCommandLineW()) + "\n";
    if (!WriteAll(m_file.get(), start + command)) {
        error = SystemMessage(GetLastError());
        m_file.reset();
        return false;
    }
    return true;
}

void RunLog::Problems(const ::Problems& problems)
{
    for (const Problem& p : problems)
        Write(p.path + "\t" + p.reason + "\n");
}

void RunLog::Summary(const SummaryContents& summary)
{
    Write(SummaryText(summary));
}

void RunLog::End(int exitCode)
{
    Write("exit " + std::to_string(exitCode) + "\n\n");
}

void RunLog::Write(const std::string& shiftJisText)
{
    if (!IsOpen() || !m_writeFailure.empty())
        return;
    if (!WriteAll(m_file.get(), Utf8FromWide(WideFromStored(shiftJisText))))
        m_writeFailure = SystemMessage(GetLastError());
}
