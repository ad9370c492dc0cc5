#include "system/file_contents.h"

#include "system/unique_handle.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Large reads keep the number of calls small; a multiple of every sector size,
// as reads past the cache require.
constexpr DWORD kChunk = 1 << 20;
constexpr DWORD kSector = 4096; // at least any sector, and a page

// A buffer on a page boundary, as reads past the cache require, no larger
// than the file needs: most files are small, and a large allocation costs a
// round trip to the system each time.
class ReadBuffer {
public:
    explicit ReadBuffer(DWORD size) : m_storage(new (std::nothrow) char[size + kSector]), m_size(size)
    {
        auto at = reinterpret_cast<std::uintptr_t>(m_storage.get());
        m_data = m_storage ? reinterpret_cast<char*>((at + kSector - 1) & ~std::uintptr_t{kSector - 1}) : nullptr;
    }
    char* Data() const { return m_data; }
    DWORD Size() const { return m_size; }

private:
    std::unique_ptr<char[]> m_storage;
    char* m_data = nullptr;
    DWORD m_size;
};

class ReadingFile {
public:
    ReadingFile(const std::wstring& path, bool pastTheCache)
    {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        if (pastTheCache) // some file systems (network shares) refuse it: then as usual
            m_handle.reset(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!m_handle)
            m_handle.reset(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        m_error = m_handle ? 0 : GetLastError();
    }

    DWORD Error() const { return m_error; }

    // The size of a read that takes the whole file at once, up to a chunk.
    DWORD ReadSize() const
    {
        LARGE_INTEGER size{};
        GetFileSizeEx(m_handle.get(), &size);
        std::uint64_t whole = (static_cast<std::uint64_t>(size.QuadPart) / kSector + 1) * kSector;
        return static_cast<DWORD>(std::min<std::uint64_t>(whole, kChunk));
    }

    // Fills the buffer as far as the file goes; false on a read that fails.
    bool Read(const ReadBuffer& buffer, DWORD& got)
    {
        got = 0;
        while (got < buffer.Size()) {
            DWORD now = 0;
            if (!ReadFile(m_handle.get(), buffer.Data() + got, buffer.Size() - got, &now, nullptr)) {
                m_error = GetLastError();
                return false;
            }
            if (now == 0)
                break;
            got += now;
            if (got % kSector != 0) // a read past the cache ends on the file's last, partial sector
                break;
        }
        return true;
    }

private:
    UniqueHandle m_handle;
    DWORD m_error = 0;
};

} // namespace

ContentsCheck CompareContents(const std::wstring& first, const std::wstring& second, SecondRead how,
                              ContentsProgress* progress)
{
    ReadingFile a(first, false), b(second, how == SecondRead::FromDevice);
    if (a.Error() || b.Error())
        return {Contents::Unreadable, a.Error() ? a.Error() : b.Error()};
    ContentsCheck check;
    ReadBuffer bufferA(a.ReadSize()), bufferB(bufferA.Size());
    if (!bufferA.Data() || !bufferB.Data())
        return {Contents::Unreadable, ERROR_NOT_ENOUGH_MEMORY};
    for (;;) {
        if (progress && progress->stop)
            return {Contents::Unreadable, ERROR_CANCELLED, check.compared};
        DWORD gotA = 0, gotB = 0;
        if (!a.Read(bufferA, gotA) || !b.Read(bufferB, gotB))
            return {Contents::Unreadable, a.Error() ? a.Error() : b.Error(), check.compared};
        if (gotA != gotB || std::memcmp(bufferA.Data(), bufferB.Data(), gotA) != 0)
            return {Contents::Different, 0, check.compared};
        check.compared += gotA;
        if (progress)
            progress->compared += gotA;
        // A short read is the end of both files (and a read past the cache
        // must not start again from the unaligned end).
        if (gotA < bufferA.Size()) {
            check.result = Contents::Equal;
            return check;
        }
    }
}
