// The engine's part of the make-list command, shared by the window and the
// command-line tool: scan, match, two-way list, rows and summary, with the
// cancel flag tested between the steps.
#pragma once
#include "engine/comparison.h"
#include "engine/comparison_inputs.h"
#include "engine/engine_host.h"

class MakeListHost : public virtual EngineHost {
public:
    virtual void FillResultList() = 0; // rows of the result list from the comparison list
    virtual void UpdateSummary() = 0;  // the summary panel and the run-sync button
};

// Returns false when the cancel flag stopped it between two steps.
bool RunListSteps(Comparison& comparison, const ComparisonInputs& inputs, MakeListHost& host);
