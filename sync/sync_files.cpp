#include "sync/sync_files.h"

#include "engine/path_text.h"
#include "engine/transfer.h"
#include "sync/folder_chain.h"
#include "sync/path_parts.h"
#include "sync/safe_copy.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>

namespace {

// Position in the whole list, rows needing no copy included; 100 only at the end.
int PercentAt(std::size_t i, std::size_t n)
{
    int percent = static_cast<int>(static_cast<double>(i) / static_cast<double>(n) * 100.0);
    return (percent == 100 && i != n) ? 99 : percent;
}

} // namespace

void SyncFiles(const Comparison& comparison, const ComparisonInputs& inputs, SyncHost& host)
{
    std::printf("SyncStart");
    std::fflush(stdout);
    std::span<const FileEntry> list = comparison.List(inputs.GetDirection());
    std::size_t n = list.size();
    host.OpenSyncProgress();
    std::string lastCreatedFolder;

    for (std::size_t i = 0; i < n; ++i) {
        const FileEntry& entry = list[i];
        SyncDirection direction = inputs.GetDirection();
        Transfer transfer = TransferOf(direction, entry.status);
        if (transfer == Transfer::None)
            continue;
        // A folder text typed without its final "\" still names the folder itself;
        // an emptied one names no folder at all (never the current one).
        std::string base = WithTrailingBackslash(inputs.BaseFolder());
        std::string target = WithTrailingBackslash(inputs.TargetFolder());
        if (base.empty() || target.empty())
            continue;
        bool down = transfer == Transfer::Down;
        std::string source = (down ? base : target) + entry.relativePath;
        std::string destination = (down ? target : base) + entry.relativePath;

        std::string folder = FolderPart(destination);
        if (folder != lastCreatedFolder && !PathIsDirectoryA(folder.c_str())) {
            CreateFolderChain(folder);
            lastCreatedFolder = folder;
        }
        // Two-way runs never overwrite a file of the same time: an undecided pair
        // (same time, different sizes) would otherwise be copied both ways.
        CopyFileSafely(source, folder + NamePart(destination),
                       direction == Both ? ReplaceRule::EarlierOnly : ReplaceRule::NotLater);

        host.SetProgress(PercentAt(i, n));
        host.PumpOneMessage();
        if (host.Cancelled())
            return;
    }
    host.SetProgress(100);
    Sleep(500);
    host.CloseProgress();
}
