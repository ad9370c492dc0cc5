#include "sync/copy_pool.h"

#include "engine/long_path.h"

#include <algorithm>
#include <utility>

namespace {

// Enough to keep every worker busy while the list is walked, small enough
// that a cancel leaves little undone.
constexpr std::size_t kQueueLimit = 64;

} // namespace

int DefaultCopyWorkers()
{
    int processors = static_cast<int>(GetActiveProcessorCount(ALL_PROCESSOR_GROUPS));
    return std::clamp(processors, 2, 4);
}

CopyPool::CopyPool(int workers) : m_finished(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
    for (int i = 0; i < std::max(workers, 1); ++i)
        m_workers.emplace_back([this] { Run(); });
}

CopyPool::~CopyPool()
{
    Cancel();
    for (std::thread& worker : m_workers)
        worker.join();
    CloseHandle(m_finished);
}

bool CopyPool::TryAdd(CopyTask& task)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.size() >= kQueueLimit)
            return false;
        m_queue.emplace_back(CaseFolded(task.destination), std::move(task));
    }
    m_wake.notify_one();
    return true;
}

std::vector<CopyDone> CopyPool::TakeDone()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_done, {});
}

bool CopyPool::Idle()
{
    std::lock_guard lock(m_mutex);
    return m_queue.empty() && m_inFlight.empty();
}

void CopyPool::Cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
        m_closing = true;
    }
    m_wake.notify_all();
}

// The first queued copy whose destination is not being written already.
bool CopyPool::TakeNext(CopyTask& task, std::wstring& key)
{
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (m_inFlight.count(it->first))
            continue;
        key = std::move(it->first);
        task = std::move(it->second);
        m_queue.erase(it);
        m_inFlight.insert(key);
        return true;
    }
    return false;
}

void CopyPool::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        CopyTask task;
        std::wstring key;
        m_wake.wait(lock, [&] { return m_closing || TakeNext(task, key); });
        if (key.empty())
            return; // closing, nothing taken
        lock.unlock();
        CopyResult result = CopyFileSafely(task.source, task.destination, task.rule, task.old, task.expectNew);
        lock.lock();
        m_inFlight.erase(key);
        m_done.push_back({task.index, result});
        SetEvent(m_finished);
        m_wake.notify_all(); // a copy to the same destination may wait for this one
    }
}
