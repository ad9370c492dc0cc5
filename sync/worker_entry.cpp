#include "sync/worker_entry.h"

#include "engine/scan_worker.h"
#include "sync/copy_worker.h"
#include "system/child_process.h"
#include "system/wine_check.h"

bool RunWorkerIfAsked(int& exitCode)
{
    std::wstring asked = OnlyArgument();
    bool worker = asked == kScanWorkerSwitch || asked == kCopyWorkerSwitch;
    if (worker && !EndWithParent())
        exitCode = 1;
    else if (asked == kScanWorkerSwitch)
        exitCode = ServeScan();
    else if (asked == kCopyWorkerSwitch)
        exitCode = ServeCopies();
    else {
        // Under Wine a second process walks and copies side by side with this
        // one, while threads of one process wait on each other. On Windows
        // threads already go side by side: a worker would only cost process
        // starts, and an exe that starts itself draws the antivirus' eye.
        if (RunningUnderWine())
            SetWorkerProgram(RunningProgramFile());
        return false;
    }
    return true;
}
