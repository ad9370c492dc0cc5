// The copy engine behind run-sync: copies every entry of the comparison list
// that its row marks "↓" or "↑", in list order.
#pragma once
#include "engine/comparison.h"
#include "engine/comparison_inputs.h"
#include "engine/engine_host.h"
#include "engine/problem.h"

class SyncHost : public virtual EngineHost {
public:
    virtual void OpenSyncProgress() = 0; // popup "同期中です"
    virtual void CloseProgress() = 0;
};

// Copies with a pool of workers (none given: DefaultCopyWorkers()); 1 copies
// one at a time. The folder texts and the direction are read again for every
// file, so a change made after the list was built is used. When the host is
// cancelled nothing more is handed out, the copies in flight complete, and it
// returns with the popup left open. Returns every marked file that was not
// copied, by its destination and in list order, with the reason (after a
// cancel, those never handed out say so). A replaced file's old version goes
// to the Recycle Bin when inputs.Recycle() says so; the files that were
// replaced all the same because their drive has no bin go to noBin (they were
// copied: a notice, not a failure).
Problems SyncFiles(const Comparison& comparison, const ComparisonInputs& inputs, SyncHost& host, int workers = 0,
                   Problems* noBin = nullptr);
