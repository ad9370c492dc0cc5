#include "sync/safe_copy.h"

#include "sync/path_parts.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {

std::int64_t WholeSeconds(const FILETIME& time)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime)
        / 10000000;
}

// Whether an existing destination may be replaced.
bool MayReplace(const WIN32_FILE_ATTRIBUTE_DATA& source, const WIN32_FILE_ATTRIBUTE_DATA& destination,
                ReplaceRule rule)
{
    if (destination.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A destination changed after the list was made is newer than the source.
    std::int64_t from = WholeSeconds(source.ftLastWriteTime);
    std::int64_t to = WholeSeconds(destination.ftLastWriteTime);
    return rule == ReplaceRule::NotLater ? to <= from : to < from;
}

void Discard(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); // the copy took the source's attributes
    DeleteFileA(path.c_str());
}

// A name in the destination's folder that no other copy of this process uses;
// the copy refuses to overwrite it, should it exist all the same.
std::string TemporaryNameBeside(const std::string& destination)
{
    static unsigned serial = 0;
    char name[40];
    std::snprintf(name, sizeof name, "~mrv%lx-%x.tmp", GetCurrentProcessId(), ++serial);
    return FolderPart(destination) + name;
}

} // namespace

bool CopyFileSafely(const std::string& source, const std::string& destination, ReplaceRule rule)
{
    WIN32_FILE_ATTRIBUTE_DATA from, to;
    if (!GetFileAttributesExA(source.c_str(), GetFileExInfoStandard, &from))
        return false;
    if (GetFileAttributesExA(destination.c_str(), GetFileExInfoStandard, &to) && !MayReplace(from, to, rule))
        return false;

    std::string temporary = TemporaryNameBeside(destination);
    if (!CopyFileA(source.c_str(), temporary.c_str(), TRUE)) {
        if (GetLastError() != ERROR_FILE_EXISTS) // never remove a file that was there before
            Discard(temporary);
        return false;
    }
    if (!MoveFileExA(temporary.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        Discard(temporary);
        return false;
    }
    return true;
}
