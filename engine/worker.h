// Worker threads for the long commands, and the wait for them on the thread
// that runs the window: that thread keeps letting messages through (so the
// window stays alive and a close request is seen) until the workers are done.
#pragma once
#include "engine/engine_host.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

// The engine's host inside a worker: no window to keep alive, no progress of
// its own; it stops when the thread that owns it says so.
class WorkerHost : public EngineHost {
public:
    void PumpOneMessage() override {}
    bool Cancelled() const override { return m_stop; }
    void ReportConversionFailure() override {}
    void SetProgress(int) override {}
    void Stop() { m_stop = true; }

private:
    std::atomic<bool> m_stop{false};
};

// Says yes at most once per interval, the first time once one interval has
// passed: for what a waiting thread shows now and then while it waits.
class Interval {
public:
    explicit Interval(DWORD ms) : m_ms(ms), m_last(GetTickCount()) {}
    bool Due()
    {
        DWORD now = GetTickCount();
        if (now - m_last < m_ms)
            return false;
        m_last = now;
        return true;
    }

private:
    DWORD m_ms;
    DWORD m_last;
};

// Runs work on threads of their own, which share one stop flag. The
// destructor stops and joins them, so no thread outlives the tables it writes.
class Workers {
public:
    // Calls work(thread index, host) on each of count threads.
    Workers(int count, std::function<void(int, EngineHost&)> work);
    ~Workers();
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    // Waits for every thread to end, letting one message at a time through
    // the host and calling meanwhile, when given, after each slice of the
    // wait; a close request seen meanwhile stops them all at once.
    void Wait(EngineHost& host, const std::function<void()>& meanwhile = {});

private:
    void JoinAll();

    WorkerHost m_host;
    std::function<void(int, EngineHost&)> m_work;
    std::atomic<int> m_running;
    UniqueHandle m_done; // set when the last thread ends
    std::vector<std::thread> m_threads;
};
