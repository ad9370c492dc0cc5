#include "sync/folder_chain.h"

#include "engine/path_text.h"

#include <windows.h>

void CreateFolderChain(const std::string& folder)
{
    // Every "\" that is a character of its own ends one component; the drive
    // ("C:\") and a server share fail harmlessly as they already exist.
    for (std::size_t i = 0; i < folder.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(folder[i]);
        if (IsLeadByte(c) && i + 1 < folder.size()) {
            ++i;
            continue;
        }
        if (c == '\\' && i > 0)
            CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
    }
    if (!EndsWithBackslash(folder))
        CreateDirectoryA(folder.c_str(), nullptr);
}
