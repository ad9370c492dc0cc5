#include "sync/folder_chain.h"

#include "system/long_path.h"

#include <vector>

namespace {

// Creates one folder; 0 when it is there afterwards.
DWORD CreateOne(const std::wstring& folder)
{
    if (CreateDirectoryW(folder.c_str(), nullptr))
        return 0;
    DWORD error = GetLastError();
    return (error == ERROR_ALREADY_EXISTS && IsFolder(folder)) ? 0 : error;
}

} // namespace

DWORD CreateFolderChain(const std::wstring& folder)
{
    // Up from the folder to the first one that exists, then down creating each.
    std::vector<std::wstring> missing{folder};
    DWORD error;
    while ((error = CreateOne(missing.back())) == ERROR_PATH_NOT_FOUND) {
        std::size_t cut = missing.back().rfind(L'\\');
        if (cut == std::wstring::npos || cut < 4) // nothing left above "\\?\"
            return error;
        missing.push_back(missing.back().substr(0, cut));
    }
    if (error != 0)
        return error;
    missing.pop_back();
    while (!missing.empty()) {
        if ((error = CreateOne(missing.back())) != 0)
            return error;
        missing.pop_back();
    }
    return 0;
}
