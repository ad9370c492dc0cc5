#include "settings/favorites_path.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

} // namespace

std::string ResolveFavoritesPath(const std::string& favPath, const std::string& moduleFolder)
{
    if (StartsWith(favPath, ".\\"))
        return moduleFolder + favPath.substr(2);
    return favPath;
}

std::string StoredFavoritesPath(const std::string& favPath, const std::string& moduleFolder)
{
    if (StartsWith(favPath, ".\\"))
        return favPath;
    char relative[MAX_PATH] = "";
    if (!PathRelativePathToA(relative, moduleFolder.c_str(), FILE_ATTRIBUTE_DIRECTORY, favPath.c_str(),
                             FILE_ATTRIBUTE_DIRECTORY))
        return favPath;  // no relative path: another drive, or too long for the service
    std::string result = relative;
    // The service answers ".\data\x.bdt" or "\data\x.bdt" below the program
    // folder, and "..\x.bdt" beside it; the loader only resolves ".\", which
    // the file system then takes through any "..".
    if (StartsWith(result, ".\\"))
        return result;
    if (StartsWith(result, "\\"))
        return "." + result;
    if (StartsWith(result, "..\\"))
        return ".\\" + result;
    return favPath;
}
