#include "engine/scan_worker.h"

#include "engine/worker.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace {

std::wstring g_program;
DWORD g_startAfterMs = kScanWorkerDelayMs;

// The table travels as length-prefixed fields, little-endian, between two
// marks that tell a whole answer from a cut one.
const char kBegin[] = "MVS1", kEnd[] = "END1";
constexpr std::size_t kMarkLength = 4;

class Writer {
public:
    void Raw(const void* data, std::size_t size) { m_out.append(static_cast<const char*>(data), size); }
    void U32(std::uint32_t value) { Raw(&value, sizeof value); }
    void U64(std::uint64_t value) { Raw(&value, sizeof value); }
    void Text(const std::string& text)
    {
        U32(static_cast<std::uint32_t>(text.size()));
        Raw(text.data(), text.size());
    }
    const std::string& Bytes() const { return m_out; }

private:
    std::string m_out;
};

// Reads what a Writer wrote; any field that runs past the end fails the whole.
class Reader {
public:
    explicit Reader(const std::string& in) : m_in(in) {}
    bool Raw(void* data, std::size_t size)
    {
        if (!m_ok || m_in.size() - m_at < size) {
            m_ok = false;
            return false;
        }
        std::memcpy(data, m_in.data() + m_at, size);
        m_at += size;
        return true;
    }
    std::uint32_t U32()
    {
        std::uint32_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::uint64_t U64()
    {
        std::uint64_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::string Text()
    {
        std::uint32_t size = U32();
        if (!m_ok || m_in.size() - m_at < size) {
            m_ok = false;
            return {};
        }
        std::string text = m_in.substr(m_at, size);
        m_at += size;
        return text;
    }
    bool Mark(const char* mark)
    {
        char read[kMarkLength] = {};
        return Raw(read, kMarkLength) && std::memcmp(read, mark, kMarkLength) == 0;
    }
    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_at == m_in.size(); }

private:
    const std::string& m_in;
    std::size_t m_at = 0;
    bool m_ok = true;
};

std::string RequestBytes(const ScanRequest& request)
{
    Writer w;
    w.Text(request.folderText);
    w.U32(static_cast<std::uint32_t>(request.subFolder));
    w.U32(static_cast<std::uint32_t>(request.rootFile));
    w.Text(request.excludePatterns);
    w.U32(static_cast<std::uint32_t>(request.threads));
    return w.Bytes();
}

bool ParseRequest(const std::string& bytes, ScanRequest& request)
{
    Reader r(bytes);
    request.folderText = r.Text();
    request.subFolder = static_cast<int>(r.U32());
    request.rootFile = static_cast<int>(r.U32());
    request.excludePatterns = r.Text();
    request.threads = static_cast<int>(r.U32());
    return r.Ok() && r.AtEnd();
}

std::string TableBytes(const ScanResult& result)
{
    Writer w;
    w.Raw(kBegin, kMarkLength);
    w.U32(static_cast<std::uint32_t>(result.entries.size()));
    for (const FileEntry& entry : result.entries) {
        w.Text(entry.relativePath);
        w.U64(entry.size);
        w.Raw(entry.timeText.data(), kTimeTextLength);
        w.U32(entry.isRoot ? 1 : 0);
    }
    w.U32(static_cast<std::uint32_t>(result.problems.size()));
    for (const Problem& problem : result.problems) {
        w.Text(problem.path);
        w.Text(problem.reason);
    }
    w.Raw(kEnd, kMarkLength);
    return w.Bytes();
}

bool ParseTable(const std::string& bytes, ScanResult& result)
{
    Reader r(bytes);
    if (!r.Mark(kBegin))
        return false;
    ScanResult read;
    std::uint32_t entries = r.U32();
    // Each entry takes at least 35 bytes: a count no answer could hold is refused
    // before anything is reserved for it.
    if (!r.Ok() || entries > bytes.size() / 35)
        return false;
    read.entries.resize(entries);
    for (FileEntry& entry : read.entries) {
        entry.relativePath = r.Text();
        entry.size = r.U64();
        r.Raw(entry.timeText.data(), kTimeTextLength);
        entry.isRoot = r.U32() != 0;
    }
    std::uint32_t problems = r.U32();
    for (std::uint32_t i = 0; r.Ok() && i < problems; ++i) {
        std::string path = r.Text();
        read.problems.push_back({path, r.Text()});
    }
    if (!r.Mark(kEnd) || !r.AtEnd())
        return false;
    result = std::move(read);
    return true;
}

std::string ReadToEnd(HANDLE handle)
{
    std::string data;
    char buffer[1 << 16];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0)
        data.append(buffer, got);
    return data;
}

bool WriteAll(HANDLE handle, const std::string& data)
{
    for (std::size_t at = 0; at < data.size();) {
        DWORD wrote = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - at, 1 << 20));
        if (!WriteFile(handle, data.data() + at, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        at += wrote;
    }
    return true;
}

int ServeScan()
{
    ScanRequest request;
    if (!ParseRequest(ReadToEnd(GetStdHandle(STD_INPUT_HANDLE)), request))
        return 2;
    WorkerHost host;
    ScanResult result, none;
    ScanFolders(request.folderText, "", request.Layout(), request.threads, host, result, none);
    return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), TableBytes(result)) ? 0 : 1;
}

void Close(HANDLE& handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

// The host of the base scan, which starts the worker once the scan has lasted
// long enough; everything else is the caller's host.
class StartingWorker : public EngineHost {
public:
    StartingWorker(EngineHost& host, ScanWorkerProcess& worker, const ScanRequest& request)
        : m_host(host), m_worker(worker), m_request(request), m_start(GetTickCount())
    {
    }
    void PumpOneMessage() override { m_host.PumpOneMessage(); }
    bool Cancelled() const override { return m_host.Cancelled(); }
    void ReportConversionFailure() override { m_host.ReportConversionFailure(); }
    void SetProgress(int percent) override { m_host.SetProgress(percent); }
    void WaitFor(HANDLE handle) override
    {
        if (!m_tried && GetTickCount() - m_start >= g_startAfterMs) {
            m_tried = true;
            m_started = m_worker.Start(m_request);
        }
        m_host.WaitFor(handle);
    }
    bool Started() const { return m_started; }

private:
    EngineHost& m_host;
    ScanWorkerProcess& m_worker;
    const ScanRequest& m_request;
    DWORD m_start;
    bool m_tried = false, m_started = false;
};

} // namespace

void ScanTrees(const std::string& baseText, const ScanRequest& target, EngineHost& host, ScanResult& base,
               ScanResult& targetResult)
{
    const ScanLayout layout = target.Layout();
    if (baseText.empty() || target.folderText.empty() || g_program.empty()) {
        ScanFolders(baseText, target.folderText, layout, target.threads, host, base, targetResult);
        return;
    }
    ScanWorkerProcess worker;
    StartingWorker baseHost(host, worker, target);
    ScanResult none;
    ScanFolders(baseText, "", layout, target.threads, baseHost, base, none);
    if (host.Cancelled() || (baseHost.Started() && worker.Finish(host, targetResult)))
        return;
    ScanFolders("", target.folderText, layout, target.threads, host, none, targetResult);
}

void SetScanWorkerProgram(const std::wstring& program, DWORD startAfterMs)
{
    g_program = program;
    g_startAfterMs = startAfterMs;
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

bool RunScanWorkerIfAsked(int& exitCode)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    bool asked = arguments && count == 2 && std::wcscmp(arguments[1], kScanWorkerSwitch) == 0;
    LocalFree(arguments);
    if (asked)
        exitCode = ServeScan();
    return asked;
}

bool ScanWorkerProcess::Start(const ScanRequest& request)
{
    if (g_program.empty())
        return false;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE inputRead = nullptr, inputWrite = nullptr, outputWrite = nullptr;
    if (!CreatePipe(&inputRead, &inputWrite, &inherited, 0))
        return false;
    if (!CreatePipe(&m_output, &outputWrite, &inherited, 1 << 16)) {
        Close(inputRead);
        Close(inputWrite);
        return false;
    }
    // Only the worker's own ends go to the worker.
    SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    // No console of its own: a console program would get one made for nothing.
    std::wstring commandLine = L"\"" + g_program + L"\" " + kScanWorkerSwitch;
    PROCESS_INFORMATION started{};
    bool ok = CreateProcessW(g_program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                             nullptr, nullptr, &startup, &started);
    Close(inputRead);
    Close(outputWrite);
    if (!ok) {
        Close(inputWrite);
        Close(m_output);
        return false;
    }
    CloseHandle(started.hThread);
    m_process = started.hProcess;
    bool sent = WriteAll(inputWrite, RequestBytes(request));
    Close(inputWrite);
    m_readDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_reader = std::thread([this] {
        m_data = ReadToEnd(m_output);
        SetEvent(m_readDone);
    });
    if (!sent)
        Stop();
    return sent;
}

bool ScanWorkerProcess::Finish(EngineHost& host, ScanResult& result)
{
    if (!m_process)
        return false;
    while (WaitForSingleObject(m_readDone, 0) != WAIT_OBJECT_0) {
        if (host.Cancelled()) {
            Stop();
            return false;
        }
        host.WaitFor(m_readDone);
    }
    m_reader.join();
    // The worker ends as soon as it has written its table.
    DWORD exitCode = 1;
    bool ended = WaitForSingleObject(m_process, 5000) == WAIT_OBJECT_0 && GetExitCodeProcess(m_process, &exitCode);
    bool ok = ended && exitCode == 0 && ParseTable(m_data, result);
    m_data.clear();
    Stop();
    return ok;
}

// Ends a worker still running; its output then ends too, and the reader with it.
void ScanWorkerProcess::Stop()
{
    if (m_process && WaitForSingleObject(m_process, 0) != WAIT_OBJECT_0)
        TerminateProcess(m_process, 1);
    if (m_reader.joinable())
        m_reader.join();
    Close(m_process);
    Close(m_output);
    Close(m_readDone);
}

ScanWorkerProcess::~ScanWorkerProcess()
{
    Stop();
}
