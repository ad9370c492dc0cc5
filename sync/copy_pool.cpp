#include "sync/copy_pool.h"

#include "system/handle_io.h"
#include "system/long_path.h"

#include <algorithm>
#include <utility>

namespace {

// Enough to keep every worker busy while the list is walked, small enough
// that a cancel leaves little undone.
constexpr std::size_t kQueueLimit = 64;

// A worker process is handed several small files at once, each hand-over
// being round trips of its own; one large file goes alone. A cancel waits for
// at most one hand-over per worker.
constexpr std::size_t kBatchFiles = 16;
constexpr std::uint64_t kBatchBytes = 1 << 20;

} // namespace

int DefaultCopyWorkers()
{
    int processors = static_cast<int>(GetActiveProcessorCount(ALL_PROCESSOR_GROUPS));
    return std::clamp(2 * processors, 2, 4);
}

CopyPool::CopyPool(int workers) : m_finished(NewEvent(false, false)), m_start(GetTickCount())
{
    for (int i = 0; i < std::max(workers, 1); ++i)
        m_workers.emplace_back([this] { Run(); });
}

CopyPool::~CopyPool()
{
    Cancel();
    for (std::thread& worker : m_workers)
        worker.join();
}

bool CopyPool::TryAdd(CopyTask& task)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.size() >= kQueueLimit)
            return false;
        m_queue.push_back({CaseFolded(task.destination), std::move(task)});
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

// The first queued copies whose destinations are not being written already.
std::vector<CopyPool::Queued> CopyPool::Take(std::size_t most)
{
    std::vector<Queued> taken;
    std::uint64_t bytes = 0;
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [&] {
        for (auto it = m_queue.begin(); it != m_queue.end() && taken.size() < most && bytes < kBatchBytes;) {
            if (m_inFlight.count(it->key)) {
                ++it;
                continue;
            }
            if (!taken.empty() && bytes + it->task.size > kBatchBytes)
                break;
            bytes += it->task.size;
            m_inFlight.insert(it->key);
            taken.push_back(std::move(*it));
            it = m_queue.erase(it);
        }
        return m_closing || !taken.empty();
    });
    return taken;
}

void CopyPool::Finish(const Queued& copy, const CopyResult& result)
{
    {
        std::lock_guard lock(m_mutex);
        m_inFlight.erase(copy.key);
        m_done.push_back({copy.task.index, result});
    }
    SetEvent(m_finished.get());
    m_wake.notify_all(); // a copy to the same destination may wait for this one
}

void CopyPool::Run()
{
    CopyWorkerProcess process;
    WorkerStartTimer startTimer(m_start);
    for (;;) {
        if (startTimer.DueOnce())
            process.Start();
        const bool inWorker = process.Running();
        std::vector<Queued> batch = Take(inWorker ? kBatchFiles : 1);
        if (batch.empty())
            return; // closing, nothing taken
        std::size_t made = 0;
        if (inWorker) {
            std::vector<const CopyTask*> tasks;
            for (const Queued& copy : batch)
                tasks.push_back(&copy.task);
            made = process.Copy(tasks, [&](std::size_t i, const CopyResult& result) { Finish(batch[i], result); });
        }
        for (std::size_t i = made; i < batch.size(); ++i) {
            const CopyTask& task = batch[i].task;
            // A worker that ended may have made copies it did not tell of: made
            // again, a two-way copy would be refused as a conflict.
            if (inWorker && CopiedAlready(task.source, task.destination))
                Finish(batch[i], {});
            else
                Finish(batch[i], CopyFileSafely(task, m_temporaries));
        }
    }
}
