#include "engine/worker.h"

Worker::Worker(std::function<void(EngineHost&)> work) : m_done(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_thread = std::thread([this, work = std::move(work)] {
        work(m_host);
        SetEvent(m_done);
    });
}

Worker::~Worker()
{
    Stop();
    if (m_thread.joinable())
        m_thread.join();
    CloseHandle(m_done);
}

void Worker::Wait(EngineHost& host)
{
    while (WaitForSingleObject(m_done, 0) != WAIT_OBJECT_0) {
        if (host.Cancelled())
            Stop();
        host.WaitFor(m_done);
    }
    m_thread.join();
}
