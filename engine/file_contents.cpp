#include "engine/file_contents.h"

#include <cstring>
#include <memory>

namespace {

// Large reads keep the number of calls small; a multiple of every sector size,
// as reads past the cache require.
constexpr DWORD kChunk = 1 << 20;

// A buffer on a page boundary, as reads past the cache require.
struct PageBuffer {
    PageBuffer() : data(static_cast<char*>(VirtualAlloc(nullptr, kChunk, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~PageBuffer()
    {
        if (data)
            VirtualFree(data, 0, MEM_RELEASE);
    }
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;
    char* data;
};

class ReadingFile {
public:
    ReadingFile(const std::wstring& path, bool pastTheCache)
    {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        if (pastTheCache) // some file systems (network shares) refuse it: then as usual
            m_handle = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (m_handle == INVALID_HANDLE_VALUE)
            m_handle = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        m_error = m_handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    }
    ~ReadingFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    ReadingFile(const ReadingFile&) = delete;
    ReadingFile& operator=(const ReadingFile&) = delete;

    DWORD Error() const { return m_error; }

    // Fills the buffer as far as the file goes; false on a read that fails.
    bool Read(char* buffer, DWORD& got)
    {
        got = 0;
        while (got < kChunk) {
            DWORD now = 0;
            if (!ReadFile(m_handle, buffer + got, kChunk - got, &now, nullptr)) {
                m_error = GetLastError();
                return false;
            }
            if (now == 0)
                break;
            got += now;
            if (got % 4096 != 0) // a read past the cache ends on the file's last, partial sector
                break;
        }
        return true;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    DWORD m_error = 0;
};

} // namespace

ContentsCheck CompareContents(const std::wstring& first, const std::wstring& second, SecondRead how,
                              ContentsProgress* progress)
{
    ReadingFile a(first, false), b(second, how == SecondRead::FromDevice);
    if (a.Error() || b.Error())
        return {Contents::Unreadable, a.Error() ? a.Error() : b.Error()};
    // Each thread keeps its buffers: a comparison of small files would
    // otherwise spend more on getting and returning them than on reading.
    thread_local PageBuffer bufferA, bufferB;
    if (!bufferA.data || !bufferB.data)
        return {Contents::Unreadable, ERROR_NOT_ENOUGH_MEMORY};
    for (;;) {
        if (progress && progress->stop)
            return {Contents::Unreadable, ERROR_CANCELLED};
        DWORD gotA = 0, gotB = 0;
        if (!a.Read(bufferA.data, gotA) || !b.Read(bufferB.data, gotB))
            return {Contents::Unreadable, a.Error() ? a.Error() : b.Error()};
        if (gotA != gotB || std::memcmp(bufferA.data, bufferB.data, gotA) != 0)
            return {Contents::Different};
        if (progress)
            progress->compared += gotA;
        // A short read is the end of both files (and a read past the cache
        // must not start again from the unaligned end).
        if (gotA < kChunk)
            return {Contents::Equal};
    }
}
