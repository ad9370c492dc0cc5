#include "view/result_rows.h"

#include "view/format_thousands.h"
#include "view/vocabulary.h"

namespace {

void Count(RowCounters& counters, SyncDirection direction, const FileEntry& entry)
{
    // The folder panels count every file by its state; the transfer panel
    // counts what the sync copies: a row the state sends one way but that is
    // held back, undecided or chosen otherwise is taken off that way, and a
    // row chosen to go a way its state does not send is added to it.
    Transfer automatic = TransferOf(direction, entry.status);
    Transfer copy = CopyOf(direction, entry);
    if (automatic != Transfer::None && copy != automatic)
        ++(automatic == Transfer::Down ? counters.heldDownCount : counters.heldUpCount);
    if (copy != Transfer::None && copy != automatic)
        ++(copy == Transfer::Down ? counters.chosenDownCount : counters.chosenUpCount);
    switch (automatic) {
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
    default:
        ++counters.sameCount;
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
        // Hidden by what the list decided, so that a choice never moves rows.
        if (sameHide == 1 && AutomaticTransferOf(direction, list[i]) == Transfer::None)
            continue;
        m_shown.push_back(i);
    }
}

const FileEntry& ResultRows::EntryOf(std::size_t shownRow) const
{
    return m_comparison->List(m_direction)[m_shown[shownRow]];
}

// A row shows the other side's file when the two are paired; an undecided
// pair's rows each show their own side, as files of one side.
Comparison::Sides ResultRows::SidesOf(const FileEntry& entry) const
{
    Comparison::Sides sides = m_comparison->SidesOf(m_direction, entry);
    if (!Paired(entry.status))
        (RowFromBase(m_direction, entry.status) ? sides.target : sides.base) = nullptr;
    return sides;
}

std::size_t ResultRows::ListIndexOf(std::size_t shownRow) const
{
    return m_shown[shownRow];
}

bool ResultRows::ChosenByHand(std::size_t shownRow) const
{
    return EntryOf(shownRow).choice != RowChoice::Automatic;
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
        return entry.choice == RowChoice::Automatic ? TransferMark(transfer) : ChosenTransferMark(transfer);
    case kStateColumn:
        return StateMark(entry.status, AutomaticTransferOf(m_direction, entry));
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
