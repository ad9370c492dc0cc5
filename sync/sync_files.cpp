#include "sync/sync_files.h"

#include "engine/long_path.h"
#include "engine/path_text.h"
#include "engine/transfer.h"
#include "sync/folder_chain.h"
#include "sync/safe_copy.h"

#include <windows.h>

#include <cstdio>

namespace {

// Position in the whole list, rows needing no copy included; 100 only at the end.
int PercentAt(std::size_t i, std::size_t n)
{
    int percent = static_cast<int>(static_cast<double>(i) / static_cast<double>(n) * 100.0);
    return (percent == 100 && i != n) ? 99 : percent;
}

// Folders known to exist, so that a folder is asked for once per run of files in it.
class FolderMaker {
public:
    // 0 when the destination's folder exists (made if need be), else the error.
    DWORD Ensure(const std::wstring& destination)
    {
        std::wstring folder = destination.substr(0, destination.rfind(L'\\'));
        if (folder == m_lastFolder)
            return m_lastError;
        m_lastFolder = folder;
        DWORD attributes = GetFileAttributesW(folder.c_str());
        bool exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        m_lastError = exists ? 0 : CreateFolderChain(folder);
        return m_lastError;
    }

private:
    std::wstring m_lastFolder;
    DWORD m_lastError = 0;
};

} // namespace

Problems SyncFiles(const Comparison& comparison, const ComparisonInputs& inputs, SyncHost& host)
{
    std::printf("SyncStart");
    std::fflush(stdout);
    std::span<const FileEntry> list = comparison.List(inputs.GetDirection());
    std::size_t n = list.size();
    host.OpenSyncProgress();
    FolderMaker folders;
    Problems notCopied;

    for (std::size_t i = 0; i < n; ++i) {
        const FileEntry& entry = list[i];
        SyncDirection direction = inputs.GetDirection();
        Transfer transfer = TransferOf(direction, entry.status);
        if (transfer == Transfer::None)
            continue;
        bool down = transfer == Transfer::Down;
        std::string from = down ? inputs.BaseFolder() : inputs.TargetFolder();
        std::string to = down ? inputs.TargetFolder() : inputs.BaseFolder();
        // A folder text typed without its final "\" still names the folder itself;
        // an emptied one names no folder at all (never the current one).
        if (from.empty() || to.empty()) {
            notCopied.push_back({entry.relativePath, "フォルダ欄が空のため、コピーしませんでした"});
            continue;
        }
        std::wstring destination = LongPath(to, entry.relativePath);
        CopyResult result;
        if (DWORD error = folders.Ensure(destination))
            result = {CopyFailure::FolderNotCreated, error};
        else
            // Two-way runs never overwrite a file of the same time: an undecided
            // pair (same time, different sizes) would otherwise be copied both ways.
            result = CopyFileSafely(LongPath(from, entry.relativePath), destination,
                                    direction == Both ? ReplaceRule::EarlierOnly : ReplaceRule::NotLater);
        if (!result.Copied())
            notCopied.push_back({WithTrailingBackslash(to) + entry.relativePath, ReasonText(result)});

        host.SetProgress(PercentAt(i, n));
        host.PumpOneMessage();
        if (host.Cancelled())
            return notCopied;
    }
    host.SetProgress(100);
    Sleep(500);
    host.CloseProgress();
    return notCopied;
}
