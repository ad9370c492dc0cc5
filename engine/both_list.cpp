#include "engine/both_list.h"

#include "engine/folder_scanner.h"
#include "engine/transfer.h"

#include <algorithm>
#include <string>

namespace {

bool ListedFromTarget(const FileEntry& e)
{
    return e.status == TargetNewer || e.status == TargetOnly;
}

// Appends the listed entries of one group, base rows then target rows, and sorts them.
void AddGroup(std::vector<FileEntry>& to, const std::vector<FileEntry>& base, const std::vector<FileEntry>& target,
              bool isRoot, EngineHost& host)
{
    std::size_t start = to.size();
    for (const FileEntry& e : base) {
        host.PumpOneMessage();
        if (e.isRoot == isRoot && ListedFromBase(e.status))
            to.push_back(e);
    }
    for (const FileEntry& e : target) {
        host.PumpOneMessage();
        if (e.isRoot == isRoot && ListedFromTarget(e))
            to.push_back(e);
    }
    // Rows of one path (an undecided pair) keep base before target.
    std::stable_sort(to.begin() + static_cast<std::ptrdiff_t>(start), to.end(), PathBytesLess);
}

// Pairs the rows of each undecided pair: the base's row names its partner by
// its counterpart in the target table, whose path the target's row carries.
void PairUndecidedRows(BothList& list, const std::vector<FileEntry>& target)
{
    std::unordered_map<std::string, std::size_t> targetRows;
    for (std::size_t row = 0; row < list.entries.size(); ++row)
        if (UndecidedBySize(list.entries[row]) && !ListedFromBase(list.entries[row].status))
            targetRows.emplace(list.entries[row].relativePath, row);
    for (std::size_t row = 0; row < list.entries.size(); ++row) {
        const FileEntry& e = list.entries[row];
        if (!UndecidedBySize(e) || !ListedFromBase(e.status) || static_cast<std::size_t>(e.counterpart) >= target.size())
            continue;
        auto partner = targetRows.find(target[e.counterpart].relativePath);
        if (partner == targetRows.end())
            continue;
        list.undecidedPartners[row] = partner->second;
        list.undecidedPartners[partner->second] = row;
    }
}

} // namespace

BothList BuildBoth(const std::vector<FileEntry>& base, const std::vector<FileEntry>& target, int rootFile,
                   int subFolder, EngineHost& host)
{
    // Without subfolder search the group of subfolder files is skipped entirely.
    auto groupListed = [subFolder](bool isRoot) { return isRoot || subFolder != 1; };
    bool firstIsRoot = rootFile != 0;

    BothList list;
    if (groupListed(firstIsRoot))
        AddGroup(list.entries, base, target, firstIsRoot, host);
    if (groupListed(!firstIsRoot))
        AddGroup(list.entries, base, target, !firstIsRoot, host);
    PairUndecidedRows(list, target);
    return list;
}
