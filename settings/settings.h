// The options of the program and the settings file that keeps them, for the
// window and the command-line tool alike. The fields bear the names of their
// keys in the file; each key is declared once, in settings.cpp, with the
// field it fills and the range it is read into. The options dialog exchanges the
// fields directly; the comparison, the list and the favourites read them in place.
#pragma once
#include "engine/problem.h"

#include <string>

// The range the options dialog accepts for DISPTIME, and its default.
inline constexpr int kMinDispTime = 100;
inline constexpr int kMaxDispTime = 3000;
inline constexpr int kDefaultDispTime = 500;
// The longest favourites path the options dialog takes (the path is an ANSI
// path, so this is far more than any that opens).
inline constexpr int kMaxFavPathLength = 1024;

struct Settings {
    int favFileChanged = 0;  // the options dialog picked another favourites file (not stored)
    int SUBFOLDER = 0;       // 1: subfolders are not searched
    int ROOTFILE = 0;        // 1: files of the root folders are listed first
    int SAMEHIDE = 0;        // 1: identical files are left out of the list
    int DISPTIME = kDefaultDispTime; // milliseconds the folder-not-found notice stays
    std::string FAVPATH;     // favourites file; ".\" at the start means the program folder
    int ONESECSAME = 0;      // 1: times within two seconds count as the same
    int RECYCLE = 1;         // 1: a replaced file's old version goes to the Recycle Bin
    std::string EXCLUDE;     // name patterns left out of both scans, "|" between them
    int VERIFY = 0;          // 1: each copy is read back and compared before it replaces anything
    int CONTENT = 0;         // 1: pairs of one size are compared by their contents
};

// SUBFOLDER is 1 when subfolders are NOT searched: said the right way round.
inline bool SearchesSubfolders(const Settings& s)
{
    return s.SUBFOLDER == 0;
}

// The favourites file FAVPATH names, a ".\" path taken from the program folder.
std::string FavoritesFile(const Settings& s);

// The settings file beside the program, and the favourites file's name (its
// default folder is the program's too).
inline constexpr const char* SettingsFileName = "Mirvalen.ini";
inline constexpr const char* FavoritesFileName = "Mirvalen.bdt";

class SettingsFile {
public:
    explicit SettingsFile(std::string path) : m_path(std::move(path)) {}
    // The file beside the program.
    static SettingsFile OfProgram();

    // The stored settings. A value that is missing or no number gives its
    // default, a number out of its range (a hand-edited file) the nearer end of
    // it, any number but 0 turns a switch on; FAVPATH's default is the program
    // folder's file.
    Settings Read() const;
    // Writes every stored value but the two-second toggle's; FAVPATH is
    // stored relative (".\") when it lies on the program's drive.
    Failure Write(const Settings& settings) const;
    // The two-second toggle is stored as soon as it is clicked.
    Failure WriteTwoSecondSame(int on) const;
    // A copy of the file beside the favourites file, so that the favourites
    // travel with the settings they were made with.
    Failure CopyBeside(const std::string& favoritesPath) const;

    const std::string& Path() const { return m_path; }

private:
    Failure WriteValue(const char* key, const std::string& value) const;
    std::string m_path;
};
