// The program's own help: one window with a read-only text that explains the
// controls, the marks and colours, the options and the command-line tool.
#pragma once
#include <windows.h>

// Opens the help window centred over owner, or brings the open one to the front.
void ShowHelpContents(HWND owner);
