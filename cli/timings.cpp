#include "cli/timings.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

MemoryUse CurrentMemoryUse()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return {counters.PrivateUsage, counters.PeakPagefileUsage, counters.PeakWorkingSetSize};
}

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PrintSyncTiming(double seconds, int copied, const Output& output)
{
    char line[120];
    std::snprintf(line, sizeof line, "timing\tsync\t%.3f s\t%d files copied", seconds, copied);
    output.ErrorLine(line);
}

void PrintTimings(const std::vector<std::pair<std::string, double>>& steps, int entries, const MemoryUse& before,
                  const Output& output)
{
    char line[200];
    double total = 0;
    for (const auto& [name, seconds] : steps) {
        std::snprintf(line, sizeof line, "timing\t%s\t%.3f s", name.c_str(), seconds);
        output.ErrorLine(line);
        total += seconds;
    }
    std::snprintf(line, sizeof line, "timing\ttotal\t%.3f s\t%d files\t%.0f files/s", total, entries,
                  total > 0 ? entries / total : 0.0);
    output.ErrorLine(line);
    MemoryUse now = CurrentMemoryUse();
    double grown = static_cast<double>(now.peakPrivateBytes) - static_cast<double>(before.privateBytes);
    std::snprintf(line, sizeof line, "memory\tpeak private %.1f MiB\tpeak working set %.1f MiB\t%.0f bytes/entry",
                  now.peakPrivateBytes / 1048576.0, now.peakWorkingSet / 1048576.0,
                  entries > 0 ? grown / entries : 0.0);
    output.ErrorLine(line);
}
