// The options of the program, as the settings file holds them. The options
// dialog exchanges these fields directly; the comparison, the list and the
// favourites read them in place.
#pragma once
#include <string>

struct Settings {
    int favFileChanged = 0;  // the options dialog picked another favourites file (not stored)
    int SUBFOLDER = 0;       // 1: subfolders are not searched
    int ROOTFILE = 0;        // 1: files of the root folders are listed first
    int SAMEHIDE = 0;        // 1: identical files are left out of the list
    int DISPTIME = 0;        // milliseconds the folder-not-found notice stays
    std::string FAVPATH;     // favourites file; ".\" at the start means the program folder
    int RECYCLE = 1;         // 1: a replaced file's old version goes to the Recycle Bin
    std::string EXCLUDE;     // name patterns left out of both scans, "|" between them
};

// The settings file beside the program, and the favourites file's name (its
// default folder is the program's too).
inline constexpr const char* SettingsFileName = "Mirvalen.ini";
inline constexpr const char* FavoritesFileName = "Mirvalen.bdt";

// Section and key names of the settings file.
namespace SettingsKeys {
inline constexpr const char* Section = "Mirvalen";
inline constexpr const char* SubFolder = "SUBFOLDER";
inline constexpr const char* RootFile = "ROOTFILE";
inline constexpr const char* SameHide = "SAMEHIDE";
inline constexpr const char* DispTime = "DISPTIME";
inline constexpr const char* FavPath = "FAVPATH";
inline constexpr const char* OneSecSame = "ONESECSAME";
inline constexpr const char* Recycle = "RECYCLE";
inline constexpr const char* Exclude = "EXCLUDE";
} // namespace SettingsKeys
