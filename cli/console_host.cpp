#include "cli/console_host.h"

#include "cli/timings.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<bool> g_interrupted{false};

BOOL WINAPI OnConsoleControl(DWORD)
{
    // The running command stops at its next cancel test, as when the window closes.
    g_interrupted = true;
    return TRUE;
}

// Progress is drawn only once a run has lasted this long, and at most this often.
constexpr double kQuietStart = 1.0;
constexpr double kLineInterval = 0.25;

// The steps of a list build, in the order the host hears of their ends.
const char* const kStepNames[] = {"scan base", "scan target", "match base to target", "match target to base",
                                  "contents", "two-way list", "rows", "summary"};

} // namespace

ConsoleHost::ConsoleHost(const Comparison& comparison, const ComparisonInputs& inputs, const Output& output)
    : m_comparison(comparison), m_inputs(inputs), m_output(output)
{
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    // A progress line is for a person watching; a log file would only collect "\r"s.
    m_stderrIsConsole = GetFileType(GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_CHAR;
    m_started = m_lastLine = m_stepStarted = Now();
}

void ConsoleHost::PumpOneMessage()
{
    // Called once per directory entry: look at the clock only every 1,024th time.
    constexpr unsigned kClockLookMask = 1024 - 1;
    if ((++m_pumps & kClockLookMask) == 0)
        ShowProgressLine();
}

bool ConsoleHost::Cancelled() const
{
    return g_interrupted;
}

void ConsoleHost::ReportConversionFailure()
{
    EndProgressLine();
    m_output.ErrorLine(kConversionFailureText);
}

void ConsoleHost::SetProgress(int percent)
{
    m_percent = percent;
    if (!m_syncing && m_steps.size() < std::size(kStepNames)) {
        double now = Now();
        m_steps.emplace_back(kStepNames[m_steps.size()], now - m_stepStarted);
        m_stepStarted = now;
    }
    ShowProgressLine();
}

void ConsoleHost::ShowFilesFound(std::uint64_t files)
{
    m_listLabel = FilesFoundLabel(files);
    ShowProgressLine();
}

void ConsoleHost::ShowBytesCompared(std::uint64_t compared, std::uint64_t total)
{
    m_listLabel = BytesComparedLabel(compared, total);
    ShowProgressLine();
}

void ConsoleHost::FillResultList()
{
    m_rows = ResultRows(m_comparison, m_inputs.GetDirection(), m_inputs.SameHide());
}

void ConsoleHost::UpdateSummary()
{
    TableCounts counts{m_comparison.BaseCount(), m_comparison.TargetCount(), m_comparison.BothCount()};
    m_summary = ComputeSummary(m_rows.Counters(), counts, m_inputs.GetDirection());
}

void ConsoleHost::OpenSyncProgress()
{
    m_syncing = true;
    m_percent = 0;
}

void ConsoleHost::CloseProgress()
{
    EndProgressLine();
    m_syncing = false;
}

void ConsoleHost::StartList()
{
    m_steps.clear();
    m_syncing = false;
    m_listLabel = FilesFoundLabel(0);
    m_stepStarted = Now();
}

void ConsoleHost::ShowProgressLine()
{
    double now = Now();
    if (!m_stderrIsConsole || now - m_started < kQuietStart || now - m_lastLine < kLineInterval)
        return;
    m_lastLine = now;
    m_lineShown = true;
    std::string percent = std::to_string(m_percent) + "%";
    std::string line = m_syncing ? std::string(kSyncProgressLabel) + " " + percent + " " + std::to_string(m_pumps) + " 件"
                                 : m_listLabel + " " + percent;
    m_output.Write(stderr, "\r" + line + "   ");
}

void ConsoleHost::EndProgressLine()
{
    if (m_lineShown)
        m_output.Write(stderr, "\n");
    m_lineShown = false;
}
