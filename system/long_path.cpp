#include "system/long_path.h"

#include "system/path_text.h"
#include "system/stored_name.h"

#include <windows.h>

namespace {

// The absolute form of a folder, ending with "\": relative texts are taken from
// the current folder, "/" becomes "\", "." and ".." are resolved.
std::wstring FullFolder(const std::wstring& folder)
{
    DWORD length = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return folder;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(folder.c_str(), length, full.data(), nullptr);
    full.resize(length);
    if (!full.empty() && full.back() != L'\\')
        full += L'\\';
    return full;
}

} // namespace

std::wstring LongPath(const std::string& folderText, std::string_view relative)
{
    std::wstring folder = WideFromStored(WithTrailingBackslash(folderText));
    std::wstring full;
    if (folder.rfind(L"\\\\?\\", 0) == 0)
        full = folder;
    else if (folder = FullFolder(folder); folder.rfind(L"\\\\", 0) == 0)
        full = L"\\\\?\\UNC\\" + folder.substr(2); // a server share
    else
        full = L"\\\\?\\" + folder;
    full += WideFromStored(relative);
    return full;
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void FoldCase(wchar_t* text, std::size_t length)
{
    CharUpperBuffW(text, static_cast<DWORD>(length));
}
