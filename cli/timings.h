// Figures for --timings: step times, files per second and memory.
#pragma once
#include "cli/output.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct MemoryUse {
    std::size_t privateBytes = 0;
    std::size_t peakPrivateBytes = 0;
    std::size_t peakWorkingSet = 0;
};

MemoryUse CurrentMemoryUse();

// Seconds of the performance counter.
double Now();

// Writes one line per step, the total, files per second and the peak memory
// (also per entry, counted from `before`) to standard error.
void PrintTimings(const std::vector<std::pair<std::string, double>>& steps, int entries, const MemoryUse& before,
                  const Output& output);
// The copy step: seconds and files copied.
void PrintSyncTiming(double seconds, int copied, const Output& output);
