// The command-line tool of the build, which serves as a scan and copy worker
// as the window's program does (MIRVALEN_CLI_EXE, set by the test's target).
#pragma once
#include "engine/stored_name.h"

#include <algorithm>
#include <string>

inline std::wstring CliWorker()
{
    std::wstring cli = L"Z:" + WideFromStored(MIRVALEN_CLI_EXE);
    std::replace(cli.begin(), cli.end(), L'/', L'\\');
    return cli;
}
