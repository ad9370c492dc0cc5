// Choosing a folder with the shell's folder browser: behind the main window's
// two browse buttons and the options dialog's.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// Opens the browser on initialFolder (the program's folder when empty) and, when
// a folder is chosen, gives its path ending with "\" in chosen and returns true.
// Cancelling, an item that is no file-system folder and a folder whose path
// Shift-JIS cannot write (refused with a message) return false and leave chosen
// untouched. flags: the browser's BIF_ flags.
bool BrowseForFolder(HWND owner, const std::string& initialFolder, const char* title, std::string& chosen,
                     UINT flags = 0);
