#include "temp_tree.h"

#include "system/long_path.h"
#include "system/path_text.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "sync/folder_chain.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

FILETIME LocalFileTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME local{static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
                     static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

// Named after the process and the time: a folder of a finished run by the same
// name may still be known to the shell's folder browser, which then misses the
// new one's contents.
TempTree::TempTree(const std::string& parent)
{
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (;;) {
        std::string candidate = (parent.empty() ? std::string(temp) : parent) + "mirvalen-test-"
            + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_root = candidate + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a temporary folder");
    }
}

namespace {

void RemoveWideTree(const std::wstring& folder)  // folder ends with "\"
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data)) {
        std::wstring name = data.cFileName, path = folder + name;
        if (name == L"." || name == L"..")
            continue;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) // a link: never what it leads to
            DeleteFileW(path.c_str()) || RemoveDirectoryW(path.c_str());
        else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveWideTree(path + L"\\");
        else
            DeleteFileW(path.c_str());
    }
    FindClose(find);
    RemoveDirectoryW(folder.substr(0, folder.size() - 1).c_str());
}

} // namespace

TempTree::~TempTree()
{
    RemoveWideTree(LongPath(m_root));
}

std::wstring TempTree::WidePath(const std::string& relative) const
{
    return LongPath(m_root, relative);
}

void TempTree::MakeDir(const std::string& relative) const
{
    std::wstring path = WidePath(relative);
    if (path.back() == L'\\')
        path.pop_back();
    CreateFolderChain(path);
}

void TempTree::Write(const std::string& relative, const std::string& content, const FILETIME* lastWrite) const
{
    std::size_t lastSeparator = LastBackslash(relative);
    if (lastSeparator != std::string::npos)
        MakeDir(relative.substr(0, lastSeparator));
    UniqueHandle file(CreateFileW(WidePath(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot write " + relative);
    DWORD written = 0;
    WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    if (lastWrite)
        SetFileTime(file.get(), nullptr, nullptr, lastWrite);
}

void TempTree::SetAttributes(const std::string& relative, DWORD attributes) const
{
    SetFileAttributesW(WidePath(relative).c_str(), attributes);
}

DWORD TempTree::Attributes(const std::string& relative) const
{
    return GetFileAttributesW(WidePath(relative).c_str());
}

bool TempTree::Exists(const std::string& relative) const
{
    return Attributes(relative) != INVALID_FILE_ATTRIBUTES;
}

std::string TempTree::Read(const std::string& relative) const
{
    UniqueHandle file(CreateFileW(WidePath(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr));
    std::string content;
    char buffer[65536];
    for (DWORD got = 0; file && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got;)
        content.append(buffer, got);
    return content;
}

Names TempTree::Names(const std::string& folder) const
{
    ::Names names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((WidePath(folder) + L"*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
        if (std::wstring name = data.cFileName; name != L"." && name != L"..")
            names.push_back(StoredFromWide(name));
    FindClose(find);
    return names;
}

namespace {

// The host's (Wine's) name of a path; empty where there is no host.
std::string HostName(const std::wstring& path)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    const char* name = unixName ? unixName(path.c_str()) : nullptr;
    return name ? name : "";
}

// Runs a program of the host, and waits until done() says its work is there:
// Wine hands back a handle that does not wait for a host program.
bool RunOnHost(const std::string& commandLine, const std::function<bool()>& done)
{
    std::wstring command = WideFromStored(commandLine);
    std::wstring program = L"Z:" + command.substr(0, command.find(L' '));
    std::replace(program.begin(), program.end(), L'/', L'\\');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    UniqueHandle started(process.hProcess), mainThread(process.hThread); // never waited on
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5))
        if (done())
            return true;
    return false;
}

} // namespace

bool TempTree::LinkFolder(const std::string& relative, const std::string& target) const
{
    std::wstring link = WidePath(relative);
    if (CreateSymbolicLinkW(link.c_str(), WideFromStored(target).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY)
        && Exists(relative))
        return true;
    // Wine accepts the call without making a link: the host's own ln makes one.
    std::string host = HostName(link);
    return !host.empty() && RunOnHost("/bin/ln -s " + target + " " + host, [&] { return Exists(relative); });
}

bool TempTree::CopyAsCaseVariant(const std::string& relative, const std::string& variant) const
{
    std::string folder = relative.substr(0, relative.rfind('\\') + 1);
    std::string name = variant.substr(folder.size());
    std::string from = HostName(WidePath(relative)), into = HostName(WidePath(folder));
    if (from.empty() || into.empty())
        return false;
    return RunOnHost("/bin/cp -p " + from + " " + into + "/" + name, [&] {
        ::Names names = Names(folder);
        return std::find(names.begin(), names.end(), name) != names.end();
    });
}

bool TempTree::OnHost(const std::string& script, const std::function<bool()>& made) const
{
    std::string folder = HostName(WidePath(""));
    return !folder.empty() && RunOnHost("/bin/sh -c \"cd '" + folder + "' && " + script + "\"", made);
}

std::string SmallDisk()
{
    char folder[MAX_PATH] = "";
    ULARGE_INTEGER total{};
    if (!GetEnvironmentVariableA("MIRVALEN_SMALL_DISK", folder, MAX_PATH)
        || !GetDiskFreeSpaceExA(folder, nullptr, &total, nullptr) || total.QuadPart > 4u << 20)
        return "";
    return std::string(folder) + "\\";
}

std::string EmptiedTrash()
{
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("MIRVALEN_TRASH", folder, MAX_PATH))
        return "";
    std::string trash = folder;
    std::replace(trash.begin(), trash.end(), '/', '\\');
    for (const char* sub : {"\\files\\", "\\info\\"}) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((trash + sub + "*").c_str(), &data);
        for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
            std::string binned = trash + sub + data.cFileName;
            SetFileAttributesA(binned.c_str(), FILE_ATTRIBUTE_NORMAL); // a replaced read-only file stays so there
            DeleteFileA(binned.c_str());
        }
        FindClose(find);
    }
    return trash;
}
