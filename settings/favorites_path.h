// Where the favourites file is: the setting holds either an absolute path or
// one relative to the program folder, written ".\rest".
#pragma once
#include <string>

// The file named by the setting: ".\rest" is the program folder followed by
// rest, anything else is used unchanged. moduleFolder ends with "\".
std::string ResolveFavoritesPath(const std::string& favPath, const std::string& moduleFolder);

// The form in which the setting is stored: relative to the program folder when
// the file is on the program's drive (".\data\x.bdt", ".\..\x.bdt"), so that the
// program folder can move with its favourites; absolute on another drive.
// ResolveFavoritesPath of the result names the same file.
std::string StoredFavoritesPath(const std::string& favPath, const std::string& moduleFolder);
