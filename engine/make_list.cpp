#include "engine/make_list.h"

#include "engine/worker.h"

bool RunListSteps(Comparison& comparison, const ComparisonInputs& inputs, MakeListHost& host)
{
    // Each step runs to its end; a close request is seen only between steps.
    auto stepDone = [&host] {
        host.SetProgress(0);
        return !host.Cancelled();
    };
    {
        // The target tree is scanned by a worker while this thread scans the
        // base: each file costs a round trip to the file system, and two walks
        // side by side take little more than one. A close request stops and
        // joins the worker before its table is released.
        Worker target(comparison.TargetScan(inputs));
        comparison.ScanBase(inputs, host);
        if (!stepDone())
            return false;
        target.Wait(host);
        if (!stepDone())
            return false;
    }
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
