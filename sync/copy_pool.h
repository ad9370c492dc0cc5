// Copies side by side: a few worker threads take fail-safe copies from a
// queue in list order. Copies whose destinations are the same path (letter
// case aside) are never in flight together, so they happen in list order.
#pragma once
#include "sync/safe_copy.h"

#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct CopyTask {
    std::size_t index; // position in the comparison list
    std::wstring source, destination;
    ReplaceRule rule;
    bool expectNew; // no destination when the list was made
    OldVersion old = OldVersion::Recycle;
};

struct CopyDone {
    std::size_t index;
    CopyResult result;
};

// Two to four, after the processors there are: under Wine and on network
// shares each file waits on round trips, which a second copy fills.
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
    HANDLE FinishedEvent() const { return m_finished; }
    // Hands out nothing more; the copies in flight complete.
    void Cancel();

private:
    void Run();
    bool TakeNext(CopyTask& task, std::wstring& key);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::pair<std::wstring, CopyTask>> m_queue; // folded destination, task
    std::set<std::wstring> m_inFlight;
    std::vector<CopyDone> m_done;
    bool m_closing = false;
    HANDLE m_finished;
    std::vector<std::thread> m_workers;
};
