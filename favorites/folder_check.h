// The check made when a favourite is recalled: whether each folder exists, and
// the notice that tells the user which is missing.
#pragma once
#include <string>

// True when the path names an existing folder; an empty path exists not.
bool FolderExists(const std::string& path);

// The notice for the folders' existence, or "" when both exist.
std::string NoticeTextFor(bool baseExists, bool targetExists);
