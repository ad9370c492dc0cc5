#include "sync/recycle_bin.h"

#include <shellapi.h>

#include <mutex>

namespace {

// The shell takes plain paths: "\\?\C:\x" becomes "C:\x", "\\?\UNC\s\x" "\\s\x".
std::wstring ShellPath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path.substr(4);
    return path;
}

// "C:\" or "\\server\share\": the drive whose bin would take the file.
std::wstring RootOf(const std::wstring& path)
{
    if (path.size() >= 3 && path[1] == L':')
        return path.substr(0, 3);
    if (path.rfind(L"\\\\", 0) == 0) {
        std::size_t server = path.find(L'\\', 2);
        std::size_t share = server == std::wstring::npos ? server : path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path + L"\\" : path.substr(0, share + 1);
    }
    return path;
}

// The shell's delete with undo falls back to deleting for good, without a
// word, where it finds no bin: network shares, most removable media, RAM
// disks. Only local fixed drives are trusted to have one. (SHQueryRecycleBin
// is no help: it walks the whole bin, a cost that grows with the bin, and
// under Wine it never returns on a worker thread of a process with windows.)
bool HasRecycleBin(const std::wstring& root)
{
    return GetDriveTypeW(root.c_str()) == DRIVE_FIXED;
}

// The shell keeps state of its own behind the bin (its index, and under Wine
// the desktop trash): one move at a time, in this process and across every
// process making copies. Where the system gives no named mutex, moves are one
// at a time in this process still.
std::mutex g_inProcess;

class BinLock {
public:
    BinLock() : m_inProcess(g_inProcess)
    {
        static const HANDLE shared = CreateMutexW(nullptr, FALSE, L"Local\\Mirvalen.RecycleBin");
        // A process that ended holding it left it abandoned, and owned by this one.
        DWORD waited = shared ? WaitForSingleObject(shared, INFINITE) : WAIT_FAILED;
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
            m_shared = shared;
    }
    ~BinLock()
    {
        if (m_shared)
            ReleaseMutex(m_shared);
    }
    BinLock(const BinLock&) = delete;
    BinLock& operator=(const BinLock&) = delete;

private:
    std::lock_guard<std::mutex> m_inProcess;
    HANDLE m_shared = nullptr;
};

} // namespace

BinOutcome MoveToRecycleBin(const std::wstring& path)
{
    std::wstring plain = ShellPath(path);
    if (plain.size() >= MAX_PATH) // the shell's operations stop at MAX_PATH
        return BinOutcome::NoBin;
    BinLock lock;
    if (!HasRecycleBin(RootOf(plain)))
        return BinOutcome::NoBin;
    std::wstring from = plain;
    from.push_back(L'\0'); // a list of one, ended by a second NUL
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NO_UI;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted)
        return BinOutcome::Failed;
    // Whatever the shell answered, the file must be gone before its place is taken.
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? BinOutcome::Moved : BinOutcome::Failed;
}
