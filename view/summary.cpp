#include "view/summary.h"

#include "view/format_thousands.h"

namespace {

// A panel adds up when its total and its sum read alike.
template <std::size_t N>
void SetStatus(PanelContents<N>& panel)
{
    static_assert(int{kTransferTotal} == int{kFolderTotal} && int{kTransferSum} == int{kFolderSum});
    panel.status = panel.values[kFolderTotal] == panel.values[kFolderSum] ? PanelStatus::Ok : PanelStatus::Error;
}

int ListLength(const TableCounts& counts, SyncDirection direction)
{
    return direction == Down ? counts.baseCount : direction == Up ? counts.targetCount : counts.bothCount;
}

} // namespace

std::string SummaryValueText(long long value)
{
    return FormatThousands(static_cast<std::int64_t>(value)) + " ";
}

SummaryContents ReadySummary()
{
    SummaryContents s;
    s.transfer.values.fill(SummaryValueText(0));
    s.base.values.fill(SummaryValueText(0));
    s.target.values.fill(SummaryValueText(0));
    return s;
}

SummaryContents ComputeSummary(const RowCounters& c, const TableCounts& counts, SyncDirection direction)
{
    auto v = SummaryValueText;
    using Sum = long long;
    SummaryContents s;
    s.base.values = {v(counts.baseCount), v(Sum(c.sameCount) + c.downNewerCount + c.downOnlyCount + c.baseOlderCount),
                     v(c.sameCount),      v(c.downOnlyCount),
                     v(c.downNewerCount), v(c.baseOlderCount)};
    SetStatus(s.base);
    s.target.values = {v(counts.targetCount), v(Sum(c.sameCount) + c.upNewerCount + c.upOnlyCount + c.targetOlderCount),
                       v(c.sameCount),        v(c.upOnlyCount),
                       v(c.upNewerCount),     v(c.targetOlderCount)};
    SetStatus(s.target);
    // The transfer panel counts what the sync copies: rows held back or
    // undecided go with "=", and the user's choices move rows between the three.
    const Sum down = Sum(c.downOnlyCount) + c.downNewerCount - c.heldDownCount + c.chosenDownCount;
    const Sum up = Sum(c.upNewerCount) + c.upOnlyCount - c.heldUpCount + c.chosenUpCount;
    const Sum notCopied = Sum(c.sameCount) + c.heldDownCount + c.heldUpCount - c.chosenDownCount - c.chosenUpCount;
    s.transfer.values = {v(ListLength(counts, direction)), v(down + notCopied + up), v(down), v(up), v(notCopied)};
    SetStatus(s.transfer);

    // Only the panels shown in the direction are consulted; at least one row must
    // be marked for transfer.
    auto ok = [](PanelStatus status) { return status == PanelStatus::Ok; };
    bool transferOk = ok(s.transfer.status);
    switch (direction) {
    case Down:
        s.runEnabled = transferOk && ok(s.base.status) && notCopied < counts.baseCount;
        break;
    case Up:
        s.runEnabled = transferOk && ok(s.target.status) && notCopied < counts.targetCount;
        break;
    case Both:
        s.runEnabled = transferOk && ok(s.base.status) && ok(s.target.status) && notCopied < counts.bothCount;
        break;
    }
    return s;
}
