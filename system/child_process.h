// The running program started again as a worker process, with a switch as its
// only argument, talking to this process in frames (frame.h) over its standard
// input and output. Under Wine the threads of one process wait on each other
// for the file system, while a second process works side by side with the
// first.
#pragma once
#include "system/frame.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

// A process start costs about a tenth of a second under Wine: work done within
// this time is done sooner without a worker.
inline constexpr DWORD kWorkerDelayMs = 150;
// A worker at work says so every half second; one silent this long hangs.
inline constexpr DWORD kWorkerSilenceLimitMs = 10000;

// The program that serves as worker: the running program's own file, whose
// entry point calls RunWorkerIfAsked. None: everything is done in this process.
// Workers start once their work has lasted startAfterMs, and count as hung
// once silent for silenceLimitMs while an answer is awaited.
void SetWorkerProgram(const std::wstring& program, DWORD startAfterMs = kWorkerDelayMs,
                      DWORD silenceLimitMs = kWorkerSilenceLimitMs);
const std::wstring& WorkerProgram();
DWORD WorkerStartAfterMs();

// Says yes once: the first time it is asked after the work begun at start has
// lasted WorkerStartAfterMs().
class WorkerStartTimer {
public:
    explicit WorkerStartTimer(DWORD start = GetTickCount()) : m_start(start) {}
    bool DueOnce()
    {
        if (m_done || GetTickCount() - m_start < WorkerStartAfterMs())
            return false;
        m_done = true;
        return true;
    }

private:
    DWORD m_start;
    bool m_done = false;
};

// The running program's own file, at any length.
std::wstring RunningProgramFile();
// The switch the program was started with when it is the only argument.
std::wstring OnlyArgument();
// For a worker: ends this process as soon as the program that started it has
// ended, however it ended; false when that program has ended already (or
// cannot be watched): the worker has nothing to do then. The job ends it too,
// once it is in it; Wine may keep a killed program's handles, and with them
// its job and the worker's pipes, open.
bool EndWithParent();

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess() { Stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the worker program with the switch, its standard input and output
    // on pipes, inheriting nothing else; it ends with this process, however
    // this one ends. False when no worker program is set or none could be
    // started.
    bool Start(const wchar_t* workerSwitch);
    bool Running() const { return static_cast<bool>(m_process); }
    DWORD Id() const { return m_id; }
    // One frame onto the worker's standard input; false when the worker
    // ended or took nothing for longer than the limit (it hangs, and is ended).
    bool Send(FrameKind kind, const std::string& payload);
    // The worker sees the end of its input.
    void CloseInput();
    // Waits for the worker's next frame that is not a keep-alive. False when
    // the worker ended, sent anything but a whole frame (a keep-alive's
    // payload included), or was silent for longer than the limit: it hangs,
    // and is ended.
    bool Receive(Frame& frame);
    // How much the worker last said it has done (a scan worker: the files it
    // has found); 0 until it says. Read on any thread.
    std::uint64_t WorkDone() const { return m_workDone.load(std::memory_order_relaxed); }
    // Waits up to ms for the worker to end by itself; true with a zero exit code.
    bool EndedWell(DWORD ms);
    // Ends the worker if it still runs and waits until it has ended (a file
    // it was writing is closed then); its output then ends too.
    void Terminate();
    // Terminates and lets go of every handle; the worker's id may then be
    // given to another process.
    void Stop();

private:
    // While it lives, the worker is awaited: silence counts from its start.
    class Awaited {
    public:
        explicit Awaited(ChildProcess& child) : m_child(child)
        {
            m_child.m_heard = GetTickCount();
            m_child.m_awaiting = true;
        }
        ~Awaited() { m_child.m_awaiting = false; }
        Awaited(const Awaited&) = delete;
        Awaited& operator=(const Awaited&) = delete;

    private:
        ChildProcess& m_child;
    };

    // Ends the worker once it has been awaited in silence too long.
    void Watch();

    UniqueHandle m_process;
    UniqueHandle m_input;  // this end of the worker's standard input
    UniqueHandle m_output; // this end of its standard output
    DWORD m_id = 0;
    std::atomic<bool> m_awaiting{false};
    std::atomic<DWORD> m_heard{0}; // when the worker was last heard from, while awaited
    std::atomic<std::uint64_t> m_workDone{0};
    std::thread m_watchdog;
    FrameReader m_answers; // of the output
};
