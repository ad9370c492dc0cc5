// Creates every missing folder of a path, one component at a time, with the
// wide functions: double-byte names stay whole (the platform's
// MakeSureDirectoryPathExists splits "表" at its 0x5C second byte under Wine)
// and any depth works.
#pragma once
#include <windows.h>

#include <string>

// folder is a "\\?\" path without its final "\". Returns 0 when the folder
// exists afterwards, else the system's error for the component that failed.
DWORD CreateFolderChain(const std::wstring& folder);
