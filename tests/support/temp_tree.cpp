#include "temp_tree.h"

#include <stdexcept>
#include <vector>

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

TempTree::TempTree()
{
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (;;) {
        std::string candidate = std::string(temp) + "mirvalen-test-" + std::to_string(GetCurrentProcessId()) + "-"
            + std::to_string(++serial);
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

void RemoveTree(const std::string& folder)
{
    std::string base = folder;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((base + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = base + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(base.c_str());
}

void TempTree::MakeDir(const std::string& relative) const
{
    std::string path = m_root;
    // Walk component by component; paths here may hold double-byte names.
    const char* p = relative.c_str();
    while (*p) {
        const char* next = CharNextA(p);
        if (*p == '\\')
            CreateDirectoryA(path.c_str(), nullptr);
        path.append(p, next);
        p = next;
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

void TempTree::Write(const std::string& relative, const std::string& content, const FILETIME& lastWrite) const
{
    Write(relative, content);
    SetLastWrite(relative, lastWrite);
}

void TempTree::Write(const std::string& relative, const std::string& content) const
{
    const char* p = relative.c_str();
    const char* lastSeparator = nullptr;
    for (; *p; p = CharNextA(p))
        if (*p == '\\')
            lastSeparator = p;
    if (lastSeparator)
        MakeDir(std::string(relative.c_str(), lastSeparator));
    HANDLE file = CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + relative);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

void TempTree::SetLastWrite(const std::string& relative, const FILETIME& lastWrite) const
{
    DWORD attributes = GetFileAttributesA(Path(relative).c_str());
    SetFileAttributesA(Path(relative).c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(Path(relative).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    SetFileTime(file, nullptr, nullptr, &lastWrite);
    CloseHandle(file);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(Path(relative).c_str(), attributes);
}

void TempTree::SetAttributes(const std::string& relative, DWORD attributes) const
{
    SetFileAttributesA(Path(relative).c_str(), attributes);
}

bool TempTree::Exists(const std::string& relative) const
{
    return GetFileAttributesA(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempTree::Read(const std::string& relative) const
{
    HANDLE file = CreateFileA(Path(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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

FILETIME TempTree::LastWrite(const std::string& relative) const
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(Path(relative).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}
