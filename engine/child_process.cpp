#include "engine/child_process.h"

#include <shellapi.h>

#include <mutex>

namespace {

std::wstring g_program;
DWORD g_startAfterMs = kWorkerDelayMs;

void Close(HANDLE& handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

} // namespace

void SetWorkerProgram(const std::wstring& program, DWORD startAfterMs)
{
    g_program = program;
    g_startAfterMs = startAfterMs;
}

const std::wstring& WorkerProgram()
{
    return g_program;
}

DWORD WorkerStartAfterMs()
{
    return g_startAfterMs;
}

std::wstring RunningProgramFile()
{
    for (DWORD size = MAX_PATH;; size *= 2) {
        std::wstring path(size, L'\0');
        DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
}

std::wstring OnlyArgument()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring only = arguments && count == 2 ? arguments[1] : L"";
    LocalFree(arguments);
    return only;
}

bool ChildProcess::Start(const wchar_t* workerSwitch)
{
    if (g_program.empty())
        return false;
    HANDLE inputRead = nullptr, outputWrite = nullptr;
    if (!CreatePipe(&inputRead, &m_input, nullptr, 0))
        return false;
    if (!CreatePipe(&m_output, &outputWrite, nullptr, 1 << 16)) {
        Close(inputRead);
        Close(m_input);
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    // No console of its own: a console program would get one made for nothing.
    std::wstring commandLine = L"\"" + g_program + L"\" " + workerSwitch;
    PROCESS_INFORMATION started{};
    bool ok;
    {
        // Only the worker's own two ends go to the worker: ends inheritable
        // only while one worker starts, never while another does. A worker
        // holding a sibling's end would keep that sibling's pipe open after
        // the sibling ended, and a wait for its answers would never end.
        static std::mutex starting;
        std::lock_guard lock(starting);
        SetHandleInformation(inputRead, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        SetHandleInformation(outputWrite, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        ok = CreateProcessW(g_program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                            nullptr, &startup, &started);
        Close(inputRead);
        Close(outputWrite);
    }
    if (!ok) {
        Close(m_input);
        Close(m_output);
        return false;
    }
    CloseHandle(started.hThread);
    m_process = started.hProcess;
    m_id = started.dwProcessId;
    return true;
}

void ChildProcess::CloseInput()
{
    Close(m_input);
}

bool ChildProcess::EndedWell(DWORD ms)
{
    DWORD exitCode = 1;
    return m_process && WaitForSingleObject(m_process, ms) == WAIT_OBJECT_0 && GetExitCodeProcess(m_process, &exitCode)
        && exitCode == 0;
}

void ChildProcess::Terminate()
{
    // Ended, not ending: the files it had open are closed once this returns.
    if (m_process && WaitForSingleObject(m_process, 0) != WAIT_OBJECT_0 && TerminateProcess(m_process, 1))
        WaitForSingleObject(m_process, INFINITE);
}

void ChildProcess::Stop()
{
    Terminate();
    Close(m_process);
    Close(m_input);
    Close(m_output);
}
