#include "system/stored_name.h"

#include "system/path_text.h"

#include <windows.h>

namespace {

constexpr unsigned char kEscape = 0xFF;
constexpr unsigned char kDigitBase = 0xA0; // six bits per byte: 0xA0 to 0xDF
constexpr int kEscapeLength = 5;
constexpr UINT kShiftJis = 932;  // the code page of every stored name, whatever the system's

void AppendEscape(std::string& out, char32_t codePoint)
{
    out += static_cast<char>(kEscape);
    for (int shift = 18; shift >= 0; shift -= 6)
        out += static_cast<char>(kDigitBase + ((codePoint >> shift) & 0x3F));
}

bool IsEscapeAt(std::string_view s, std::size_t i)
{
    if (static_cast<unsigned char>(s[i]) != kEscape || i + kEscapeLength > s.size())
        return false;
    for (int k = 1; k < kEscapeLength; ++k) {
        unsigned char c = static_cast<unsigned char>(s[i + k]);
        if (c < kDigitBase || c > kDigitBase + 0x3F)
            return false;
    }
    return true;
}

char32_t EscapedCodePoint(std::string_view s, std::size_t i)
{
    char32_t value = 0;
    for (int k = 1; k < kEscapeLength; ++k)
        value = (value << 6) | (static_cast<unsigned char>(s[i + k]) - kDigitBase);
    return value;
}

void AppendUtf16(std::wstring& out, char32_t codePoint)
{
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
        out += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
    } else {
        out += static_cast<wchar_t>(codePoint);
    }
}

std::wstring WideFromCodePage(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// A name that converts without a default character may still hold a byte the
// escape reserves (a private-use character mapped to 0xFF), and a conversion
// is trusted only when it converts back to the very same characters.
bool ConvertsExactly(std::wstring_view wide, std::string& text)
{
    BOOL usedDefault = FALSE;
    const int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr,
                                     &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, nullptr,
                        &usedDefault);
    if (usedDefault || bytes.find(static_cast<char>(kEscape)) != std::string::npos
        || WideFromCodePage(kShiftJis, bytes) != wide)
        return false;
    text = std::move(bytes);
    return true;
}

bool IsAscii(std::wstring_view wide)
{
    for (wchar_t c : wide)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

std::string StoredFromWide(std::wstring_view wide)
{
    std::string out;
    AppendStored(out, wide);
    return out;
}

void AppendStored(std::string& out, std::wstring_view wide)
{
    if (IsAscii(wide)) {
        for (wchar_t c : wide)
            out += static_cast<char>(c);
        return;
    }
    std::string whole;
    if (ConvertsExactly(wide, whole)) {
        out += whole;
        return;
    }
    // Character by character: what Shift-JIS writes exactly stays Shift-JIS.
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::size_t units = 1;
        char32_t codePoint = wide[i];
        if (codePoint >= 0xD800 && codePoint < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00
            && wide[i + 1] < 0xE000) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            units = 2;
        }
        std::string bytes;
        if (units == 1 && ConvertsExactly(wide.substr(i, 1), bytes))
            out += bytes;
        else
            AppendEscape(out, codePoint);
        i += units - 1;
    }
}

std::wstring WideFromStored(std::string_view stored)
{
    std::wstring out;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < stored.size();) {
        if (IsEscapeAt(stored, i)) {
            out += WideFromCodePage(kShiftJis, stored.substr(runStart, i - runStart));
            AppendUtf16(out, EscapedCodePoint(stored, i));
            i += kEscapeLength;
            runStart = i;
        } else {
            i += (IsLeadByte(static_cast<unsigned char>(stored[i])) && i + 1 < stored.size()) ? 2 : 1;
        }
    }
    out += WideFromCodePage(kShiftJis, stored.substr(runStart));
    return out;
}

std::string PrintableStored(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size();) {
        if (IsEscapeAt(stored, i)) {
            out += '?';
            i += kEscapeLength;
        } else {
            out += stored[i++];
        }
    }
    return out;
}

std::string Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                     nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr, nullptr);
    return out;
}

bool ExactShiftJis(std::wstring_view wide, std::string& text)
{
    if (wide.empty()) {
        text.clear();
        return true;
    }
    return ConvertsExactly(wide, text);
}
