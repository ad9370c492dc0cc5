// "list" and "sync": build the comparison as the window does, print it, and for
// "sync" copy the marked files and print the list built again afterwards.
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/report.h"
#include "cli/timings.h"
#include "engine/transfer.h"

#include <windows.h>
#include <shlwapi.h>

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

int CountMarked(const Comparison& comparison, SyncDirection direction)
{
    int marked = 0;
    for (const FileEntry& e : comparison.List(direction))
        marked += TransferOf(direction, e.status) != Transfer::None;
    return marked;
}

// Builds and prints the list; false when interrupted.
bool MakeAndPrintList(Comparison& comparison, const CompareOptions& options, ConsoleHost& host,
                      const Output& output)
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

    Comparison comparison;
    ConsoleHost host(comparison, options.inputs, output);
    if (!MakeAndPrintList(comparison, options, host, output))
        return kExitCancelled;
    if (!copy)
        return kExitOk;

    double started = Now();
    SyncFiles(comparison, options.inputs, host);
    double seconds = Now() - started;
    output.Line(""); // after "SyncStart"
    if (options.timings)
        PrintSyncTiming(seconds, CountMarked(comparison, options.inputs.direction), output);
    if (host.Cancelled())
        return kExitCancelled;
    output.Line("");
    return MakeAndPrintList(comparison, options, host, output) ? kExitOk : kExitCancelled;
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
