// A worker thread for the long commands, and the wait for it on the thread
// that runs the window: that thread keeps letting messages through (so the
// window stays alive and a close request is seen) until the worker is done.
#pragma once
#include "engine/engine_host.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

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

// Runs work on a thread of its own. The destructor stops and joins it, so no
// worker outlives the tables it writes.
class Worker {
public:
    explicit Worker(std::function<void(EngineHost&)> work);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Waits for the work to end, letting one message at a time through the
    // host; a close request seen meanwhile stops the worker early.
    void Wait(EngineHost& host);
    // Asks the work to stop at its next check; Wait still joins it.
    void Stop() { m_host.Stop(); }

private:
    WorkerHost m_host;
    HANDLE m_done;
    std::thread m_thread;
};
