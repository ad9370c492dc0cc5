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

// Writes "SyncStart" to standard output, then copies. The folder texts and the
// direction are read again for every file, so a change made after the list was
// built is used. Returns at once, the popup left open, when the host is cancelled.
// Returns every marked file that was not copied, by its destination, with the reason.
Problems SyncFiles(const Comparison& comparison, const ComparisonInputs& inputs, SyncHost& host);
