// Worker processes that misbehave (tests/support/faulty_worker.cpp; its file
// is FAULTY_WORKER_EXE, set by the test's target).
#pragma once
#include "system/unique_handle.h"
#include "tests/support/cli_worker.h"

#include <windows.h>
#include <tlhelp32.h>

inline std::wstring FaultyWorker()
{
    return BuiltProgram(FAULTY_WORKER_EXE);
}

// While this lives, workers start with the first file and misbehave as fault
// says; one silent for a second counts as hung.
class FaultyWorkers {
public:
    explicit FaultyWorkers(const char* fault) : m_workers(FaultyWorker(), 1000)
    {
        SetEnvironmentVariableA("MIRVALEN_WORKER_FAULT", fault);
    }
    ~FaultyWorkers() { SetEnvironmentVariableA("MIRVALEN_WORKER_FAULT", nullptr); }
    FaultyWorkers(const FaultyWorkers&) = delete;
    FaultyWorkers& operator=(const FaultyWorkers&) = delete;

private:
    WorkersFromTheStart m_workers;
};

// The faulty workers of this process still running.
inline int FaultyWorkersRunning()
{
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return -1;
    int running = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        running += entry.th32ParentProcessID == GetCurrentProcessId()
            && _wcsicmp(entry.szExeFile, L"faulty-worker.exe") == 0;
    return running;
}
