// Whether two files hold the same bytes, read side by side and stopped at the
// first difference.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

enum class Contents { Equal, Different, Unreadable };

// How the second file is read: through the system's cache as usual, or from
// the device, past the cache, where Windows allows it (a copy just written is
// then read as the disk holds it, not as the cache remembers it).
enum class SecondRead { Cached, FromDevice };

struct ContentsCheck {
    Contents result = Contents::Unreadable;
    DWORD error = 0; // why a file could not be read
};

// Compares the files (wide "\\?\" paths). The bytes compared so far are added
// to compared, when given, as the reading goes on.
ContentsCheck CompareContents(const std::wstring& first, const std::wstring& second, SecondRead how,
                              std::atomic<std::uint64_t>* compared = nullptr);
