#include "system/path_text.h"

#include <windows.h>

#include <array>

namespace {

// Stored names are Shift-JIS whatever the system's code page: asking for code
// page 932 by name keeps "\" and case rules the same on every system. Asked
// once per byte value, the per-character walk stays cheap.
const std::array<bool, 256>& LeadByteTable()
{
    static const std::array<bool, 256> table = [] {
        constexpr UINT kShiftJis = 932;
        std::array<bool, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = IsDBCSLeadByteEx(kShiftJis, static_cast<BYTE>(b)) != 0;
        return t;
    }();
    return table;
}

unsigned char Lowered(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c;
}

} // namespace

bool IsLeadByte(unsigned char byte)
{
    return LeadByteTable()[byte];
}

std::size_t LastBackslash(std::string_view path)
{
    const auto& lead = LeadByteTable();
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (lead[c] && i + 1 < path.size())
            ++i;
        else if (c == '\\')
            last = i;
    }
    return last;
}

std::string FolderPart(const std::string& path)
{
    std::size_t last = LastBackslash(path);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

bool EndsWithBackslash(std::string_view folder)
{
    return !folder.empty() && LastBackslash(folder) == folder.size() - 1;
}

std::string WithTrailingBackslash(std::string folder)
{
    if (!folder.empty() && !EndsWithBackslash(folder))
        folder += '\\';
    return folder;
}

bool SamePathIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    const auto& lead = LeadByteTable();
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (lead[ca] && i + 1 < a.size()) {
            // Equal so far, so both strings have a character boundary here.
            if (ca != cb || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (Lowered(ca) != Lowered(cb)) {
            return false;
        }
    }
    return true;
}

std::size_t FoldedPathHash(std::string_view path)
{
    const auto& lead = LeadByteTable();
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char c) { hash = (hash ^ c) * 1099511628211ull; };
    for (std::size_t i = 0; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (lead[c] && i + 1 < path.size()) {
            mix(c);
            mix(static_cast<unsigned char>(path[++i]));
        } else {
            mix(Lowered(c));
        }
    }
    return static_cast<std::size_t>(hash);
}

std::string_view WithoutBlanksAround(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}
