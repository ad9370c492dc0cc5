// A sync killed in the middle of its copies (a killed task, a crash, a power
// cut), then run again the other way: both trees end as a clean run leaves
// them, every file whole, nothing of the program's own on either side.
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "tests/support/cli_worker.h"
#include "tests/support/gui_harness.h"
#include "tests/support/temp_tree.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// The program's temporaries in the tree (its files lie in its root).
int Temporaries(const TempTree& tree)
{
    Names names = tree.Names();
    return static_cast<int>(std::count_if(names.begin(), names.end(), [](const std::string& name) {
        return name.rfind("~mrv", 0) == 0;
    }));
}

// The copy workers the process started, each ended first when asked to (so
// that a failed check leaves nothing running for the tests after it). Those
// running the program's own code have a second thread, its watch on the parent.
int WorkersOf(DWORD parent, bool end = false, bool runningOnly = false)
{
    int workers = 0;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ParentProcessID != parent || _wcsicmp(entry.szExeFile, L"mirvalen-cli.exe") != 0
            || (runningOnly && entry.cntThreads < 2))
            continue;
        ++workers;
        UniqueHandle worker(end ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID) : nullptr);
        if (worker && TerminateProcess(worker.get(), 1))
            WaitForSingleObject(worker.get(), INFINITE);
    }
    return workers;
}

class KilledSync : public ::testing::Test {
protected:
    // Starts the command-line tool on the two trees, its output dropped.
    PROCESS_INFORMATION Start(const std::string& command) const
    {
        std::wstring line = L"\"" + CliWorker() + L"\" " + WideFromStored(command + " \"" + base.Root() + "\\\" \""
                                                                       + target.Root() + "\\\"");
        // Its output goes nowhere: nothing of the test's own is held by a killed tool.
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        UniqueHandle nowhere(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         &inherit, OPEN_EXISTING, 0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nowhere.get();
        PROCESS_INFORMATION process{};
        bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
        if (!started)
            throw std::runtime_error("cannot start the command-line tool");
        UniqueHandle mainThread(process.hThread);
        return process;
    }

    DWORD RunToEnd(const std::string& command) const
    {
        PROCESS_INFORMATION process = Start(command);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hProcess);
        return exitCode;
    }

    // Kills the sync once killNow() holds, then syncs both ways: every file
    // whole on both sides, and no temporary left anywhere.
    void KillThenSyncBothWays(const std::string& command, const std::function<bool(DWORD)>& killNow)
    {
        PROCESS_INFORMATION sync = Start(command);
        bool caught = gui::WaitFor([&] { return killNow(sync.dwProcessId); }, 60000);
        TerminateProcess(sync.hProcess, 1);
        WaitForSingleObject(sync.hProcess, INFINITE);
        // Wine closes a killed process's own handles only once nobody holds it.
        CloseHandle(sync.hProcess);
        ASSERT_TRUE(caught) << "the copies ended before the kill";
        // Its workers end with it.
        EXPECT_TRUE(gui::WaitFor([&] { return WorkersOf(sync.dwProcessId) == 0; }));
        WorkersOf(sync.dwProcessId, true);
        EXPECT_GT(Temporaries(target), 0); // what the killed run left

        EXPECT_EQ(0u, RunToEnd("sync --both"));
        EXPECT_EQ(0, Temporaries(base));
        EXPECT_EQ(0, Temporaries(target));
        Names names = base.Names();
        EXPECT_EQ(names.size(), target.Names().size());
        for (const std::string& name : names)
            EXPECT_TRUE(base.Read(name) == target.Read(name)) << name;
    }

    TempTree base, target;
};

TEST_F(KilledSync, MidwayThroughALargeFileLeavesNothingHalfWrittenAfterTheNextSync)
{
    base.Write("large.bin", std::string(128 << 20, 'L'));
    base.Write("small.txt", "s");
    KillThenSyncBothWays("sync --down", [&](DWORD) { return Temporaries(target) > 0; });
}

TEST_F(KilledSync, WhileWorkerProcessesCopyLeavesNothingOfTheirsAfterTheNextSync)
{
    const std::string content(256 << 10, 'w');
    for (int i = 0; i < 400; ++i)
        base.Write("f" + std::to_string(1000 + i) + ".bin", content);
    // One worker, killed once it runs: under Wine a process whose start its
    // parent did not live to finish never runs at all.
    KillThenSyncBothWays("sync --down --copy-workers 1", [&](DWORD sync) {
        return WorkersOf(sync, false, true) == 1 && Temporaries(target) > 0;
    });
}

} // namespace
