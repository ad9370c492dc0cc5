// The contents of the summary panels without their controls: the value texts
// of each panel's rows, each panel's status and whether run-sync may be enabled.
#pragma once
#include "engine/sync_direction.h"
#include "view/row_counters.h"
#include "view/vocabulary.h"

#include <array>
#include <string>

struct TableCounts {
    int baseCount = 0;   // entries of the base table
    int targetCount = 0; // entries of the target table
    int bothCount = 0;   // rows of the two-way list
};

// One panel: its status and a value for each of its rows (TransferRow or FolderRow).
template <std::size_t Rows>
struct PanelContents {
    PanelStatus status = PanelStatus::Ready;
    std::array<std::string, Rows> values;
};

struct SummaryContents {
    PanelContents<kTransferRowCount> transfer;
    PanelContents<kFolderRowCount> base, target;
    // Whether the run-sync button becomes enabled (it is never disabled here).
    bool runEnabled = false;
};

// The panels as a clearing leaves them: every value "0 ", every status READY.
SummaryContents ReadySummary();

// The panels after a completed list build. A panel is OK when the texts of its
// "総数" and "合計" values read alike; all three are filled whatever the direction.
SummaryContents ComputeSummary(const RowCounters& counters, const TableCounts& counts, SyncDirection direction);

// A value as the panel shows it: grouped digits and one trailing space ("1,234 ").
std::string SummaryValueText(long long value);
