#include "settings/module_folder.h"

#include "system/path_text.h"
#include "system/stored_name.h"

#include <windows.h>

std::string GetModuleFolder()
{
    // Asked in UTF-16 and kept in the stored form: the ANSI answer follows the
    // system's code page, and the command-line tool runs under any.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return FolderPart(StoredFromWide(path));
}
