// Names that a Windows folder cannot hold. A share served from Linux or macOS
// may list them: a name with "\" would become a folder and a file below it,
// one with ":" a stream of another file, and one Windows reserves for a device
// opens the device. Such a name is never listed nor copied, and is named with
// its reason instead.
#pragma once
#include <string_view>

// Why Windows cannot hold the name; none (nullptr) when it can.
const char* UnusableNameReason(std::wstring_view name);
