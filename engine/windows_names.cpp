#include "engine/windows_names.h"

#include <array>

namespace {

// Asked of every character of every name the scanner meets: a table.
bool IsForbiddenCharacter(wchar_t c)
{
    static const std::array<bool, 0x80> forbidden = [] {
        std::array<bool, 0x80> table{};
        for (wchar_t control = 0; control < 0x20; ++control)
            table[control] = true;
        for (wchar_t special : std::wstring_view(L"\\/:*?\"<>|"))
            table[special] = true;
        return table;
    }();
    return c < 0x80 && forbidden[c];
}

wchar_t Upper(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 0x20) : c;
}

bool SameLetters(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

// "CON", "nul.txt", "Com1.log": the device names, with any extension.
bool IsReservedName(std::wstring_view name)
{
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ')
        stem.remove_suffix(1);
    static constexpr std::array<std::wstring_view, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (std::wstring_view device : kDevices)
        if (SameLetters(stem, device))
            return true;
    return stem.size() == 4 && (SameLetters(stem.substr(0, 3), L"COM") || SameLetters(stem.substr(0, 3), L"LPT"))
        && stem[3] >= L'1' && stem[3] <= L'9';
}

} // namespace

const char* UnusableNameReason(std::wstring_view name)
{
    for (wchar_t c : name)
        if (IsForbiddenCharacter(c))
            return "Windows の名前に使えない文字（\\ / : * ? \" < > | や制御文字）を含むため、読み込みもコピーもしません";
    if (IsReservedName(name))
        return "Windows が装置に予約している名前（CON、NUL、COM1 など）のため、読み込みもコピーもしません";
    return nullptr;
}
