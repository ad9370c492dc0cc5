#include "engine/comparison.h"

#include "engine/case_twins.h"
#include "engine/content_compare.h"
#include "engine/matching.h"
#include "engine/row_choice.h"
#include "engine/scan_worker.h"
#include "engine/transfer.h"

void Comparison::Clear()
{
    m_base = {};
    m_target = {};
    m_both = {};
    m_unreadContents.clear();
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

void Comparison::CompareContents(const ComparisonInputs& inputs, EngineHost& host)
{
    if (!inputs.CompareContent())
        return;
    ContentPairs where{inputs.BaseFolder(), inputs.TargetFolder()};
    CompareContentsOfPairs(m_base.entries, m_target.entries, where, host,
                           [&host](std::uint64_t compared, std::uint64_t total) { host.ShowBytesCompared(compared, total); },
                           m_unreadContents);
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
    problems.insert(problems.end(), m_unreadContents.begin(), m_unreadContents.end());
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

Comparison::Sides Comparison::SidesOf(SyncDirection direction, const FileEntry& row) const
{
    bool fromBase = RowFromBase(direction, row.status);
    const FileEntry* other = nullptr;
    bool paired = Paired(row.status) || row.undecided;
    const std::vector<FileEntry>& otherTable = fromBase ? m_target.entries : m_base.entries;
    if (paired && row.counterpart >= 0 && static_cast<std::size_t>(row.counterpart) < otherTable.size())
        other = &otherTable[row.counterpart];
    return fromBase ? Sides{&row, other} : Sides{other, &row};
}

bool Comparison::SetChoice(SyncDirection direction, std::size_t row, RowChoice choice)
{
    std::vector<FileEntry>& list = direction == Down ? m_base.entries : direction == Up ? m_target.entries
                                                                                       : m_both.entries;
    if (row >= list.size() || !ChoiceAllowed(direction, list[row], choice))
        return false;
    list[row].choice = choice;
    if (direction == Both)
        if (auto partner = m_both.undecidedPartners.find(row); partner != m_both.undecidedPartners.end())
            list[partner->second].choice = choice;
    return true;
}
