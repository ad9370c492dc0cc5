#include "system/handle_io.h"

#include <algorithm>
#include <system_error>

bool WriteAll(HANDLE handle, const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    for (std::size_t at = 0; at < size;) {
        DWORD wrote = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - at, 1 << 20));
        if (!WriteFile(handle, bytes + at, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        at += wrote;
    }
    return true;
}

std::string ReadToEnd(HANDLE handle)
{
    std::string data;
    char buffer[1 << 16];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0)
        data.append(buffer, got);
    return data;
}

UniqueHandle NewEvent(bool manualReset, bool signalled)
{
    UniqueHandle event(CreateEventW(nullptr, manualReset, signalled, nullptr));
    if (!event)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateEventW");
    return event;
}
