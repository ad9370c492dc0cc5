// "list" and "sync": build the comparison as the window does, print it, and for
// "sync" copy the marked files and print the list built again afterwards.
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/report.h"
#include "cli/timings.h"
#include "engine/folder_pair.h"
#include "engine/transfer.h"

#include <windows.h>
#include <shlwapi.h>

#include <set>

namespace {

bool FoldersExist(const CompareOptions& options, const Output& output)
{
    for (const std::string& folder : {options.inputs.base, options.inputs.target}) {
        if (!PathIsDirectoryA(folder.c_str())) {
            output.ErrorLine("mirvalen-cli: folder not found: " + folder);
            return false;
        }
    }
    return true;
}

// One line per problem on standard error: path, tab, reason. A folder that the
// list built again after a sync still cannot read was named already.
void PrintProblems(const Problems& problems, const Output& output)
{
    static std::set<std::string> printed;
    for (const Problem& p : problems)
        if (std::string line = p.path + "\t" + p.reason; printed.insert(line).second)
            output.ErrorLine(line);
}

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
        marked += TransferOf(direction, e.status) != Transfer::None;
    return marked;
}

// Builds and prints the list, the folders not read on standard error; false
// when interrupted. complete turns false when a folder could not be read.
bool MakeAndPrintList(Comparison& comparison, const CompareOptions& options, ConsoleHost& host,
                      const Output& output, bool& complete)
{
    comparison.Clear();
    MemoryUse before = CurrentMemoryUse();
    host.StartList();
    if (!RunListSteps(comparison, options.inputs, host))
        return false;
    host.CloseProgress();
    if (options.timings)
        PrintTimings(host.StepTimes(), comparison.BaseCount() + comparison.TargetCount(), before, output);
    PrintRows(host.Rows(), output);
    PrintSummary(host.Summary(), output);
    Problems unread = comparison.ReadProblems();
    PrintProblems(unread, output);
    complete = complete && unread.empty();
    return true;
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

    Comparison comparison;
    ConsoleHost host(comparison, options.inputs, output);
    bool complete = true;
    if (!MakeAndPrintList(comparison, options, host, output, complete))
        return kExitCancelled;
    if (!copy)
        return complete ? kExitOk : kExitIncomplete;

    double started = Now();
    Problems noBin;
    Problems notCopied = SyncFiles(comparison, options.inputs, host, options.copyWorkers, &noBin);
    double seconds = Now() - started;
    if (options.timings)
        PrintSyncTiming(seconds, CountMarked(comparison, options.inputs.direction), output);
    PrintProblems(notCopied, output);
    PrintProblems(noBin, output); // copied all the same: a notice that leaves the exit code alone
    if (host.Cancelled())
        return kExitCancelled;
    output.Line("");
    if (!MakeAndPrintList(comparison, options, host, output, complete))
        return kExitCancelled;
    return (complete && notCopied.empty()) ? kExitOk : kExitIncomplete;
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
