#include "engine/time_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

std::int64_t Ticks(const FILETIME& time)
{
    return (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(std::int64_t ticks)
{
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32)};
}

char* PutDigits(char* out, unsigned value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// One field cut at a fixed position, as atoi of its characters.
int Field(const char* text, std::size_t at, std::size_t length)
{
    char buffer[5] = {};
    if (std::strlen(text) > at)
        std::strncpy(buffer, text + at, length);
    return std::atoi(buffer);
}

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;

} // namespace

std::int64_t WholeSeconds(const FILETIME& time)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(Ticks(time)) / kTicksPerSecond);
}

LocalTimeFormatter::LocalTimeFormatter()
{
    // The bias FileTimeToLocalFileTime applies is the one in force now, whatever the
    // file's date; asking once spares a system call per file.
    FILETIME now, local;
    GetSystemTimeAsFileTime(&now);
    FileTimeToLocalFileTime(&now, &local);
    m_bias = Ticks(local) - Ticks(now);
}

void LocalTimeFormatter::Format(const FILETIME& utc, std::array<char, kTimeTextLength + 1>& text) const
{
    std::int64_t ticks = Ticks(utc) + m_bias;
    if (ticks < 0)
        ticks = 0;
    FILETIME local = FromTicks(ticks);
    SYSTEMTIME st{};
    FileTimeToSystemTime(&local, &st);
    if (st.wYear >= 1000 && st.wYear <= 9999) {
        char* p = PutDigits(text.data(), st.wYear, 4);
        *p++ = '/';
        p = PutDigits(p, st.wMonth, 2);
        *p++ = '/';
        p = PutDigits(p, st.wDay, 2);
        *p++ = ' ';
        p = PutDigits(p, st.wHour, 2);
        *p++ = ':';
        p = PutDigits(p, st.wMinute, 2);
        *p++ = ':';
        p = PutDigits(p, st.wSecond, 2);
        *p = '\0';
    } else {
        // Years of other widths keep the plain "%d" year; cut to the field's size.
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%d/%02d/%02d %02d:%02d:%02d", st.wYear, st.wMonth, st.wDay, st.wHour,
                      st.wMinute, st.wSecond);
        std::memcpy(text.data(), buffer, kTimeTextLength);
        text[kTimeTextLength] = '\0';
    }
}

bool ParseTimeText(const char* text, std::int64_t& seconds)
{
    std::tm fields{};
    fields.tm_year = Field(text, 0, 4) - 1900;
    fields.tm_mon = Field(text, 5, 2) - 1;
    fields.tm_mday = Field(text, 8, 2);
    fields.tm_hour = Field(text, 11, 2);
    fields.tm_min = Field(text, 14, 2);
    fields.tm_sec = Field(text, 17, 2);
    fields.tm_isdst = -1;
    std::time_t converted = std::mktime(&fields);
    if (converted != static_cast<std::time_t>(-1)) {
        seconds = converted;
        return true;
    }
    // Outside the C runtime's range: the platform's calendar covers 1601 to 30827.
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(Field(text, 0, 4));
    st.wMonth = static_cast<WORD>(Field(text, 5, 2));
    st.wDay = static_cast<WORD>(Field(text, 8, 2));
    st.wHour = static_cast<WORD>(Field(text, 11, 2));
    st.wMinute = static_cast<WORD>(Field(text, 14, 2));
    st.wSecond = static_cast<WORD>(Field(text, 17, 2));
    FILETIME local, utc;
    if (!SystemTimeToFileTime(&st, &local) || !LocalFileTimeToFileTime(&local, &utc)) {
        seconds = -1;
        return false;
    }
    seconds = Ticks(utc) / kTicksPerSecond - kSecondsFrom1601To1970;
    return true;
}
