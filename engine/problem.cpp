#include "engine/problem.h"

#include "system/stored_name.h"

#include <cstdio>

std::string SystemMessage(DWORD error)
{
    // Asked in UTF-16 and kept in the stored form: the ANSI text follows the
    // system's code page, while every text here is Shift-JIS.
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                      | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length ? StoredFromWide(std::wstring_view(buffer, length)) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    char code[32];
    std::snprintf(code, sizeof code, "(エラー %lu)", error);
    return text.empty() ? code : text + " " + code;
}

std::string MessageOf(const Problem& problem)
{
    return problem.reason + "\n" + PrintableStored(problem.path);
}

std::string MessageOf(const Problems& problems)
{
    std::string text;
    for (const Problem& problem : problems)
        text += (text.empty() ? "" : "\n\n") + MessageOf(problem);
    return text;
}
