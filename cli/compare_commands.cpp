// "list" and "sync": build the comparison as the window does, print it, and for
// "sync" copy the marked files and print the list built again afterwards.
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/report.h"
#include "cli/run_log.h"
#include "cli/timings.h"
#include "engine/folder_pair.h"
#include "engine/transfer.h"
#include "favorites/folder_check.h"

#include <windows.h>

#include <set>

namespace {

bool FoldersExist(const CompareOptions& options, const Output& output)
{
    for (const std::string& folder : {options.inputs.base, options.inputs.target}) {
        if (!FolderExists(folder)) {
            output.ErrorLine("mirvalen-cli: folder not found: " + folder);
            return false;
        }
    }
    return true;
}

// One line per problem on standard error and in the log: path, tab, reason.
// A folder that the list built again after a sync still cannot read was named already.
class ProblemReport {
public:
    ProblemReport(const Output& output, RunLog& log) : m_output(output), m_log(log) {}
    void operator()(const Problems& problems)
    {
        Problems fresh;
        for (const Problem& p : problems)
            if (m_named.insert(p.path + "\t" + p.reason).second)
                fresh.push_back(p);
        for (const Problem& p : fresh)
            m_output.ErrorLine(p.path + "\t" + p.reason);
        m_log.Problems(fresh);
    }

private:
    const Output& m_output;
    RunLog& m_log;
    std::set<std::string> m_named;
};

// With subfolders searched, a folder inside the other would be copied into itself.
bool FoldersApart(const CompareOptions& options, const Output& output)
{
    if (options.inputs.subFolder)
        return true;
    Nesting nesting = NestingOf(options.inputs.base, options.inputs.target);
    if (nesting == Nesting::None)
        return true;
    output.ErrorLine(std::string("mirvalen-cli: ")
                     + (nesting == Nesting::TargetInsideBase ? "the target folder lies inside the base folder"
                                                             : "the base folder lies inside the target folder")
                     + ": every sync would copy the tree into itself (use --no-subfolders or other folders)");
    return false;
}

int CountMarked(const Comparison& comparison, SyncDirection direction)
{
    int marked = 0;
    for (const FileEntry& e : comparison.List(direction))
        marked += CopyOf(direction, e) != Transfer::None;
    return marked;
}

// --conflict base or target settles every undecided pair as a choice on its rows would.
void SettleUndecided(Comparison& comparison, const CompareOptions& options, MakeListHost& host)
{
    if (options.conflict == RowChoice::Automatic)
        return;
    SyncDirection direction = options.inputs.direction;
    std::span<const FileEntry> list = comparison.List(direction);
    bool settled = false;
    for (std::size_t row = 0; row < list.size(); ++row)
        if (AutomaticTransferOf(direction, list[row]) == Transfer::Undecided && list[row].choice != options.conflict)
            settled |= comparison.SetChoice(direction, row, options.conflict);
    if (settled) {
        host.FillResultList();
        host.UpdateSummary();
    }
}

// Builds and prints the list, the folders not read on standard error; false
// when interrupted. complete turns false when a folder could not be read.
bool MakeAndPrintList(Comparison& comparison, const CompareOptions& options, ConsoleHost& host,
                      const Output& output, bool& complete, ProblemReport& problems)
{
    comparison.Clear();
    MemoryUse before = CurrentMemoryUse();
    host.StartList();
    if (!RunListSteps(comparison, options.inputs, host))
        return false;
    SettleUndecided(comparison, options, host);
    host.CloseProgress();
    if (options.timings)
        PrintTimings(host.StepTimes(), comparison.BaseCount() + comparison.TargetCount(), before, output);
    PrintRows(host.Rows(), output);
    PrintSummary(host.Summary(), output);
    Problems unread = comparison.ReadProblems();
    problems(unread);
    complete = complete && unread.empty();
    return true;
}

// The list, and for sync the copy and the list made again; the exit code.
int Compare(const CompareOptions& options, bool copy, const Output& output, RunLog& log)
{
    Comparison comparison;
    ConsoleHost host(comparison, options.inputs, output);
    ProblemReport problems(output, log);
    bool complete = true;
    if (!MakeAndPrintList(comparison, options, host, output, complete, problems))
        return kExitCancelled;
    if (copy) {
        double started = Now();
        Problems noBin;
        Problems notCopied = SyncFiles(comparison, options.inputs, host, options.copyWorkers, &noBin);
        double seconds = Now() - started;
        if (options.timings)
            PrintSyncTiming(seconds, CountMarked(comparison, options.inputs.direction), output);
        problems(notCopied);
        problems(noBin); // copied all the same: a notice that leaves the exit code alone
        complete = complete && notCopied.empty();
        if (host.Cancelled())
            return kExitCancelled;
        output.Line("");
        if (!MakeAndPrintList(comparison, options, host, output, complete, problems))
            return kExitCancelled;
    }
    log.Summary(host.Summary());
    return complete ? kExitOk : kExitIncomplete;
}

int RunCompare(const Arguments& args, bool copy)
{
    CompareOptions options;
    std::string error;
    if (!ParseCompareArgs(args, options, error)) {
        Output(false).ErrorLine("mirvalen-cli: " + error + " (see mirvalen-cli --help)");
        return kExitBadArguments;
    }
    Output output(options.utf8);
    if (!FoldersExist(options, output))
        return kExitMissingFolder;
    if (!FoldersApart(options, output))
        return kExitBadArguments;
    // A log that cannot be written stops the run before anything is copied.
    RunLog log;
    if (!options.logFile.empty() && !log.Open(options.logFile, error)) {
        output.ErrorLine("mirvalen-cli: cannot write the log " + options.logFile + ": " + error);
        return kExitLogUnwritable;
    }
    int exitCode = Compare(options, copy, output, log);
    log.End(exitCode);
    // The run went on, but its log stops short: named as other problems are,
    // and told by the exit code, since the log is what nobody else reads.
    if (!log.WriteFailure().empty()) {
        output.ErrorLine(options.logFile + "\t" + log.WriteFailure());
        return kExitLogUnwritable;
    }
    return exitCode;
}

} // namespace

int ListCommand(const Arguments& args)
{
    return RunCompare(args, false);
}

int SyncCommand(const Arguments& args)
{
    return RunCompare(args, true);
}
