#include "engine/folder_scanner.h"

#include "engine/temporary_files.h"
#include "engine/time_text.h"
#include "engine/windows_names.h"
#include "engine/worker.h"
#include "system/long_path.h"
#include "system/path_text.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cwchar>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {

const char kLoopReason[] = "上位のフォルダを指すリンクのため、たどりませんでした";
const char kDanglingLinkReason[] = "リンク先が見つからないリンクのため、コピーしません";

// Which folder a path leads to, links followed: the same identity twice on
// the way down from the root means a link leads back to an ancestor.
struct FolderIdentity {
    DWORD volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FolderIdentity&) const = default;
};

std::optional<FolderIdentity> IdentityOf(std::wstring path)
{
    if (path.back() == L':')
        path += L'\\'; // a drive's root
    UniqueHandle handle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle || !GetFileInformationByHandle(handle.get(), &info))
        return std::nullopt;
    return FolderIdentity{info.dwVolumeSerialNumber,
                          (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// One folder waiting to be listed, with the way down to it.
struct Folder {
    std::shared_ptr<const Folder> parent; // none for the root
    std::wstring path;                    // "\\?\" form, without the final "\"
    std::string relative;                 // below the root, stored form, with the final "\" (empty for the root)
};
using FolderPtr = std::shared_ptr<const Folder>;

// What one thread found in one tree; merged and sorted at the end.
struct Found {
    std::vector<FileEntry> rootFiles, subfolderFiles;
    Problems problems;
};

// Lists the folders of one tree. Any number of threads may list its folders at
// once, each into a Found of its own.
class TreeLister {
public:
    TreeLister(const std::string& folderText, const ExclusionFilter& exclude)
        : m_folderText(folderText), m_exclude(exclude)
    {
    }

    FolderPtr Root() const
    {
        std::wstring root = LongPath(m_folderText);
        root.pop_back(); // the final "\"
        return std::make_shared<const Folder>(Folder{nullptr, root, std::string()});
    }

    // Lists one folder into found; each subfolder goes to push.
    template <class Push>
    void List(const FolderPtr& folder, Found& found, EngineHost& host, Push push) const
    {
        WIN32_FIND_DATAW data;
        // The basic information level and large fetches: the short name is never
        // needed, and bigger batches mean fewer round trips to the file system.
        HANDLE find = FindFirstFileExW((folder->path + L"\\*").c_str(), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND || GetFileAttributesW(folder->path.c_str()) == INVALID_FILE_ATTRIBUTES)
                ReportUnreadable(folder->relative, error, found);
            return;
        }
        do {
            host.PumpOneMessage();
            const wchar_t* name = data.cFileName;
            if (std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0)
                continue;
            bool isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (std::optional<TemporaryOwner> owner = OwnerOfTemporary(name)) {
                // Never the user's data: not listed, and gone once its run is over.
                RemoveIfLeftOver(folder->path + L"\\" + name, *owner, isFolder);
                continue;
            }
            if (m_exclude.Excludes(name, isFolder)) // neither row nor count, and never entered
                continue;
            if (const char* reason = UnusableReason(*folder, name, data.dwFileAttributes)) {
                std::string relative = folder->relative;
                AppendStored(relative, name);
                found.problems.push_back({FullPath(relative), reason});
                continue;
            }
            if (!isFolder) {
                Add(folder->relative, name, data, found);
                continue;
            }
            std::string relative = folder->relative;
            AppendStored(relative, name);
            auto child = std::make_shared<const Folder>(
                Folder{folder, folder->path + L"\\" + name, relative + "\\"});
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && LeadsToAncestor(*child))
                found.problems.push_back({FullPath(child->relative), kLoopReason});
            else
                push(std::move(child));
        } while (FindNextFileW(find, &data));
        DWORD error = GetLastError();
        FindClose(find);
        if (error != ERROR_NO_MORE_FILES)
            ReportUnreadable(folder->relative, error, found);
    }

private:
    // A link (junction or symbolic link) that leads to a folder already on the
    // way down from the root would be walked again and again. Links are few:
    // identities are asked for only when one is met.
    static bool LeadsToAncestor(const Folder& link)
    {
        std::optional<FolderIdentity> target = IdentityOf(link.path);
        if (!target)
            return false;
        for (const Folder* a = link.parent.get(); a; a = a->parent.get())
            if (IdentityOf(a->path) == target)
                return true;
        return false;
    }

    // A name Windows cannot hold, or a link whose target is gone (on Windows a
    // file of its own, which no copy could read; Wine does not list one).
    static const char* UnusableReason(const Folder& folder, const wchar_t* name, DWORD attributes)
    {
        if (const char* reason = UnusableNameReason(name))
            return reason;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
            && !LinkTargetExists(folder.path + L"\\" + name))
            return kDanglingLinkReason;
        return nullptr;
    }

    static bool LinkTargetExists(const std::wstring& link)
    {
        UniqueHandle target(CreateFileW(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (target)
            return true;
        DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    }

    void ReportUnreadable(const std::string& relative, DWORD error, Found& found) const
    {
        found.problems.push_back({FullPath(relative), "フォルダを読めません: " + SystemMessage(error)});
    }

    std::string FullPath(const std::string& relative) const { return WithTrailingBackslash(m_folderText) + relative; }

    void Add(const std::string& relative, const wchar_t* name, const WIN32_FIND_DATAW& data, Found& found) const
    {
        FileEntry entry;
        std::size_t length = std::wcslen(name);
        entry.relativePath.reserve(relative.size() + length); // one allocation for the usual name
        entry.relativePath = relative;
        AppendStored(entry.relativePath, {name, length});
        entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        m_formatter.Format(data.ftLastWriteTime, entry.timeText);
        entry.isRoot = relative.empty();
        (entry.isRoot ? found.rootFiles : found.subfolderFiles).push_back(std::move(entry));
    }

    const std::string& m_folderText;
    const ExclusionFilter& m_exclude;
    LocalTimeFormatter m_formatter;
};

void SortByPath(std::vector<FileEntry>& entries)
{
    std::sort(entries.begin(), entries.end(), PathBytesLess);
}

void Append(std::vector<FileEntry>& to, std::vector<FileEntry>& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// Sorts each group and lays them out as the options say.
ScanResult Arrange(std::vector<Found>& parts, const ScanLayout& layout)
{
    Found all;
    for (Found& part : parts) {
        Append(all.rootFiles, part.rootFiles);
        Append(all.subfolderFiles, part.subfolderFiles);
        all.problems.insert(all.problems.end(), part.problems.begin(), part.problems.end());
    }
    SortByPath(all.rootFiles);
    SortByPath(all.subfolderFiles);
    std::sort(all.problems.begin(), all.problems.end(),
              [](const Problem& a, const Problem& b) { return a.path < b.path; });

    ScanResult result;
    result.problems = std::move(all.problems);
    if (layout.subFolder) {
        result.entries = std::move(all.rootFiles);
    } else if (layout.rootFile) {
        result.entries = std::move(all.rootFiles);
        Append(result.entries, all.subfolderFiles);
    } else {
        result.entries = std::move(all.subfolderFiles);
        Append(result.entries, all.rootFiles);
    }
    result.entries.shrink_to_fit();
    return result;
}

// The folders still to list, of both trees, shared by the scanning threads.
class FolderQueue {
public:
    void Push(int tree, FolderPtr folder)
    {
        {
            std::lock_guard lock(m_mutex);
            m_pending.emplace_back(tree, std::move(folder));
        }
        m_wake.notify_one();
    }

    // The next folder; false once every folder is listed (or the scan stopped).
    bool Take(int& tree, FolderPtr& folder, const EngineHost& host)
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [&] { return !m_pending.empty() || m_busy == 0 || host.Cancelled(); });
        if (m_pending.empty() || host.Cancelled())
            return false;
        std::tie(tree, folder) = std::move(m_pending.back());
        m_pending.pop_back();
        ++m_busy;
        return true;
    }

    void Done()
    {
        {
            std::lock_guard lock(m_mutex);
            --m_busy;
        }
        m_wake.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::pair<int, FolderPtr>> m_pending;
    int m_busy = 0;
};

} // namespace

bool PathBytesLess(const FileEntry& a, const FileEntry& b)
{
    return a.relativePath < b.relativePath; // char_traits compares as unsigned bytes
}

void ScanFolders(const std::string& baseText, const std::string& targetText, const ScanLayout& layout, int threads,
                 EngineHost& host, ScanResult& base, ScanResult& target, std::uint64_t foundBefore)
{
    base = {};
    target = {};
    if (host.Cancelled())  // a close request already made lists nothing
        return;
    const std::string* texts[2] = {&baseText, &targetText};
    std::vector<std::unique_ptr<TreeLister>> listers;
    FolderQueue queue;
    for (int tree = 0; tree < 2; ++tree) {
        listers.push_back(std::make_unique<TreeLister>(*texts[tree], layout.exclude));
        if (!texts[tree]->empty())
            queue.Push(tree, listers[tree]->Root());
    }
    // found[thread][tree]: each thread writes only its own.
    std::vector<std::array<Found, 2>> found(static_cast<std::size_t>(std::max(threads, 1)));
    // Added to once per folder; only this thread reads it, to show it.
    std::atomic<std::uint64_t> files{foundBefore};
    Workers workers(static_cast<int>(found.size()), [&queue, &listers, &found, &files](int thread, EngineHost& own) {
        int tree;
        FolderPtr folder;
        while (queue.Take(tree, folder, own)) {
            Found& mine = found[thread][tree];
            std::size_t before = mine.rootFiles.size() + mine.subfolderFiles.size();
            listers[tree]->List(folder, mine, own,
                                [&queue, tree](FolderPtr child) { queue.Push(tree, std::move(child)); });
            files.fetch_add(mine.rootFiles.size() + mine.subfolderFiles.size() - before, std::memory_order_relaxed);
            queue.Done();
        }
    });
    Interval showing(kShowFoundEveryMs);
    workers.Wait(host, [&] {
        if (showing.Due())
            host.ShowFilesFound(files.load(std::memory_order_relaxed));
    });
    host.ShowFilesFound(files);
    // Each tree's table is sorted on a thread of its own.
    auto arrange = [&found, &layout](int tree, ScanResult& result) {
        std::vector<Found> parts;
        for (auto& mine : found)
            parts.push_back(std::move(mine[tree]));
        result = Arrange(parts, layout);
    };
    std::thread targetSort(arrange, 1, std::ref(target));
    arrange(0, base);
    targetSort.join();
}
