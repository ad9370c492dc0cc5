// Whole reads and writes on a file or pipe handle, which may each take
// several calls.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// False when the handle took less than the whole.
bool WriteAll(HANDLE handle, const void* data, std::size_t size);
inline bool WriteAll(HANDLE handle, const std::string& data) { return WriteAll(handle, data.data(), data.size()); }
// Everything until the end of the data (a pipe's other end closed).
std::string ReadToEnd(HANDLE handle);
// False at the end of the data or on a broken pipe before size bytes came.
bool ReadExactly(HANDLE handle, void* data, std::size_t size);
