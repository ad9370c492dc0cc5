// Names that differ only in letter case ("a.txt" beside "A.txt", "Dir\x.txt"
// beside "dir\x.txt"), which a case-sensitive file system or share holds and
// Windows cannot: copied, either would overwrite the other, and every later
// sync would copy both again. Both are listed and held back, as is the file of
// that name on the other side, and each is named with the reason.
#pragma once
#include "engine/folder_scanner.h"

#include <string>

// Marks the twins of both tables and the files of their names on the other
// side heldBack, and names each in its table's problems.
void HoldBackCaseTwins(ScanResult& base, ScanResult& target, const std::string& baseText,
                       const std::string& targetText);
