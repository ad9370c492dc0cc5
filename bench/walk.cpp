// The floor of the benchmark: walks each folder tree given with plain
// FindFirstFileA/FindNextFileA, as a scanner must at the least, and prints the
// file count and the seconds taken. "copy SOURCE DEST N [FIRST]" instead copies
// N files of SOURCE's top folder, from the FIRST on, with a plain CopyFileA loop.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

long long Walk(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    long long files = 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0)
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            files += Walk(folder + "\\" + data.cFileName);
        else
            ++files;
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

} // namespace

int main(int argc, char** argv)
{
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "copy") == 0)
        return CopyLoop(argv[2], argv[3], argc == 6 ? std::atoll(argv[5]) : 0, std::atoll(argv[4]));
    for (int i = 1; i < argc; ++i) {
        std::string folder = argv[i];
        while (!folder.empty() && folder.back() == '\\')
            folder.pop_back();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        long long files = Walk(folder);
        QueryPerformanceCounter(&end);
        std::printf("walk\t%s\t%lld files\t%.3f s\n", argv[i], files, Seconds(start, end));
    }
    return 0;
}
