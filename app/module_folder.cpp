#include "app/module_folder.h"

#include <windows.h>

#include <cstdlib>

std::string GetModuleFolder()
{
    char path[MAX_PATH * 4] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    char drive[_MAX_DRIVE], folder[sizeof path];
    _splitpath(path, drive, folder, nullptr, nullptr);
    char joined[sizeof path];
    _makepath(joined, drive, folder, nullptr, nullptr);
    return joined;
}
