#include "favorites/folder_check.h"

#include "system/long_path.h"
#include "system/stored_name.h"

bool FolderExists(const std::string& path)
{
    return !path.empty() && IsFolder(WideFromStored(path));
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
