#include "engine/worker.h"

#include "system/handle_io.h"

Workers::Workers(int count, std::function<void(int, EngineHost&)> work)
    : m_work(std::move(work)), m_running(count), m_done(NewEvent(true, count == 0))
{
    for (int i = 0; i < count; ++i)
        m_threads.emplace_back([this, i] {
            m_work(i, m_host);
            if (--m_running == 0)
                SetEvent(m_done.get());
        });
}

Workers::~Workers()
{
    m_host.Stop();
    JoinAll();
}

void Workers::Wait(EngineHost& host, const std::function<void()>& meanwhile)
{
    while (WaitForSingleObject(m_done.get(), 0) != WAIT_OBJECT_0) {
        if (host.Cancelled())
            m_host.Stop();
        host.WaitFor(m_done.get());
        if (meanwhile)
            meanwhile();
    }
    JoinAll();
}

void Workers::JoinAll()
{
    for (std::thread& thread : m_threads)
        if (thread.joinable())
            thread.join();
}
