#include "engine/folder_scanner.h"

#include "engine/path_text.h"
#include "engine/time_text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// Paths were held in 520-byte buffers; a folder or file path that would not fit
// is left out rather than cut.
constexpr std::size_t kPathLimit = 520;

class TreeWalker {
public:
    explicit TreeWalker(EngineHost& host) : m_host(host) {}

    // Lists folder (no trailing "\") and its subfolders; relative is the folder's
    // path below the root with a trailing "\" (empty for the root itself).
    void Walk(const std::string& folder, const std::string& relative)
    {
        if (folder.size() > kPathLimit - 3) // room for "\*" and the NUL
            return;
        WIN32_FIND_DATAA data;
        // One walk with the basic information level and large fetches: the short
        // name is never needed, and bigger batches mean fewer server round trips.
        HANDLE find = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE)
            return;
        do {
            m_host.PumpOneMessage();
            const char* name = data.cFileName;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                continue;
            if (folder.size() + 1 + std::strlen(name) >= kPathLimit)
                continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Walk(folder + "\\" + name, relative + name + "\\");
            else
                Add(relative, data);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }

    std::vector<FileEntry> rootFiles, subfolderFiles;

private:
    void Add(const std::string& relative, const WIN32_FIND_DATAA& data)
    {
        FileEntry entry;
        entry.relativePath.reserve(relative.size() + std::strlen(data.cFileName));
        entry.relativePath = relative;
        entry.relativePath += data.cFileName;
        entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        m_formatter.Format(data.ftLastWriteTime, entry.timeText);
        entry.isRoot = relative.empty();
        (entry.isRoot ? rootFiles : subfolderFiles).push_back(std::move(entry));
    }

    EngineHost& m_host;
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
    // The root is the text before its final "\": C:\data\ gives C:\data, C:\ gives C:.
    std::string root = WithTrailingBackslash(folderText);
    root.pop_back();

    TreeWalker walker(host);
    walker.Walk(root, "");
    SortByPath(walker.rootFiles);
    SortByPath(walker.subfolderFiles);
    result.rootFileCount = static_cast<int>(walker.rootFiles.size());
    result.subfolderFileCount = static_cast<int>(walker.subfolderFiles.size());

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
