#include "engine/make_list.h"

bool RunListSteps(Comparison& comparison, const ComparisonInputs& inputs, MakeListHost& host)
{
    // Each step runs to its end; a close request is seen only between steps.
    auto stepDone = [&host] {
        host.SetProgress(0);
        return !host.Cancelled();
    };
    comparison.ScanBase(inputs, host);
    if (!stepDone())
        return false;
    comparison.ScanTarget(inputs, host);
    if (!stepDone())
        return false;
    comparison.MatchBaseToTarget(inputs, host);
    if (!stepDone())
        return false;
    comparison.MatchTargetToBase(inputs, host);
    if (!stepDone())
        return false;
    comparison.BuildBothList(inputs, host);
    if (!stepDone())
        return false;
    host.FillResultList();
    if (!stepDone())
        return false;
    host.UpdateSummary();
    host.SetProgress(100);
    return true;
}
