// The three tables of one comparison (base, target, two-way list) with their
// counts, from one list build to the next clearing.
#pragma once
#include "engine/both_list.h"
#include "engine/comparison_inputs.h"
#include "engine/engine_host.h"
#include "engine/file_entry.h"
#include "engine/folder_scanner.h"

#include <span>
#include <vector>

class Comparison {
public:
    // Drops every table and count (the tables part of ClearResults).
    void Clear();

    // Scans both trees at once, with a few threads; the target in a worker
    // process once the scan has lasted long enough for one to pay.
    void ScanBoth(const ComparisonInputs& inputs, EngineHost& host, int threads);
    // Pass 1 works for Down and Both only, pass 2 for Up and Both only.
    void MatchBaseToTarget(const ComparisonInputs& inputs, EngineHost& host);
    void MatchTargetToBase(const ComparisonInputs& inputs, EngineHost& host);
    // With the option CONTENT only, once both passes have run: pairs of one
    // size by their contents (content_compare.h).
    void CompareContents(const ComparisonInputs& inputs, EngineHost& host);
    // Works for Both only.
    void BuildBothList(const ComparisonInputs& inputs, EngineHost& host);

    // The comparison list of a direction: base table, target table or two-way list.
    std::span<const FileEntry> List(SyncDirection direction) const;

    // The entries a row of the direction's list stands for on each side: its
    // own, and the one it is paired with (null for a side without a file).
    struct Sides {
        const FileEntry* base = nullptr;
        const FileEntry* target = nullptr;
    };
    Sides SidesOf(SyncDirection direction, const FileEntry& row) const;

    // Sets the user's choice for a row of the direction's list, when the row
    // allows it (row_choice.h); a row of an undecided pair takes the other row
    // of its pair along. False when the row does not allow it.
    bool SetChoice(SyncDirection direction, std::size_t row, RowChoice choice);
    const std::vector<FileEntry>& BaseEntries() const { return m_base.entries; }
    const std::vector<FileEntry>& TargetEntries() const { return m_target.entries; }

    // Folders of either tree that could not be listed, links not followed and
    // pairs whose contents could not be compared.
    Problems ReadProblems() const;

    int BaseCount() const { return static_cast<int>(m_base.entries.size()); }
    int TargetCount() const { return static_cast<int>(m_target.entries.size()); }
    int BothCount() const { return static_cast<int>(m_both.entries.size()); }

private:
    ScanResult m_base, m_target;
    BothList m_both;
    Problems m_unreadContents; // pairs whose contents could not be compared
};
