// When a process started: with its id, what tells it from a later process
// that was given the same id.
#pragma once
#include <windows.h>

// The process's creation time in 100 ns units (a FILETIME); 0 when it cannot be asked.
ULONGLONG ProcessStart(HANDLE process);
