// The check made when a favourite is recalled: both folders end with "\" and
// exist, or the user is told which is missing.
#pragma once
#include <string>

// The text with a "\" appended unless empty or already ending with one. The
// last character is looked at, not the last byte: 表 (95 5C) ends in a byte
// that is a backslash but is no separator.
std::string EnsureTrailingBackslash(const std::string& text);

// True when the path names an existing folder; an empty path exists not.
bool FolderExists(const std::string& path);

// The notice for the folders' existence, or "" when both exist.
std::string NoticeTextFor(bool baseExists, bool targetExists);
