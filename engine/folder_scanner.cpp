#include "engine/folder_scanner.h"

#include "engine/long_path.h"
#include "engine/path_text.h"
#include "engine/stored_name.h"
#include "engine/time_text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

const char kLoopReason[] = "上位のフォルダを指すリンクのため、たどりませんでした";

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
    HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!ok)
        return std::nullopt;
    return FolderIdentity{info.dwVolumeSerialNumber,
                          (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

class TreeWalker {
public:
    TreeWalker(const std::string& folderText, EngineHost& host) : m_folderText(folderText), m_host(host) {}

    // Lists the folder and its subfolders. Folders wait on an explicit stack, so
    // that no depth Windows allows can exhaust the program's own stack.
    void Walk()
    {
        std::wstring root = LongPath(m_folderText);
        root.pop_back(); // the final "\"
        m_folders.push_back({-1, root, std::string(), std::nullopt});
        std::vector<int> pending{0};
        while (!pending.empty() && !m_host.Cancelled()) { // a close request ends a worker's walk early
            int folder = pending.back();
            pending.pop_back();
            List(folder, pending);
        }
    }

    std::vector<FileEntry> rootFiles, subfolderFiles;
    Problems problems;

private:
    struct Folder {
        int parent;               // index in m_folders, -1 for the root
        std::wstring path;        // "\\?\" form, without the final "\"
        std::string relative;     // below the root, stored form, with the final "\" (empty for the root)
        std::optional<FolderIdentity> identity; // asked for only when a link needs it
    };

    void List(int index, std::vector<int>& pending)
    {
        // Copies: m_folders grows below, which moves its elements.
        std::wstring path = m_folders[index].path;
        std::string relative = m_folders[index].relative;
        WIN32_FIND_DATAW data;
        // The basic information level and large fetches: the short name is never
        // needed, and bigger batches mean fewer round trips to the file system.
        HANDLE find = FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
                ReportUnreadable(relative, error);
            return;
        }
        do {
            m_host.PumpOneMessage();
            const wchar_t* name = data.cFileName;
            if (std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0)
                continue;
            std::string storedName = StoredFromWide(name);
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                Add(relative, storedName, data);
                continue;
            }
            m_folders.push_back({index, path + L"\\" + name, relative + storedName + "\\", std::nullopt});
            int child = static_cast<int>(m_folders.size()) - 1;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && LeadsToAncestor(child))
                problems.push_back({FullPath(m_folders[child].relative), kLoopReason});
            else
                pending.push_back(child);
        } while (FindNextFileW(find, &data));
        DWORD error = GetLastError();
        FindClose(find);
        if (error != ERROR_NO_MORE_FILES)
            ReportUnreadable(relative, error);
    }

    // A link (junction or symbolic link) that leads to a folder already on the
    // way down from the root would be walked again and again.
    bool LeadsToAncestor(int child)
    {
        const std::optional<FolderIdentity>& target = Identity(child);
        if (!target)
            return false;
        for (int a = m_folders[child].parent; a >= 0; a = m_folders[a].parent)
            if (Identity(a) == target)
                return true;
        return false;
    }

    const std::optional<FolderIdentity>& Identity(int folder)
    {
        Folder& f = m_folders[folder];
        if (!f.identity)
            f.identity = IdentityOf(f.path);
        return f.identity;
    }

    void ReportUnreadable(const std::string& relative, DWORD error)
    {
        problems.push_back({FullPath(relative), "フォルダを読めません: " + SystemMessage(error)});
    }

    std::string FullPath(const std::string& relative) const
    {
        return WithTrailingBackslash(m_folderText) + relative;
    }

    void Add(const std::string& relative, const std::string& name, const WIN32_FIND_DATAW& data)
    {
        FileEntry entry;
        entry.relativePath.reserve(relative.size() + name.size());
        entry.relativePath = relative;
        entry.relativePath += name;
        entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        m_formatter.Format(data.ftLastWriteTime, entry.timeText);
        entry.isRoot = relative.empty();
        (entry.isRoot ? rootFiles : subfolderFiles).push_back(std::move(entry));
    }

    const std::string& m_folderText;
    EngineHost& m_host;
    LocalTimeFormatter m_formatter;
    std::vector<Folder> m_folders;
};

void SortByPath(std::vector<FileEntry>& entries)
{
    std::sort(entries.begin(), entries.end(), PathBytesLess);
}

void Append(std::vector<FileEntry>& to, std::vector<FileEntry>& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

bool PathBytesLess(const FileEntry& a, const FileEntry& b)
{
    return a.relativePath < b.relativePath; // char_traits compares as unsigned bytes
}

ScanResult ScanFolder(const std::string& folderText, const ScanLayout& layout, EngineHost& host)
{
    ScanResult result;
    if (folderText.empty())
        return result;

    TreeWalker walker(folderText, host);
    walker.Walk();
    SortByPath(walker.rootFiles);
    SortByPath(walker.subfolderFiles);
    result.rootFileCount = static_cast<int>(walker.rootFiles.size());
    result.subfolderFileCount = static_cast<int>(walker.subfolderFiles.size());
    result.problems = std::move(walker.problems);

    if (layout.subFolder) {
        result.entries = std::move(walker.rootFiles);
    } else if (layout.rootFile) {
        result.entries = std::move(walker.rootFiles);
        Append(result.entries, walker.subfolderFiles);
    } else {
        result.entries = std::move(walker.subfolderFiles);
        Append(result.entries, walker.rootFiles);
    }
    result.entries.shrink_to_fit();
    return result;
}
