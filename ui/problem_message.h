// The one message after a list build or a sync in which something was not read
// or not copied; it offers the whole list in Notepad.
#pragma once
#include "engine/problem.h"

#include <windows.h>

// Shows nothing when both lists are empty.
void ShowProblems(HWND owner, const Problems& unread, const Problems& notCopied);

// The notice that replaced files had no Recycle Bin; nothing when the list is empty.
void ShowNoBinNotice(HWND owner, const Problems& noBin);
