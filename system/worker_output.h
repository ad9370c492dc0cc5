// A worker's side of its standard output: whole frames, one at a time, and
// while it works a keep-alive frame every half second, so that the program
// tells a worker that is busy from one that hangs.
#pragma once
#include "system/frame.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class WorkerOutput {
public:
    WorkerOutput() : m_out(GetStdHandle(STD_OUTPUT_HANDLE)) {}
    // False when the program no longer reads.
    bool Send(FrameKind kind, const std::string& payload = {});

private:
    HANDLE m_out;
    std::mutex m_writing; // frames never interleave
};

// Sends keep-alive frames through the output while it lives, each with the
// count workDone holds then when one is given (a scan worker's files found).
class KeepAlive {
public:
    explicit KeepAlive(WorkerOutput& output, const std::atomic<std::uint64_t>* workDone = nullptr);
    ~KeepAlive();
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    void Run();

    WorkerOutput& m_output;
    const std::atomic<std::uint64_t>* m_workDone;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};
