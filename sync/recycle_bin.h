// Moving a file that a copy is about to replace into the Recycle Bin of its
// drive, so that the user can restore the old version as after any deletion.
#pragma once
#include <windows.h>

#include <string>

enum class BinOutcome {
    Moved,   // the file is in the bin and gone from its folder
    NoBin,   // the drive has none (or the path is too long for the shell): nothing done
    Failed,  // the shell could not move it: the file is still there
};

// path in the "\\?\" form the copy uses. Safe to call from several threads.
BinOutcome MoveToRecycleBin(const std::wstring& path);
