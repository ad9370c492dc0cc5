// Copies side by side: a few worker threads take fail-safe copies from a
// queue in list order. Copies whose destinations are the same path (letter
// case aside) are never in flight together, so they happen in list order.
// Once the copies have lasted long enough for a process start to pay, each
// thread hands its copies to a copy worker process of its own, a few small
// files at a time.
#pragma once
#include "sync/copy_worker.h"
#include "sync/safe_copy.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct CopyDone {
    std::size_t index;
    CopyResult result;
};

// Two copies for each processor, two to four in all: under Wine and on
// network shares each file spends much of its time waiting on round trips,
// which another copy fills (2,000 small files on two processors under Wine:
// 3.0 s with two copies side by side, 2.7 s with three or four).
int DefaultCopyWorkers();

class CopyPool {
public:
    explicit CopyPool(int workers);
    // Drops what was not handed out yet and waits for the copies in flight.
    ~CopyPool();
    CopyPool(const CopyPool&) = delete;
    CopyPool& operator=(const CopyPool&) = delete;

    // False when the queue is full: collect and wait, then offer it again.
    bool TryAdd(CopyTask& task);
    // The copies finished since the last call.
    std::vector<CopyDone> TakeDone();
    bool Idle();
    // Signalled whenever a copy finishes.
    HANDLE FinishedEvent() const { return m_finished.get(); }
    // Hands out nothing more; the copies in flight complete (Idle() then).
    void Cancel();

private:
    struct Queued {
        std::wstring key; // the destination, case folded
        CopyTask task;
    };
    void Run();
    // Waits for copies to hand out, at most `most`; none once closing.
    std::vector<Queued> Take(std::size_t most);
    void Finish(const Queued& copy, const CopyResult& result);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Queued> m_queue;
    std::set<std::wstring> m_inFlight;
    std::vector<CopyDone> m_done;
    bool m_closing = false;
    UniqueHandle m_finished; // closed after the workers, which set it, have been joined
    DWORD m_start;
    TemporaryFolders m_temporaries; // of the copies made in this process
    std::vector<std::thread> m_workers;
};
