#include "favorites/folder_check.h"

#include <windows.h>

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
