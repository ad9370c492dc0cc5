// Last-write times as the list shows them ("2010/03/05 14:07:09", local time)
// and back to seconds for the two-second rule.
#pragma once
#include "engine/file_entry.h"

#include <windows.h>

#include <cstdint>

// Turns file times (UTC) into local time texts with the time-zone bias in force
// when the converter is made, so both trees of one build are converted alike.
class LocalTimeFormatter {
public:
    LocalTimeFormatter();
    void Format(const FILETIME& utc, std::array<char, kTimeTextLength + 1>& text) const;

private:
    std::int64_t m_bias; // local minus UTC, in 100 ns units
};

// Whole seconds since 1601 of a file time, for comparing times.
std::int64_t WholeSeconds(const FILETIME& time);

// Seconds of a time text as a calendar time; false when the text names no time
// at all. Times the C runtime cannot take (before 1970, 1601/01/01 of a zero file
// time) go through the platform's own calendar, so no valid text fails.
bool ParseTimeText(const char* text, std::int64_t& seconds);
