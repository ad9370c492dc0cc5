#include "engine/handle_io.h"

#include <algorithm>

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

bool ReadExactly(HANDLE handle, void* data, std::size_t size)
{
    char* into = static_cast<char*>(data);
    for (std::size_t at = 0; at < size;) {
        DWORD got = 0;
        if (!ReadFile(handle, into + at, static_cast<DWORD>(size - at), &got, nullptr) || got == 0)
            return false;
        at += got;
    }
    return true;
}
