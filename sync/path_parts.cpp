#include "sync/path_parts.h"

#include "engine/path_text.h"

std::string FolderPart(const std::string& path)
{
    std::size_t last = LastBackslash(path);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string NamePart(const std::string& path)
{
    std::size_t last = LastBackslash(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}
