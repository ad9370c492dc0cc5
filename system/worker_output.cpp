#include "system/worker_output.h"

#include "system/handle_io.h"
#include "system/wire.h"

namespace {

// Well within the silence the program allows a worker at work.
// (<chrono> itself cannot be compiled for code page 932; the duration comes
// with <condition_variable>.)
constexpr std::chrono::milliseconds kKeepAliveEvery{500};

} // namespace

bool WorkerOutput::Send(FrameKind kind, const std::string& payload)
{
    std::string bytes = FrameBytes(kind, payload);
    std::lock_guard lock(m_writing);
    return WriteAll(m_out, bytes);
}

KeepAlive::KeepAlive(WorkerOutput& output, const std::atomic<std::uint64_t>* workDone)
    : m_output(output), m_workDone(workDone), m_thread([this] { Run(); })
{
}

KeepAlive::~KeepAlive()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void KeepAlive::Run()
{
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            if (m_wake.wait_for(lock, kKeepAliveEvery, [this] { return m_stop; }))
                return;
        }
        Writer payload;
        if (m_workDone)
            payload.U64(m_workDone->load(std::memory_order_relaxed));
        if (!m_output.Send(FrameKind::KeepAlive, payload.Bytes()))
            return; // nobody listens any more
    }
}
