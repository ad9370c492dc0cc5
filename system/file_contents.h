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
    DWORD error = 0;             // why a file could not be read
    std::uint64_t compared = 0;  // the bytes found equal before the end or the first difference
};

// What a comparison reports as it reads: the bytes compared so far (of one
// file of each pair), and a flag that stops it between two reads.
struct ContentsProgress {
    std::atomic<std::uint64_t> compared{0};
    std::atomic<bool> stop{false};
};

// Compares the files (wide "\\?\" paths). A stopped comparison is Unreadable
// with ERROR_CANCELLED.
ContentsCheck CompareContents(const std::wstring& first, const std::wstring& second, SecondRead how,
                              ContentsProgress* progress = nullptr);
