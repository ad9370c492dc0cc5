// The rows of the result list without a control: which entries of the
// comparison list are shown, the text of every cell, and the row counters.
// A virtual list view asks for cells as it draws them.
#pragma once
#include "engine/comparison.h"
#include "engine/sync_direction.h"
#include "engine/transfer.h"
#include "view/row_counters.h"
#include "view/vocabulary.h"

#include <cstddef>
#include <string>
#include <vector>

class ResultRows {
public:
    ResultRows() = default;
    // sameHide 1 leaves the rows the list decided "=" out (they are still
    // counted). The comparison must outlive the rows.
    ResultRows(const Comparison& comparison, SyncDirection direction, int sameHide);

    std::size_t ShownCount() const { return m_shown.size(); }
    const RowCounters& Counters() const { return m_counters; }

    // The text of a cell of a shown row, as the list shows it (column: a ResultColumn).
    std::string CellText(std::size_t shownRow, int column) const;
    Transfer Mark(std::size_t shownRow) const;
    // Whether the user chose what happens to the row.
    bool ChosenByHand(std::size_t shownRow) const;
    // The row's index in the comparison list.
    std::size_t ListIndexOf(std::size_t shownRow) const;

private:
    // The entries whose time and size fill the base and the target columns.
    Comparison::Sides SidesOf(const FileEntry& entry) const;
    const FileEntry& EntryOf(std::size_t shownRow) const;

    const Comparison* m_comparison = nullptr;
    SyncDirection m_direction = Both;
    std::vector<std::size_t> m_shown; // indexes into the comparison list
    RowCounters m_counters;
};
