// Creates every missing folder of a path, one component at a time. The
// platform's MakeSureDirectoryPathExists splits a path at a 0x5C second byte
// under Wine (it makes a stray "表" for ...\表示\sub\), so the walk is our own.
#pragma once
#include <string>

// folder ends with "\"; failures are left to show in the copies that follow.
void CreateFolderChain(const std::string& folder);
