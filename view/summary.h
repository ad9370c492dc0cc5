// The contents of the summary panel without its controls: the seventeen value
// texts, the three status words and whether run-sync may be enabled.
#pragma once
#include "engine/sync_direction.h"
#include "view/row_counters.h"

#include <array>
#include <string>

struct TableCounts {
    int baseCount = 0;   // m_baseCount
    int targetCount = 0; // m_targetCount
    int bothCount = 0;   // m_bothCount
};

struct SummaryContents {
    // Transfer panel: "総数", "合計", "↓　転送", "↑　転送", "＝".
    std::array<std::string, 5> transfer;
    // Base and target panels: "総数", "合計", "＝", "×", "△", "▲".
    std::array<std::string, 6> base, target;
    // "READY", "OK" or "ERROR".
    std::string transferStatus, baseStatus, targetStatus;
    // Whether the run-sync button becomes enabled (it is never disabled here).
    bool runEnabled = false;
};

// The panel as a clearing leaves it: every value "0 ", every status "READY".
SummaryContents ReadySummary();

// The panel after a completed list build. Each panel's status compares the texts
// of its "総数" and "合計" values; all three are written whatever the direction.
SummaryContents ComputeSummary(const RowCounters& counters, const TableCounts& counts, SyncDirection direction);

// A value as the panel shows it: grouped digits and one trailing space ("1,234 ").
std::string SummaryValueText(long long value);
