// The target tree's scan worker when it fails, hangs or answers badly, and
// what every worker process may hold and how long it may live.
#include "system/child_process.h"
#include "engine/scan_worker.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/faulty_worker.h"

#include <cstdlib>

namespace {

class ScanWorkerFault : public EngineFixture, public ::testing::WithParamInterface<const char*> {};

// A worker that dies, hangs, or answers cut short, garbled or outsized (or
// says it is alive in a way no worker does) leaves the target to this process: the tables are those of a scan without
// workers, and no worker is left running.
TEST_P(ScanWorkerFault, TheTargetIsScannedHereInstead)
{
    for (int i = 0; i < 30; ++i) {
        base.Write("d" + std::to_string(i % 3) + "\\f" + std::to_string(i) + ".txt", "b", t0);
        target.Write("d" + std::to_string(i % 4) + "\\g" + std::to_string(i) + ".txt", std::string(i, 't'), later);
    }
    const ScanResult alone = ScanOne(inputs.target, ScanLayout{}, host);
    {
        FaultyWorkers faulty(GetParam());
        comparison.ScanBoth(inputs, host, 2);
        EXPECT_EQ(0, FaultyWorkersRunning());
    }
    EXPECT_EQ(Paths(alone.entries), Paths(comparison.TargetEntries()));
    EXPECT_EQ(30, comparison.BaseCount());
    EXPECT_TRUE(comparison.ReadProblems().empty());
}
INSTANTIATE_TEST_SUITE_P(Workers, ScanWorkerFault,
                         ::testing::Values("dies", "truncated", "garbled", "oversized", "odd-alive", "hang"));

// A caller's inheritable handles (say, the standard handles of the script
// that started the tool) stay with the caller: a worker holding the write end
// of a caller's pipe would keep its reader waiting for as long as it lives.
TEST(WorkerProcess, InheritsOnlyItsOwnPipeEnds)
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, &inheritable, 0));
    FaultyWorkers hanging("hang");
    ChildProcess worker;
    ASSERT_TRUE(worker.Start(kScanWorkerSwitch));
    CloseHandle(write);
    DWORD available = 0;
    EXPECT_FALSE(PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr)); // no writer left
    EXPECT_EQ(static_cast<DWORD>(ERROR_BROKEN_PIPE), GetLastError());
    worker.Stop();
    CloseHandle(read);
}

// However a program ends, its workers end with it: here a program that
// started a scan worker (one that waits for nothing) is ended from outside.
TEST(WorkerProcess, EndsWithTheProgramThatStartedIt)
{
    FaultyWorkers hanging("hang");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, &inheritable, 0));
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    std::wstring command = L"\"" + FaultyWorker() + L"\" --parent";
    PROCESS_INFORMATION parent{};
    ASSERT_TRUE(CreateProcessW(FaultyWorker().c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &parent));
    CloseHandle(write);
    std::string printed;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(read, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        printed += c;
    CloseHandle(read);
    HANDLE worker = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, std::strtoul(printed.c_str(), nullptr, 10));
    ASSERT_TRUE(worker) << "the program printed " << printed;
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(worker, 0));
    TerminateProcess(parent.hProcess, 1);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(worker, 10000));
    TerminateProcess(worker, 1); // not left behind should the test fail
    for (HANDLE handle : {worker, parent.hProcess, parent.hThread})
        CloseHandle(handle);
}

} // namespace
