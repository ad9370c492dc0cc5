#include "favorites/favorites_file.h"

#include "system/handle_io.h"
#include "system/stored_name.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

#pragma pack(push, 1)
struct FileHeader {
    std::int32_t count;
    char version[20];
};

// One favourite exactly as the file holds it.
struct FavoriteRecord {
    std::int32_t number;
    char name[FavoriteNameSize];
    char baseFolder[FavoriteFolderSize];
    char targetFolder[FavoriteFolderSize];
    std::int32_t direction;
};
#pragma pack(pop)

static_assert(sizeof(FileHeader) == 24);
static_assert(sizeof(FavoriteRecord) == 1572);
static_assert(offsetof(FavoriteRecord, name) == 4 && offsetof(FavoriteRecord, baseFolder) == 528
              && offsetof(FavoriteRecord, targetFolder) == 1048 && offsetof(FavoriteRecord, direction) == 1568);

// Reads up to `size` bytes; fewer only at the end of the file.
DWORD ReadUpTo(HANDLE file, void* buffer, DWORD size)
{
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, static_cast<char*>(buffer) + total, size - total, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    return total;
}

// A text field up to its NUL; a field without one (only in a damaged file)
// keeps what fits with a terminator, so that it is written back the same.
template <std::size_t N> std::string TextOf(const char (&field)[N])
{
    return std::string(field, strnlen(field, N - 1));
}

template <std::size_t N> void CopyText(char (&field)[N], const std::string& text)
{
    std::memcpy(field, text.data(), text.size());
}

Favorite FromRecord(const FavoriteRecord& record)
{
    Favorite favorite;
    favorite.number = record.number;
    favorite.name = TextOf(record.name);
    favorite.baseFolder = TextOf(record.baseFolder);
    favorite.targetFolder = TextOf(record.targetFolder);
    favorite.direction = record.direction;
    return favorite;
}

// The record of a favourite whose texts fit their fields, zero after each text.
FavoriteRecord ToRecord(const Favorite& favorite)
{
    FavoriteRecord record{};
    record.number = favorite.number;
    CopyText(record.name, favorite.name);
    CopyText(record.baseFolder, favorite.baseFolder);
    CopyText(record.targetFolder, favorite.targetFolder);
    record.direction = favorite.direction;
    return record;
}

Problem SaveFailed(const std::string& path, const std::string& why)
{
    return {path, "お気に入りファイルを保存できませんでした。" + why};
}

// The new file image in one block: header, then the records in table order.
std::string FileImage(const FavoritesTable& table)
{
    FileHeader header{};
    header.count = table.count();
    std::memcpy(header.version, table.version.data(), sizeof header.version);
    std::string image(reinterpret_cast<const char*>(&header), sizeof header);
    image.reserve(sizeof header + table.items.size() * sizeof(FavoriteRecord));
    for (const Favorite& favorite : table.items) {
        FavoriteRecord record = ToRecord(favorite);
        image.append(reinterpret_cast<const char*>(&record), sizeof record);
    }
    return image;
}

bool WriteNewFile(const std::wstring& path, const std::string& image)
{
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file)
        return false;
    bool written = WriteAll(file.get(), image) && FlushFileBuffers(file.get());
    return file.close() && written;
}

} // namespace

FavoritesReadResult ReadFavoritesFile(const std::string& path)
{
    FavoritesReadResult result;
    result.table.filePath = path;
    // The name is Shift-JIS whatever the system's code page (the command-line
    // tool reads the file under any): the file system is asked in UTF-16.
    UniqueHandle file(CreateFileW(WideFromStored(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        // No file yet is the normal first start; a file that is there but
        // cannot be opened must not pass for an empty one.
        DWORD error = GetLastError();
        result.unreadable = !path.empty() && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND
            && error != ERROR_INVALID_NAME;
        return result;
    }

    FileHeader header{};
    if (ReadUpTo(file.get(), &header, sizeof header) < sizeof header || header.count < 0) {
        result.damaged = true;
        return result;
    }
    std::memcpy(result.table.version.data(), header.version, sizeof header.version);

    // The count is only a claim: the records are taken as the file delivers
    // them, and the room reserved never exceeds what the file can hold.
    LARGE_INTEGER size{};
    GetFileSizeEx(file.get(), &size);
    const long long recordSize = sizeof(FavoriteRecord);
    long long held = (size.QuadPart - static_cast<long long>(sizeof header) + recordSize - 1) / recordSize;
    result.table.items.reserve(static_cast<std::size_t>(std::clamp<long long>(held, 0, header.count)));
    for (int i = 0; i < header.count; ++i) {
        FavoriteRecord record{};
        DWORD got = ReadUpTo(file.get(), &record, sizeof record);
        if (got > 0)
            result.table.items.push_back(FromRecord(record));
        if (got < sizeof record) {
            result.damaged = true;
            break;
        }
    }
    return result;
}

Failure WriteFavoritesFile(const std::string& path, const FavoritesTable& table)
{
    for (const Favorite& favorite : table.items) {
        std::string tooLong = ValidateFavoriteTexts(favorite.name, favorite.baseFolder, favorite.targetFolder);
        if (!tooLong.empty())
            return SaveFailed(path, tooLong);
    }
    // A rename would replace a read-only file as well; the user made it read-only to keep it.
    const std::wstring widePath = WideFromStored(path);
    DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return SaveFailed(path, "読み取り専用です。");
    // Written beside the old file, so the replacement is a rename within one folder.
    const std::wstring temporary = widePath + L".tmp";
    if (WriteNewFile(temporary, FileImage(table))
        && MoveFileExW(temporary.c_str(), widePath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    return SaveFailed(path, SystemMessage(error));
}

Problem UnreadableFavorites(const std::string& path)
{
    return {path, "お気に入りファイルを読み込めませんでした。このファイルには保存しません。"};
}

Problem DamagedFavorites(const std::string& path)
{
    return {path, "お気に入りファイルが壊れています。読み込めたお気に入りだけを表示します。"};
}
