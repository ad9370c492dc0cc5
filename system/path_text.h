// Byte-level helpers for paths in Shift-JIS (code page 932, whatever the
// system's code page). The second
// byte of a double-byte character may be 0x5C ("表" is 95 5C), so every search
// for "\" walks character by character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte character of Shift-JIS.
bool IsLeadByte(unsigned char byte);

// Position of the last "\" that is a character of its own; npos when none.
std::size_t LastBackslash(std::string_view path);
// The path up to and including its last "\"; empty when there is none.
std::string FolderPart(const std::string& path);

bool EndsWithBackslash(std::string_view folder);
// The folder text with a final "\" added when it lacks one; an empty text stays empty.
std::string WithTrailingBackslash(std::string folder);

// Path equality as matching sees it: A to Z count as a to z where they stand as
// characters of their own (never as the second byte of a double-byte character).
bool SamePathIgnoringCase(std::string_view a, std::string_view b);
// A hash that agrees with SamePathIgnoringCase.
std::size_t FoldedPathHash(std::string_view path);

// The text without the spaces and tabs around it (and a final "\r" of a CRLF
// line); none of them is ever the second byte of a double-byte character.
std::string_view WithoutBlanksAround(std::string_view text);
