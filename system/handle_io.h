// Whole reads and writes on a file or pipe handle, which may each take several calls,
// and the events the program's waits are made on.
#pragma once
#include "system/unique_handle.h"

#include <windows.h>

#include <cstddef>
#include <string>

// False when the handle took less than the whole.
bool WriteAll(HANDLE handle, const void* data, std::size_t size);
inline bool WriteAll(HANDLE handle, const std::string& data) { return WriteAll(handle, data.data(), data.size()); }
// Everything until the end of the data.
std::string ReadToEnd(HANDLE handle);

// A new event. Throws std::system_error when the system has none to give: a
// wait on no event would never end.
UniqueHandle NewEvent(bool manualReset, bool signalled);
