#include "engine/temporary_files.h"

#include "system/process_start.h"
#include "system/unique_handle.h"

#include <cwchar>
#include <string>

namespace {

constexpr std::wstring_view kPrefix = L"~mrv", kSuffix = L".tmp";
constexpr std::size_t kStartDigits = 16;

ULONGLONG ThisProcessStart()
{
    static const ULONGLONG start = ProcessStart(GetCurrentProcess());
    return start;
}

// A field of hex digits, at most `most` of them; none when it is not one.
std::optional<ULONGLONG> HexField(std::wstring_view field, std::size_t most)
{
    if (field.empty() || field.size() > most)
        return std::nullopt;
    ULONGLONG value = 0;
    for (wchar_t c : field) {
        int digit = (c >= L'0' && c <= L'9') ? c - L'0' : (c >= L'a' && c <= L'f') ? c - L'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<ULONGLONG>(digit);
    }
    return value;
}

// "1f.tmp": a file inside a folder of 1.0.7 and earlier.
bool IsOldInnerName(std::wstring_view name)
{
    return name.size() > kSuffix.size() && name.ends_with(kSuffix)
        && HexField(name.substr(0, name.size() - kSuffix.size()), 8);
}

// Removes the file only when nobody has it open: a temporary still being
// written (by a program on another computer, sharing the folder) stays.
bool RemoveFile(const std::wstring& path)
{
    // Opened sharing nothing, which fails while anyone has it open, and closed at once.
    if (!UniqueHandle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)))
        return false;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); // the copy took its source's attributes
    return DeleteFileW(path.c_str()) != 0;
}

template <class Visit>
void ForEachEntry(const std::wstring& folder, const std::wstring& pattern, Visit visit)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\" + pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, 0);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (std::wcscmp(data.cFileName, L".") != 0 && std::wcscmp(data.cFileName, L"..") != 0)
            visit(data);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

} // namespace

std::wstring TemporaryFileName(unsigned serial)
{
    wchar_t name[64];
    std::swprintf(name, 64, L"~mrv%lx-%016llx-%x.tmp", GetCurrentProcessId(), ThisProcessStart(), serial);
    return name;
}

std::wstring TemporaryFolderName()
{
    wchar_t name[64];
    std::swprintf(name, 64, L"~mrv%lx-%016llx.tmp", GetCurrentProcessId(), ThisProcessStart());
    return name;
}

std::optional<TemporaryOwner> OwnerOfTemporary(std::wstring_view name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix) || name.size() <= kPrefix.size() + kSuffix.size())
        return std::nullopt;
    std::wstring_view fields = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    // Up to three fields between the dashes: id, start time, serial.
    std::wstring_view parts[3];
    std::size_t count = 0;
    for (std::size_t at = 0; at != std::wstring_view::npos; ++count) {
        if (count == 3)
            return std::nullopt;
        std::size_t dash = fields.find(L'-', at);
        parts[count] = fields.substr(at, dash == std::wstring_view::npos ? dash : dash - at);
        at = dash == std::wstring_view::npos ? dash : dash + 1;
    }
    std::optional<ULONGLONG> id = HexField(parts[0], 8);
    if (!id)
        return std::nullopt;
    TemporaryOwner owner{static_cast<DWORD>(*id), std::nullopt};
    bool startGiven = count >= 2 && parts[1].size() == kStartDigits;
    if (startGiven)
        owner.started = HexField(parts[1], kStartDigits);
    bool valid = count == 1                                                   // an old folder
        || (count == 2 && (startGiven ? owner.started.has_value() : HexField(parts[1], 8).has_value()))
        || (count == 3 && owner.started && HexField(parts[2], 8));            // a file
    if (!valid)
        return std::nullopt;
    return owner;
}

bool RunIsOver(const TemporaryOwner& owner)
{
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, owner.processId));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER; // no process has that id; else it cannot be told
    DWORD exitCode = 0;
    return (GetExitCodeProcess(process.get(), &exitCode) && exitCode != STILL_ACTIVE)
        || (owner.started && ProcessStart(process.get()) != *owner.started); // the id was given to another process
}

void RemoveTemporaryFolder(const std::wstring& path)
{
    ForEachEntry(path, L"*.tmp", [&](const WIN32_FIND_DATAW& data) {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            && (OwnerOfTemporary(data.cFileName) || IsOldInnerName(data.cFileName)))
            RemoveFile(path + L"\\" + data.cFileName);
    });
    RemoveDirectoryW(path.c_str()); // not when anything else is in it
}

bool RemoveIfLeftOver(const std::wstring& path, const TemporaryOwner& owner, bool isFolder)
{
    if (!RunIsOver(owner))
        return false;
    if (!isFolder)
        return RemoveFile(path);
    RemoveTemporaryFolder(path);
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

void RemoveTemporariesOf(const std::wstring& folder, DWORD processId)
{
    wchar_t pattern[32];
    std::swprintf(pattern, 32, L"~mrv%lx*", processId);
    ForEachEntry(folder, pattern, [&](const WIN32_FIND_DATAW& data) {
        std::optional<TemporaryOwner> owner = OwnerOfTemporary(data.cFileName);
        if (owner && owner->processId == processId)
            RemoveIfLeftOver(folder + L"\\" + data.cFileName, *owner, data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    });
}
