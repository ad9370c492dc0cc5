#include "cli/output.h"

#include <windows.h>

namespace {

std::string ToUtf8(const std::string& text)
{
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

} // namespace

void Output::Write(std::FILE* stream, const std::string& text) const
{
    const std::string& bytes = m_utf8 ? ToUtf8(text) : text;
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}
