// Splitting a path at its last "\", stepping over double-byte characters
// (the second byte of "表" is 0x5C and is not a separator).
#pragma once
#include <string>

// The path up to and including its last "\"; empty when there is none.
std::string FolderPart(const std::string& path);
// The rest after the last "\"; the whole path when there is none.
std::string NamePart(const std::string& path);
