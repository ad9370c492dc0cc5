#include "sync/worker_entry.h"

#include "engine/child_process.h"
#include "engine/scan_worker.h"
#include "sync/copy_worker.h"

bool RunWorkerIfAsked(int& exitCode)
{
    std::wstring asked = OnlyArgument();
    if (asked == kScanWorkerSwitch)
        exitCode = ServeScan();
    else if (asked == kCopyWorkerSwitch)
        exitCode = ServeCopies();
    else {
        SetWorkerProgram(RunningProgramFile());
        return false;
    }
    return true;
}
