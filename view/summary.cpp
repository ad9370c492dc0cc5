#include "view/summary.h"

#include "view/format_thousands.h"

namespace {

const char* const kReady = "READY";
const char* const kOk = "OK";
const char* const kError = "ERROR";

// A panel adds up when its total and its sum read alike.
template <std::size_t N>
std::string StatusOf(const std::array<std::string, N>& values)
{
    return values[0] == values[1] ? kOk : kError;
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
    s.transfer.fill(SummaryValueText(0));
    s.base.fill(SummaryValueText(0));
    s.target.fill(SummaryValueText(0));
    s.transferStatus = s.baseStatus = s.targetStatus = kReady;
    return s;
}

SummaryContents ComputeSummary(const RowCounters& c, const TableCounts& counts, SyncDirection direction)
{
    auto v = SummaryValueText;
    SummaryContents s;
    s.base = {v(counts.baseCount),
              v(static_cast<long long>(c.sameCount) + c.downNewerCount + c.downOnlyCount + c.baseOlderCount),
              v(c.sameCount), v(c.downOnlyCount), v(c.downNewerCount), v(c.baseOlderCount)};
    s.baseStatus = StatusOf(s.base);
    s.target = {v(counts.targetCount),
                v(static_cast<long long>(c.sameCount) + c.upNewerCount + c.upOnlyCount + c.targetOlderCount),
                v(c.sameCount), v(c.upOnlyCount), v(c.upNewerCount), v(c.targetOlderCount)};
    s.targetStatus = StatusOf(s.target);
    s.transfer = {v(ListLength(counts, direction)),
                  v(static_cast<long long>(c.downOnlyCount) + c.downNewerCount + c.sameCount + c.upNewerCount
                    + c.upOnlyCount),
                  v(static_cast<long long>(c.downOnlyCount) + c.downNewerCount),
                  v(static_cast<long long>(c.upNewerCount) + c.upOnlyCount), v(c.sameCount)};
    s.transferStatus = StatusOf(s.transfer);

    // Only the panels shown in the direction are consulted; at least one row must
    // be marked for transfer.
    bool transferOk = s.transferStatus == kOk;
    switch (direction) {
    case Down:
        s.runEnabled = transferOk && s.baseStatus == kOk && c.sameCount < counts.baseCount;
        break;
    case Up:
        s.runEnabled = transferOk && s.targetStatus == kOk && c.sameCount < counts.targetCount;
        break;
    case Both:
        s.runEnabled = transferOk && s.baseStatus == kOk && s.targetStatus == kOk && c.sameCount < counts.bothCount;
        break;
    }
    return s;
}
