// Runs mirvalen-cli.exe as a child process, as a script would, on two
// temporary trees.
#pragma once
#include "system/stored_name.h"
#include "system/unique_handle.h"
#include "tests/support/cli_worker.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <string>

struct CliRun {
    DWORD exitCode = 0;
    std::string out, err;
};

// A "\" right before the closing quote would escape it: double it, as the
// command-line rules of the C runtime ask.
inline std::string Quoted(std::string path)
{
    return "\"" + path + (!path.empty() && path.back() == '\\' ? "\\\"" : "\"");
}

inline bool Has(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

class Cli : public ::testing::Test {
protected:
    // Runs the tool with arguments, where BASE and TARGET stand for the two trees.
    CliRun Run(std::string arguments) const
    {
        for (auto [name, tree] : {std::pair{"BASE", &base}, {"TARGET", &target}})
            for (std::size_t at; (at = arguments.find(name)) != std::string::npos;)
                arguments.replace(at, std::string(name).size(), Quoted(tree->Root()));
        // Wide, as a shell hands them over: the arguments are Shift-JIS whatever
        // the code page this runs under.
        std::wstring command = L"\"" + CliWorker() + L"\" " + WideFromStored(arguments);
        // Standard output and error go to files: both are read once the tool has ended.
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        UniqueHandle out(
            CreateFileA(io.Path("out").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
        UniqueHandle err(
            CreateFileA(io.Path("err").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out.get();
        startup.hStdError = err.get();
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        PROCESS_INFORMATION process{};
        CliRun run;
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &process));
        UniqueHandle tool(process.hProcess), mainThread(process.hThread);
        WaitForSingleObject(tool.get(), INFINITE);
        GetExitCodeProcess(tool.get(), &run.exitCode);
        out.reset(); // closed before they are read
        err.reset();
        run.out = io.Read("out");
        run.err = io.Read("err");
        return run;
    }

    TempTree io;
    TempTree base, target;
    const FILETIME t0 = LocalFileTime(2010, 3, 5, 14, 7, 9), later = LocalFileTime(2011, 1, 1, 0, 0, 0);
};
