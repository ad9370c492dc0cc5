#include "cli/output.h"

#include "system/stored_name.h"

#include <windows.h>

namespace {

// The console behind standard output or error, or none when it goes to a file
// or a pipe. Asked once per stream: a list writes a line per row.
HANDLE ConsoleOf(std::FILE* stream)
{
    auto console = [](DWORD which) {
        HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        return GetConsoleMode(handle, &mode) ? handle : nullptr;
    };
    static const HANDLE out = console(STD_OUTPUT_HANDLE), err = console(STD_ERROR_HANDLE);
    return stream == stdout ? out : err;
}

} // namespace

void Output::Write(std::FILE* stream, const std::string& text) const
{
    // Texts may hold stored names. A console is written in UTF-16, so that it
    // shows every character whatever its code page; a file or pipe gets UTF-8,
    // which carries their true characters, or Shift-JIS, which shows "?" for
    // those it cannot write.
    if (HANDLE console = ConsoleOf(stream)) {
        std::fflush(stream);
        const std::wstring wide = WideFromStored(text);
        DWORD written = 0;
        WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string& bytes = m_utf8 ? Utf8FromWide(WideFromStored(text)) : PrintableStored(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}
