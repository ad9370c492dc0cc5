// The floor of the benchmark: walks each folder tree given with plain
// FindFirstFileA/FindNextFileA, as a scanner must at the least, and prints the
// file count and the seconds taken. "copy SOURCE DEST N [FIRST]" instead copies
// N files of SOURCE's top folder, from the FIRST on, with a plain CopyFileA loop;
// "read DIR ..." reads every byte of each tree once, in reads of 1 MiB.
#include "system/unique_handle.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The files of a tree, each given to visit with its path.
template <class Visit>
long long Walk(const std::string& folder, Visit visit)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    long long files = 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0)
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files += Walk(folder + "\\" + data.cFileName, visit);
        } else {
            visit(folder + "\\" + data.cFileName);
            ++files;
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Copies files first to first+limit-1 (in listing order) of source's top folder.
int CopyLoop(const std::string& source, const std::string& destination, long long first, long long limit)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((source + "\\*").c_str(), &data);
    long long copied = 0, seen = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            if (seen++ >= first && copied < limit) {
                CopyFileA((source + "\\" + data.cFileName).c_str(), (destination + "\\" + data.cFileName).c_str(),
                          FALSE);
                ++copied;
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    QueryPerformanceCounter(&end);
    std::printf("copy\t%lld files\t%.3f s\n", copied, Seconds(start, end));
    return 0;
}

long long ReadAll(const std::string& path, std::string& buffer)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    long long total = 0;
    DWORD got = 0;
    while (file && ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0)
        total += got;
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "copy") == 0)
        return CopyLoop(argv[2], argv[3], argc == 6 ? std::atoll(argv[5]) : 0, std::atoll(argv[4]));
    bool read = argc > 1 && std::strcmp(argv[1], "read") == 0;
    std::string buffer(1 << 20, '\0');
    for (int i = read ? 2 : 1; i < argc; ++i) {
        std::string folder = argv[i];
        while (!folder.empty() && folder.back() == '\\')
            folder.pop_back();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        long long bytes = 0;
        long long files = Walk(folder, [&](const std::string& path) {
            if (read)
                bytes += ReadAll(path, buffer);
        });
        QueryPerformanceCounter(&end);
        std::printf("%s\t%s\t%lld files\t%lld bytes\t%.3f s\n", read ? "read" : "walk", argv[i], files, bytes,
                    Seconds(start, end));
    }
    return 0;
}
