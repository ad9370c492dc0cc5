#include "temp_tree.h"

#include "engine/long_path.h"
#include "engine/path_text.h"
#include "engine/stored_name.h"
#include "sync/folder_chain.h"

#include <stdexcept>

FILETIME LocalFileTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = static_cast<WORD>(minute);
    local.wSecond = static_cast<WORD>(second);
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

TempTree::~TempTree()
{
    RemoveTree(m_root);
}

namespace {

void RemoveWideTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) // a link: never what it leads to
                DeleteFileW(path.c_str()) || RemoveDirectoryW(path.c_str());
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveWideTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

void RemoveTree(const std::string& folder)
{
    std::wstring path = LongPath(folder);
    path.pop_back();
    RemoveWideTree(path);
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
    HANDLE file = CreateFileW(WidePath(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + relative);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    if (lastWrite)
        SetFileTime(file, nullptr, nullptr, lastWrite);
    CloseHandle(file);
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
    HANDLE file = CreateFileW(WidePath(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

Names TempTree::Names(const std::string& folder) const
{
    ::Names names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((WidePath(folder) + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(StoredFromWide(name));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

bool TempTree::LinkFolder(const std::string& relative, const std::string& target) const
{
    std::wstring link = WidePath(relative);
    bool made = CreateSymbolicLinkW(link.c_str(), WideFromStored(target).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
    if (made && Exists(relative))
        return true;
    // Wine accepts the call without making a link: the host's own ln makes one.
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    if (!unixName)
        return false;
    std::string command = "/bin/ln -s " + target + " " + unixName(link.c_str());
    std::wstring wideCommand = WideFromStored(command);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(L"Z:\\bin\\ln", wideCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    // Wine hands back a handle that does not wait for a host program: wait for the link.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(5))  // a poll, not a pause
        if (Exists(relative))
            return true;
    return false;
}
