#include "sync/safe_copy.h"

#include "engine/problem.h"
#include "engine/temporary_files.h"
#include "engine/time_text.h"
#include "sync/recycle_bin.h"
#include "system/file_contents.h"
#include "system/long_path.h"
#include "system/wine_check.h"

#include <cstdint>

namespace {

const DWORD kProtection = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

// Whether the destination's time is still the one the list showed.
bool AsListed(const WIN32_FILE_ATTRIBUTE_DATA& destination, const std::string& listedTime)
{
    std::array<char, kTimeTextLength + 1> now{};
    LocalTimeFormatter().Format(destination.ftLastWriteTime, now);
    return listedTime == now.data();
}

// Whether an existing destination may be replaced by this source.
CopyResult MayReplace(const WIN32_FILE_ATTRIBUTE_DATA& source, const WIN32_FILE_ATTRIBUTE_DATA& destination,
                      const CopyTask& task)
{
    if (destination.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {CopyFailure::DestinationIsFolder};
    std::int64_t from = WholeSeconds(source.ftLastWriteTime);
    std::int64_t to = WholeSeconds(destination.ftLastWriteTime);
    if (task.rule == ReplaceRule::AsListed) {
        // The user saw both files and chose: any time will do, but only the file they saw.
        if (!AsListed(destination, task.listedTime))
            return {CopyFailure::DestinationChanged};
    } else if (to > from) {
        // A destination changed after the list was made is newer than the source.
        return {CopyFailure::DestinationNewer};
    } else if (to == from && task.rule == ReplaceRule::EarlierOnly) {
        return {CopyFailure::Conflict};
    }
    DWORD set = destination.dwFileAttributes & ~source.dwFileAttributes;
    if (set & FILE_ATTRIBUTE_READONLY)
        return {CopyFailure::DestinationReadOnly};
    if (set & FILE_ATTRIBUTE_HIDDEN)
        return {CopyFailure::DestinationHidden};
    return {};
}

void Discard(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); // the copy took the source's attributes
    DeleteFileW(path.c_str());
}

WrittenCopyHook g_writtenCopyHook = nullptr;

// Copies the source to the temporary file, read back and compared with the
// source when asked: a copy that differs is made once more (a passing fault of
// the device or the share), and a second that differs too is refused.
CopyResult WriteTemporary(const CopyTask& task, const std::wstring& temporary)
{
    for (int attempt = 0;; ++attempt) {
        if (!CopyFileW(task.source.c_str(), temporary.c_str(), attempt > 0 ? FALSE : TRUE))
            return {CopyFailure::Other, GetLastError()};
        if (g_writtenCopyHook)
            g_writtenCopyHook(temporary);
        if (!task.verify)
            return {};
        ContentsCheck check = CompareContents(task.source, temporary, SecondRead::FromDevice);
        if (check.result == Contents::Equal)
            return {};
        if (check.result == Contents::Unreadable)
            return {CopyFailure::Other, check.error};
        if (attempt > 0)
            return {CopyFailure::NotVerified};
        // The copy took the source's attributes: a read-only one must be writable to be made again.
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Copies into one folder before it pays to give them a folder of their own.
constexpr unsigned kCopiesBeforeOwnFolder = 16;

} // namespace

TemporaryFolders::TemporaryFolders() : m_ownFolders(RunningUnderWine()) {}

TemporaryFolders::~TemporaryFolders()
{
    for (const auto& [key, place] : m_places)
        if (!place.own.empty())
            RemoveTemporaryFolder(place.own);
}

std::wstring TemporaryFolders::NameFor(const std::wstring& destination)
{
    std::wstring folder = FolderOfFile(destination);
    std::lock_guard lock(m_mutex);
    std::wstring name = TemporaryFileName(++m_serial);
    if (!m_ownFolders)
        return folder + L"\\" + name;
    Place& place = m_places[CaseFolded(folder)];
    if (++place.copies == kCopiesBeforeOwnFolder) {
        // A folder of that name that this process did not make is left alone.
        std::wstring own = folder + L"\\" + TemporaryFolderName();
        if (CreateDirectoryW(own.c_str(), nullptr)) {
            SetFileAttributesW(own.c_str(), FILE_ATTRIBUTE_HIDDEN);
            place.own = own;
        }
    }
    return (place.own.empty() ? folder : place.own) + L"\\" + name;
}

CopyResult FailureOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return {CopyFailure::SourceMissing, error};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return {CopyFailure::SourceInUse, error};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {CopyFailure::DiskFull, error};
    case ERROR_ACCESS_DENIED:
        return {CopyFailure::AccessDenied, error};
    case ERROR_PATH_NOT_FOUND:
        return {CopyFailure::FolderNotCreated, error};
    default:
        return {CopyFailure::Other, error};
    }
}

std::string ReasonText(const CopyResult& result)
{
    switch (result.failure) {
    case CopyFailure::None:
        return "";
    case CopyFailure::SourceMissing:
        return "コピー元のファイルがありません（リスト作成後に削除または移動されました）";
    case CopyFailure::SourceInUse:
        return "コピー元のファイルが他のプログラムで使用中です";
    case CopyFailure::DestinationReadOnly:
        return "コピー先が読み取り専用です（コピー元は読み取り専用ではないため、保護されたファイルとして残しました）";
    case CopyFailure::DestinationHidden:
        return "コピー先が隠しファイルです（コピー元は隠しファイルではないため、保護されたファイルとして残しました）";
    case CopyFailure::DestinationNewer:
        return "コピー先がリスト作成後に更新され、コピー元より新しくなっています";
    case CopyFailure::DestinationChanged:
        return "コピー先がリスト作成後に変更されたため、選んだコピーはしませんでした";
    case CopyFailure::Conflict:
        return "競合: 両方のファイルが同じ日時でサイズが異なります（どちらが新しいか決められないため、コピーしません。"
               "コピーする向きは、リストの行の右クリックメニュー、またはコマンドラインの --conflict で選べます）";
    case CopyFailure::ContentConflict:
        return "競合: 両方のファイルが同じ日時・同じサイズで内容が異なります（どちらが新しいか決められないため、コピーしません。"
               "コピーする向きは、リストの行の右クリックメニュー、またはコマンドラインの --conflict で選べます）";
    case CopyFailure::DestinationIsFolder:
        return "コピー先に同じ名前のフォルダがあります";
    case CopyFailure::FolderNotCreated:
        return "コピー先のフォルダを作成できません: " + SystemMessage(result.error);
    case CopyFailure::DiskFull:
        return "コピー先のディスクの空き容量が足りません";
    case CopyFailure::AccessDenied:
        return "アクセスが拒否されました";
    case CopyFailure::NotRecycled:
        return "コピー先の古いファイルをごみ箱に移せませんでした（コピー先はそのまま残しました）";
    case CopyFailure::NotVerified:
        return "コピー後に読み直した内容がコピー元と一致しませんでした（2回とも。コピー先はそのまま残しました）";
    case CopyFailure::NotPlacedAfterBin:
        return "新しいファイルを置けませんでした（古いファイルはごみ箱にあり、そこから元に戻せます）: "
            + SystemMessage(result.error);
    case CopyFailure::Other:
        break;
    }
    return SystemMessage(result.error);
}

void SetWrittenCopyHook(WrittenCopyHook hook)
{
    g_writtenCopyHook = hook;
}

bool CopiedAlready(const std::wstring& source, const std::wstring& destination)
{
    WIN32_FILE_ATTRIBUTE_DATA from, to;
    return GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from)
        && GetFileAttributesExW(destination.c_str(), GetFileExInfoStandard, &to)
        && !(to.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && from.nFileSizeHigh == to.nFileSizeHigh
        && from.nFileSizeLow == to.nFileSizeLow && CompareFileTime(&from.ftLastWriteTime, &to.ftLastWriteTime) == 0;
}

CopyResult CopyFileSafely(const CopyTask& task, TemporaryFolders& temporaries)
{
    const std::wstring &source = task.source, &destination = task.destination;
    // The source's times matter only against an existing destination; for a new
    // file the copy itself finds a missing source. Each question asked of the
    // file system is a round trip, the cost that dominates small files.
    WIN32_FILE_ATTRIBUTE_DATA from, to;
    bool replacing = !task.expectNew && GetFileAttributesExW(destination.c_str(), GetFileExInfoStandard, &to);
    if (replacing) {
        if (!GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from)) {
            DWORD error = GetLastError();
            return error == ERROR_PATH_NOT_FOUND ? CopyResult{CopyFailure::SourceMissing, error} : FailureOf(error);
        }
        if (CopyResult refusal = MayReplace(from, to, task); !refusal.Copied())
            return refusal;
    }

    std::wstring temporary = temporaries.NameFor(destination);
    if (CopyResult written = WriteTemporary(task, temporary); !written.Copied()) {
        DWORD error = written.error;
        if (error != ERROR_FILE_EXISTS) // never remove a file that was there before
            Discard(temporary);
        if (written.failure == CopyFailure::NotVerified)
            return written;
        // "Vanished" only for a source that is really gone; any other reason as the system gives it.
        if (GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
            DWORD asked = GetLastError();
            if (asked == ERROR_FILE_NOT_FOUND || asked == ERROR_PATH_NOT_FOUND)
                return {CopyFailure::SourceMissing, error};
        }
        return error == ERROR_FILE_NOT_FOUND ? CopyResult{CopyFailure::Other, error} : FailureOf(error);
    }
    // The old version goes to the bin only now that the new one is complete
    // on the destination's drive, and with its attributes, so that it comes
    // back from there as it was; should it not go, the destination stays as it was.
    CopyResult done;
    if (replacing && task.old == OldVersion::Recycle) {
        switch (MoveToRecycleBin(destination)) {
        case BinOutcome::Moved:
            if (!MoveFileExW(temporary.c_str(), destination.c_str(), 0)) {
                DWORD error = GetLastError();
                Discard(temporary);
                return {CopyFailure::NotPlacedAfterBin, error};
            }
            return {};
        case BinOutcome::Failed:
            Discard(temporary);
            return {CopyFailure::NotRecycled};
        case BinOutcome::NoBin:
            done.noBin = true; // replaced as without the bin, and said so
            break;
        }
    }
    // The rename cannot replace a read-only or hidden file: one that may be
    // replaced loses those attributes first, and gets them back if it stays.
    // A new file never replaces one that appeared meanwhile.
    bool unprotected = replacing && (to.dwFileAttributes & kProtection)
        && SetFileAttributesW(destination.c_str(), to.dwFileAttributes & ~kProtection);
    // A copy that does not take place leaves the destination as it found it.
    auto leaveAsItWas = [&] {
        Discard(temporary);
        if (unprotected)
            SetFileAttributesW(destination.c_str(), to.dwFileAttributes);
    };
    if (!MoveFileExW(temporary.c_str(), destination.c_str(), replacing ? MOVEFILE_REPLACE_EXISTING : 0)) {
        DWORD error = GetLastError();
        leaveAsItWas();
        if ((error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) && task.expectNew) {
            CopyTask again = task; // it appeared since the list was made
            again.expectNew = false;
            return CopyFileSafely(again, temporaries);
        }
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            return {CopyFailure::DestinationNewer, error};
        return error == ERROR_FILE_NOT_FOUND ? CopyResult{CopyFailure::Other, error} : FailureOf(error);
    }
    return done;
}
