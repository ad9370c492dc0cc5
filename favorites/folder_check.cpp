#include "favorites/folder_check.h"

#include <windows.h>

std::string EnsureTrailingBackslash(const std::string& text)
{
    if (text.empty())
        return text;
    // Walk character by character in the system code page to find where the last one starts.
    const char* last = text.c_str();
    for (const char* p = last; *p; p = CharNextA(p))
        last = p;
    if (std::string(last) == "\\")
        return text;
    return text + "\\";
}

bool FolderExists(const std::string& path)
{
    if (path.empty())
        return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string NoticeTextFor(bool baseExists, bool targetExists)
{
    if (baseExists && targetExists)
        return "";
    if (baseExists)
        return "対象フォルダが、みつかりません";
    if (targetExists)
        return "基本フォルダが、みつかりません";
    return "基本フォルダ及び対象フォルダが、みつかりません";
}
