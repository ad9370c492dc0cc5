#include "view/result_rows.h"

#include "view/format_thousands.h"
#include "view/vocabulary.h"

namespace {

bool Paired(EntryStatus status)
{
    return status == Same || status == BaseNewer || status == TargetNewer;
}

bool FromBase(SyncDirection direction, EntryStatus status)
{
    return direction == Both ? ListedFromBase(status) : direction == Down;
}

void Count(RowCounters& counters, SyncDirection direction, const FileEntry& entry)
{
    // The folder panels count every file by its state; the transfer panel
    // counts a held-back row as not copied.
    Transfer transfer = TransferOf(direction, entry.status);
    if (entry.heldBack && transfer != Transfer::None)
        ++(transfer == Transfer::Down ? counters.heldDownCount : counters.heldUpCount);
    switch (transfer) {
    case Transfer::None:
    case Transfer::Held: // never from a state alone
        ++counters.sameCount;
        break;
    case Transfer::Down:
        if (entry.status == BaseOnly) {
            ++counters.downOnlyCount;
        } else {
            ++counters.downNewerCount;
            if (direction == Both)
                ++counters.targetOlderCount;
        }
        break;
    case Transfer::Up:
        if (entry.status == TargetOnly) {
            ++counters.upOnlyCount;
        } else {
            ++counters.upNewerCount;
            if (direction == Both)
                ++counters.baseOlderCount;
        }
        break;
    }
}

std::string SizeText(const FileEntry* entry)
{
    return entry ? FormatThousands(static_cast<std::int64_t>(entry->size)) : std::string();
}

std::string TimeText(const FileEntry* entry)
{
    return entry ? std::string(entry->TimeText()) : std::string();
}

} // namespace

ResultRows::ResultRows(const Comparison& comparison, SyncDirection direction, int sameHide)
    : m_comparison(&comparison), m_direction(direction)
{
    std::span<const FileEntry> list = comparison.List(direction);
    for (std::size_t i = 0; i < list.size(); ++i) {
        Count(m_counters, direction, list[i]);
        if (sameHide == 1 && TransferOf(direction, list[i]) == Transfer::None)
            continue;
        m_shown.push_back(i);
    }
}

const FileEntry& ResultRows::EntryOf(std::size_t shownRow) const
{
    return m_comparison->List(m_direction)[m_shown[shownRow]];
}

ResultRows::RowSides ResultRows::SidesOf(const FileEntry& entry) const
{
    RowSides sides;
    bool fromBase = FromBase(m_direction, entry.status);
    const FileEntry* other = nullptr;
    if (Paired(entry.status)) {
        const auto& table = fromBase ? m_comparison->TargetEntries() : m_comparison->BaseEntries();
        if (entry.counterpart >= 0 && static_cast<std::size_t>(entry.counterpart) < table.size())
            other = &table[entry.counterpart];
    }
    sides.base = fromBase ? &entry : other;
    sides.target = fromBase ? other : &entry;
    return sides;
}

Transfer ResultRows::Mark(std::size_t shownRow) const
{
    return TransferOf(m_direction, EntryOf(shownRow));
}

std::string ResultRows::CellText(std::size_t shownRow, int column) const
{
    const FileEntry& entry = EntryOf(shownRow);
    Transfer transfer = TransferOf(m_direction, entry);
    switch (column) {
    case kNumberColumn:
        return std::to_string(shownRow + 1);
    case kTransferColumn:
        return TransferMark(transfer);
    case kStateColumn:
        return StateMark(entry.status, transfer);
    case kBaseTimeColumn:
        return TimeText(SidesOf(entry).base);
    case kTargetTimeColumn:
        return TimeText(SidesOf(entry).target);
    case kBaseSizeColumn:
        return SizeText(SidesOf(entry).base);
    case kTargetSizeColumn:
        return SizeText(SidesOf(entry).target);
    case kPathColumn:
        return entry.relativePath;
    default:
        return {};
    }
}
