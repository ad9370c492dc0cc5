#include "engine/both_list.h"

#include "engine/folder_scanner.h"
#include "engine/transfer.h"

#include <algorithm>

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
    return list;
}
