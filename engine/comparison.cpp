#include "engine/comparison.h"

#include "engine/case_twins.h"
#include "engine/matching.h"
#include "engine/scan_worker.h"

void Comparison::Clear()
{
    m_base = {};
    m_target = {};
    m_both = {};
}

void Comparison::ScanBoth(const ComparisonInputs& inputs, EngineHost& host, int threads)
{
    ScanRequest target{inputs.TargetFolder(), inputs.SubFolder(), inputs.RootFile(), inputs.ExcludePatterns(), threads};
    ScanTrees(inputs.BaseFolder(), target, host, m_base, m_target);
    HoldBackCaseTwins(m_base, m_target, inputs.BaseFolder(), inputs.TargetFolder());
}

void Comparison::MatchBaseToTarget(const ComparisonInputs& inputs, EngineHost& host)
{
    SyncDirection direction = inputs.GetDirection();
    if (direction == Down || direction == Both)
        MatchBase(m_base.entries, m_target.entries, inputs.TwoSecondSame(), host);
}

void Comparison::MatchTargetToBase(const ComparisonInputs& inputs, EngineHost& host)
{
    SyncDirection direction = inputs.GetDirection();
    if (direction == Up || direction == Both)
        MatchTarget(m_base.entries, m_target.entries, inputs.TwoSecondSame(), host);
}

void Comparison::BuildBothList(const ComparisonInputs& inputs, EngineHost& host)
{
    if (inputs.GetDirection() == Both)
        m_both = BuildBoth(m_base.entries, m_target.entries, inputs.RootFile(), inputs.SubFolder(), host);
}

Problems Comparison::ReadProblems() const
{
    Problems problems = m_base.problems;
    problems.insert(problems.end(), m_target.problems.begin(), m_target.problems.end());
    return problems;
}

std::span<const FileEntry> Comparison::List(SyncDirection direction) const
{
    switch (direction) {
    case Down:
        return m_base.entries;
    case Up:
        return m_target.entries;
    default:
        return m_both.entries;
    }
}
