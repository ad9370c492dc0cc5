// The command-line tool of the build, which serves as a scan and copy worker
// as the window's program does (MIRVALEN_CLI_EXE, set by the test's target).
#pragma once
#include "system/child_process.h"
#include "system/stored_name.h"

#include <algorithm>
#include <string>

// A program file of the build, from its Unix path.
inline std::wstring BuiltProgram(const char* unixPath)
{
    std::wstring program = L"Z:" + WideFromStored(unixPath);
    std::replace(program.begin(), program.end(), L'/', L'\\');
    return program;
}

inline std::wstring CliWorker()
{
    return BuiltProgram(MIRVALEN_CLI_EXE);
}

// The program's worker processes from the first file on while this lives
// (no program: everything in this process); none once it is gone.
class WorkersFromTheStart {
public:
    explicit WorkersFromTheStart(const std::wstring& program = CliWorker(), DWORD silenceLimitMs = kWorkerSilenceLimitMs)
    {
        SetWorkerProgram(program, 0, silenceLimitMs);
    }
    ~WorkersFromTheStart() { SetWorkerProgram(L""); }
    WorkersFromTheStart(const WorkersFromTheStart&) = delete;
    WorkersFromTheStart& operator=(const WorkersFromTheStart&) = delete;
};
