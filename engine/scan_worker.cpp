#include "engine/scan_worker.h"

#include "engine/worker.h"
#include "system/child_process.h"
#include "system/unique_handle.h"
#include "system/wire.h"
#include "system/worker_output.h"

#include <atomic>
#include <optional>
#include <system_error>
#include <thread>

namespace {

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
    return w.Bytes();
}

bool ParseTable(const std::string& bytes, ScanResult& result)
{
    Reader r(bytes);
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
        read.problems.push_back({std::move(path), r.Text()});
    }
    if (!r.Ok() || !r.AtEnd())
        return false;
    result = std::move(read);
    return true;
}

// The target tree scanned by a worker process.
class ScanWorkerProcess {
public:
    ScanWorkerProcess() = default;
    ~ScanWorkerProcess();
    ScanWorkerProcess(const ScanWorkerProcess&) = delete;
    ScanWorkerProcess& operator=(const ScanWorkerProcess&) = delete;

    // Starts a worker on the request; false when no worker program is set or
    // none could be started.
    bool Start(const ScanRequest& request);
    // Waits for the worker's table, letting messages through the host and
    // showing it the files found, foundHere and the worker's; false when the
    // worker failed or a close request stopped it (it is ended then).
    bool Finish(EngineHost& host, std::uint64_t foundHere, ScanResult& result);
    // The files the worker says it has found so far.
    std::uint64_t FilesFound() const { return m_child.WorkDone(); }

private:
    void Stop();

    ChildProcess m_child;
    UniqueHandle m_readDone; // set once the answer has come, or none will
    std::thread m_reader;
    std::optional<std::string> m_table;
};

// The host of the base scan, which starts the worker once the scan has lasted
// long enough and adds the files the worker has found to those found here;
// everything else is the caller's host.
class StartingWorker : public EngineHost {
public:
    StartingWorker(EngineHost& host, ScanWorkerProcess& worker, const ScanRequest& request)
        : m_host(host), m_worker(worker), m_request(request)
    {
    }
    void PumpOneMessage() override { m_host.PumpOneMessage(); }
    bool Cancelled() const override { return m_host.Cancelled(); }
    void ReportConversionFailure() override { m_host.ReportConversionFailure(); }
    void SetProgress(int percent) override { m_host.SetProgress(percent); }
    void ShowFilesFound(std::uint64_t files) override
    {
        m_foundHere = files;
        m_host.ShowFilesFound(files + m_worker.FilesFound());
    }
    void WaitFor(HANDLE handle) override
    {
        if (m_startTimer.DueOnce())
            m_started = m_worker.Start(m_request);
        m_host.WaitFor(handle);
    }
    bool Started() const { return m_started; }
    std::uint64_t FoundHere() const { return m_foundHere; }

private:
    EngineHost& m_host;
    ScanWorkerProcess& m_worker;
    const ScanRequest& m_request;
    WorkerStartTimer m_startTimer;
    bool m_started = false;
    std::uint64_t m_foundHere = 0;
};

// A worker's host, which keeps the count of files found for its keep-alive
// frames to carry.
class CountingWorkerHost : public WorkerHost {
public:
    void ShowFilesFound(std::uint64_t files) override { m_found.store(files, std::memory_order_relaxed); }
    const std::atomic<std::uint64_t>& Found() const { return m_found; }

private:
    std::atomic<std::uint64_t> m_found{0};
};

} // namespace

int ServeScan()
{
    Frame request;
    ScanRequest asked;
    if (!FrameReader(GetStdHandle(STD_INPUT_HANDLE)).Read(request) || request.kind != FrameKind::ScanRequest
        || !ParseRequest(request.payload, asked))
        return 2;
    WorkerOutput output;
    std::string table;
    {
        CountingWorkerHost host;
        KeepAlive alive(output, &host.Found());
        ScanResult result, none;
        ScanFolders(asked.folderText, "", asked.Layout(), asked.threads, host, result, none);
        table = TableBytes(result);
    }
    return output.Send(FrameKind::ScanTable, table) ? 0 : 1;
}

void ScanTrees(const std::string& baseText, const ScanRequest& target, EngineHost& host, ScanResult& base,
               ScanResult& targetResult)
{
    const ScanLayout layout = target.Layout();
    if (baseText.empty() || target.folderText.empty() || WorkerProgram().empty()) {
        ScanFolders(baseText, target.folderText, layout, target.threads, host, base, targetResult);
        return;
    }
    targetResult = {};  // a close request leaves no earlier table behind
    ScanWorkerProcess worker;
    StartingWorker baseHost(host, worker, target);
    ScanResult none;
    ScanFolders(baseText, "", layout, target.threads, baseHost, base, none);
    if (host.Cancelled() || (baseHost.Started() && worker.Finish(host, baseHost.FoundHere(), targetResult)))
        return;
    ScanFolders("", target.folderText, layout, target.threads, host, none, targetResult, baseHost.FoundHere());
}

bool ScanWorkerProcess::Start(const ScanRequest& request)
{
    // Without the event the wait for the answer could not end: no worker.
    m_readDone.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!m_readDone || !m_child.Start(kScanWorkerSwitch))
        return false;
    bool sent = m_child.Send(FrameKind::ScanRequest, RequestBytes(request));
    m_child.CloseInput();
    try {
        if (sent)
            m_reader = std::thread([this] {
                Frame answer;
                if (m_child.Receive(answer) && answer.kind == FrameKind::ScanTable)
                    m_table = std::move(answer.payload);
                SetEvent(m_readDone.get());
            });
    } catch (const std::system_error&) {
        sent = false;
    }
    if (!sent)
        Stop();
    return sent;
}

bool ScanWorkerProcess::Finish(EngineHost& host, std::uint64_t foundHere, ScanResult& result)
{
    if (!m_child.Running())
        return false;
    Interval showing(kShowFoundEveryMs);
    while (WaitForSingleObject(m_readDone.get(), 0) != WAIT_OBJECT_0) {
        if (host.Cancelled()) {
            Stop();
            return false;
        }
        host.WaitFor(m_readDone.get());
        if (showing.Due())
            host.ShowFilesFound(foundHere + FilesFound());
    }
    m_reader.join();
    // The worker ends as soon as it has written its table.
    bool ok = m_table && m_child.EndedWell(5000) && ParseTable(*m_table, result);
    m_table.reset();
    Stop();
    if (ok)
        host.ShowFilesFound(foundHere + result.entries.size());
    return ok;
}

// Ends a worker still running; its output then ends too, and the reader with it.
void ScanWorkerProcess::Stop()
{
    m_child.Terminate();
    if (m_reader.joinable())
        m_reader.join();
    m_child.Stop();
    m_readDone.reset();
}

ScanWorkerProcess::~ScanWorkerProcess()
{
    Stop();
}
