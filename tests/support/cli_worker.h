// The command-line tool of the build, which serves as a scan and copy worker
// as the window's program does (MIRVALEN_CLI_EXE, set by the test's target).
#pragma once
#include "engine/child_process.h"
#include "engine/stored_name.h"

#include <algorithm>
#include <string>

inline std::wstring CliWorker()
{
    std::wstring cli = L"Z:" + WideFromStored(MIRVALEN_CLI_EXE);
    std::replace(cli.begin(), cli.end(), L'/', L'\\');
    return cli;
}

// The program's worker processes from the first file on while this lives
// (no program: everything in this process); none once it is gone.
class WorkersFromTheStart {
public:
    explicit WorkersFromTheStart(const std::wstring& program = CliWorker()) { SetWorkerProgram(program, 0); }
    ~WorkersFromTheStart() { SetWorkerProgram(L""); }
    WorkersFromTheStart(const WorkersFromTheStart&) = delete;
    WorkersFromTheStart& operator=(const WorkersFromTheStart&) = delete;
};
