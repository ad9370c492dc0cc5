#include "system/child_process.h"

#include "system/handle_io.h"
#include "system/process_start.h"
#include "system/unique_handle.h"
#include "system/wire.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <system_error>
#include <vector>

namespace {

std::wstring g_program;
DWORD g_startAfterMs = kWorkerDelayMs;
DWORD g_silenceLimitMs = kWorkerSilenceLimitMs;

// The one job of every worker of this process. Its handle is never closed:
// when this process ends, however it ends, the system closes it, and the job
// ends every worker still in it. Null when the system made none.
HANDLE WorkersJob()
{
    static const HANDLE job = [] {
        UniqueHandle made(CreateJobObjectW(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made && !SetInformationJobObject(made.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
            made.reset();
        return made.release();
    }();
    return job;
}

// The attribute that names the only handles a new process inherits.
class InheritOnly {
public:
    InheritOnly(HANDLE first, HANDLE second) : m_handles{first, second}
    {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size); // asks the size only
        m_storage.resize(size);
        auto list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_storage.data());
        if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size))
            return;
        if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, m_handles, sizeof m_handles, nullptr,
                                      nullptr))
            m_list = list;
        else
            DeleteProcThreadAttributeList(list);
    }
    ~InheritOnly()
    {
        if (m_list)
            DeleteProcThreadAttributeList(m_list);
    }
    InheritOnly(const InheritOnly&) = delete;
    InheritOnly& operator=(const InheritOnly&) = delete;

    // Null when the system could not make it.
    LPPROC_THREAD_ATTRIBUTE_LIST List() const { return m_list; }

private:
    HANDLE m_handles[2];
    std::vector<char> m_storage;
    LPPROC_THREAD_ATTRIBUTE_LIST m_list = nullptr;
};

// A pipe whose two ends the owners hold; false when the system made none.
bool MakePipe(UniqueHandle& read, UniqueHandle& write, DWORD size)
{
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, nullptr, size))
        return false;
    read.reset(readEnd);
    write.reset(writeEnd);
    return true;
}

// Starts the worker program, with the two ends as its standard input
// and output and no other handle of this process: a worker holding a
// sibling's end would keep that sibling's pipe open after the sibling ended,
// and a wait for its answers would never end; one holding the caller's
// handles (the standard handles of the script that started the tool) would
// keep the script waiting. Wine honours the list as Windows does.
bool StartWorker(const wchar_t* workerSwitch, HANDLE input, HANDLE output, PROCESS_INFORMATION& started)
{
    InheritOnly inherit(input, output);
    if (!inherit.List())
        return false;
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = input;
    startup.StartupInfo.hStdOutput = output;
    startup.lpAttributeList = inherit.List();
    std::wstring commandLine = L"\"" + g_program + L"\" " + workerSwitch;
    // The list takes inheritable handles only; these two ends are closed as
    // soon as the worker has its own.
    return SetHandleInformation(input, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)
        && SetHandleInformation(output, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)
        // No console of its own: a console program would get one made for nothing.
        && CreateProcessW(g_program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                          DETACHED_PROCESS | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                          &startup.StartupInfo, &started);
}

} // namespace

void SetWorkerProgram(const std::wstring& program, DWORD startAfterMs, DWORD silenceLimitMs)
{
    g_program = program;
    g_startAfterMs = startAfterMs;
    g_silenceLimitMs = silenceLimitMs;
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

namespace {

// The id of the process that started this one; 0 when it cannot be told.
DWORD ParentId()
{
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return 0;
    DWORD parentId = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        if (entry.th32ProcessID == GetCurrentProcessId())
            parentId = entry.th32ParentProcessID;
    return parentId;
}

// The process that started this one, while it runs; none when it has ended
// (its id may then name a later process, which started after this one).
UniqueHandle OpenParent()
{
    DWORD parentId = ParentId();
    UniqueHandle parent(parentId ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parentId)
                                 : nullptr);
    if (parent && ProcessStart(parent.get()) > ProcessStart(GetCurrentProcess()))
        parent.reset();
    return parent;
}

DWORD WINAPI EndWhenSignalled(void* parent)
{
    WaitForSingleObject(static_cast<HANDLE>(parent), INFINITE);
    TerminateProcess(GetCurrentProcess(), 1); // at once, as the job would
    return 1;
}

} // namespace

bool EndWithParent()
{
    UniqueHandle parent = OpenParent();
    if (!parent)
        return false;
    UniqueHandle watcher(CreateThread(nullptr, 0, EndWhenSignalled, parent.get(), 0, nullptr));
    if (!watcher)
        return false;
    parent.release(); // the watching thread waits on it for as long as this process lives
    return true;
}

bool ChildProcess::Start(const wchar_t* workerSwitch)
{
    // A worker that could outlive this process is not started at all.
    HANDLE job = WorkersJob();
    if (g_program.empty() || !job)
        return false;
    UniqueHandle inputRead, outputWrite;
    if (!MakePipe(inputRead, m_input, 0))
        return false;
    if (!MakePipe(m_output, outputWrite, 1 << 16)) {
        m_input.reset();
        return false;
    }
    PROCESS_INFORMATION started{};
    bool ok = StartWorker(workerSwitch, inputRead.get(), outputWrite.get(), started);
    inputRead.reset();
    outputWrite.reset();
    if (!ok) {
        m_input.reset();
        m_output.reset();
        return false;
    }
    m_process.reset(started.hProcess);
    UniqueHandle mainThread(started.hThread); // never used
    m_id = started.dwProcessId;
    m_answers = FrameReader(m_output.get());
    // Not started suspended: a worker whose start this process did not live
    // to finish would stay suspended, outside the job, for ever. Until it is in
    // the job, the worker's own watch on this process ends it (EndWithParent).
    ok = AssignProcessToJobObject(job, m_process.get());
    try {
        if (ok)
            m_watchdog = std::thread([this] { Watch(); });
    } catch (const std::system_error&) {
        ok = false;
    }
    if (!ok)
        Stop();
    return ok;
}

bool ChildProcess::Send(FrameKind kind, const std::string& payload)
{
    // A worker that hangs before it reads would block this write for ever
    // once the pipe is full.
    Awaited awaited(*this);
    return m_input && WriteAll(m_input.get(), FrameBytes(kind, payload));
}

void ChildProcess::CloseInput()
{
    m_input.reset();
}

bool ChildProcess::Receive(Frame& frame)
{
    if (!m_output)
        return false;
    Awaited awaited(*this);
    while (m_answers.Read(frame, [this] { m_heard = GetTickCount(); })) {
        if (frame.kind != FrameKind::KeepAlive)
            return true;
        if (frame.payload.empty())
            continue;
        Reader r(frame.payload);
        std::uint64_t done = r.U64();
        if (!r.Ok() || !r.AtEnd())
            return false;
        m_workDone.store(done, std::memory_order_relaxed);
    }
    return false;
}

void ChildProcess::Watch()
{
    for (;;) {
        // In this order: a silence is never measured from before the wait began.
        bool awaiting = m_awaiting;
        DWORD heard = m_heard;
        DWORD silent = awaiting ? GetTickCount() - heard : 0;
        if (silent >= g_silenceLimitMs) {
            TerminateProcess(m_process.get(), 1); // its output ends, and the wait for it
            return;
        }
        if (WaitForSingleObject(m_process.get(), g_silenceLimitMs - silent) != WAIT_TIMEOUT)
            return; // it ended
    }
}

bool ChildProcess::EndedWell(DWORD ms)
{
    DWORD exitCode = 1;
    return m_process && WaitForSingleObject(m_process.get(), ms) == WAIT_OBJECT_0
        && GetExitCodeProcess(m_process.get(), &exitCode) && exitCode == 0;
}

void ChildProcess::Terminate()
{
    // Ended, not ending: the files it had open are closed once this returns.
    // (The call fails only for a worker already ending, the watchdog's doing.)
    if (m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.get(), 1);
        WaitForSingleObject(m_process.get(), INFINITE);
    }
}

void ChildProcess::Stop()
{
    Terminate();
    if (m_watchdog.joinable())
        m_watchdog.join();
    m_process.reset();
    m_input.reset();
    m_output.reset();
}
