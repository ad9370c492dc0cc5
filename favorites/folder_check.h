// The check made when a favourite is recalled: both folders end with "\" and
// exist, or the user is told which is missing.
#pragma once
#include <string>

// True when the path names an existing folder; an empty path exists not.
bool FolderExists(const std::string& path);

// The notice for the folders' existence, or "" when both exist.
std::string NoticeTextFor(bool baseExists, bool targetExists);
