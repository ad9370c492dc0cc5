// A base and a target folder of which one lies inside the other: with
// subfolders searched, every sync would copy the tree into itself once more.
#pragma once
#include <string>

enum class Nesting { None, TargetInsideBase, BaseInsideTarget };

// Compares the folders as the file system resolves them: links followed,
// letter case, "." and ".." and other spellings aside. The same folder twice
// is not nesting: every file is simply the same.
Nesting NestingOf(const std::string& baseFolder, const std::string& targetFolder);

// The window's message for a nested pair.
std::string NestingMessage(Nesting nesting);
