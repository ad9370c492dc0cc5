// Names below the two chosen folders as the tables keep them: the Shift-JIS
// bytes of the name wherever Shift-JIS can write it exactly, and for each
// character it cannot write (an accented letter, Hangul, an emoji, a kanji
// outside the code page) a five-byte escape: 0xFF, then the code point in four
// bytes of six bits each, 0xA0 to 0xDF.
//
// The form is exact both ways, so nothing is ever best-fitted ("café" never
// becomes "cafe"), and it keeps every rule that works on Shift-JIS bytes:
// 0xFF is never a Shift-JIS byte and the escape's bytes are neither lead bytes,
// "\" nor A-Z, so separators, pairing and hashing see it as plain characters;
// in byte order an escaped character sorts after every Shift-JIS character,
// and escaped characters among themselves by code point.
#pragma once
#include <string>
#include <string_view>

// The stored form of a name or path from the file system.
std::string StoredFromWide(std::wstring_view wide);
// The same, appended to out (no string of its own: the scanner's hot path).
void AppendStored(std::string& out, std::wstring_view wide);
// The file system's name or path for a stored form (plain Shift-JIS included).
std::wstring WideFromStored(std::string_view stored);
// For Shift-JIS output (a console, a message in the code page): every escaped
// character becomes "?".
std::string PrintableStored(std::string_view stored);

// UTF-8, for output meant to carry every character.
std::string Utf8FromWide(std::wstring_view wide);

// The Shift-JIS text of a path when the code page writes it exactly; false
// (and nothing written) when it does not. Folder fields take only such paths.
bool ExactShiftJis(std::wstring_view wide, std::string& text);
