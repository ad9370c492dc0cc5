#include "sync/copy_worker.h"

#include "engine/temporary_files.h"
#include "system/long_path.h"
#include "system/wire.h"
#include "system/worker_output.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMostTasks = 256;

// Answers wait no longer than this for the others of their batch.
constexpr DWORD kAnswerWithinMs = 100;

std::string BatchBytes(const std::vector<const CopyTask*>& tasks)
{
    Writer w;
    w.U32(static_cast<std::uint32_t>(tasks.size()));
    for (const CopyTask* task : tasks) {
        w.Text(task->source);
        w.Text(task->destination);
        w.U32(static_cast<std::uint32_t>(task->rule));
        w.U32(task->old == OldVersion::Discard ? 1 : 0);
        w.U32(task->expectNew ? 1 : 0);
        w.Text(task->listedTime);
        w.U32(task->verify ? 1 : 0);
    }
    return w.Bytes();
}

bool ParseBatch(const std::string& bytes, std::vector<CopyTask>& tasks)
{
    Reader r(bytes);
    std::uint32_t count = r.U32();
    if (count > kMostTasks)
        return false;
    tasks.resize(count);
    for (CopyTask& task : tasks) {
        task.source = r.WideText();
        task.destination = r.WideText();
        std::uint32_t rule = r.U32();
        task.rule = static_cast<ReplaceRule>(rule);
        task.old = r.U32() ? OldVersion::Discard : OldVersion::Recycle;
        task.expectNew = r.U32() != 0;
        task.listedTime = r.Text();
        task.verify = r.U32() != 0;
        if (task.source.empty() || task.destination.empty() || rule > static_cast<std::uint32_t>(ReplaceRule::AsListed))
            return false;
    }
    return r.Ok() && r.AtEnd();
}

std::string AnswerBytes(const std::vector<CopyResult>& results)
{
    Writer w;
    w.U32(static_cast<std::uint32_t>(results.size()));
    for (const CopyResult& result : results) {
        w.U32(static_cast<std::uint32_t>(result.failure));
        w.U32(result.error);
        w.U32(result.noBin ? 1 : 0);
    }
    return w.Bytes();
}

// The results of an answer, when it answers some of the copies still
// unanswered and nothing else.
bool ParseAnswers(const std::string& bytes, std::size_t unanswered, std::vector<CopyResult>& results)
{
    Reader r(bytes);
    std::uint32_t count = r.U32();
    if (!r.Ok() || count == 0 || count > unanswered)
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t failure = r.U32(), error = r.U32(), noBin = r.U32();
        if (failure > static_cast<std::uint32_t>(CopyFailure::Last))
            return false;
        results.push_back({static_cast<CopyFailure>(failure), error, noBin != 0});
    }
    return r.Ok() && r.AtEnd();
}

} // namespace

int ServeCopies()
{
    WorkerOutput output;
    // One keep-alive for the worker's life: a thread started per batch would
    // cost round trips of its own. Between batches nobody reads them; the
    // next answer's read takes them with it.
    KeepAlive alive(output);
    TemporaryFolders temporaries;
    // Until the input ends: no more copies.
    FrameReader batches(GetStdHandle(STD_INPUT_HANDLE));
    for (Frame batch; batches.Read(batch);) {
        std::vector<CopyTask> tasks;
        if (batch.kind != FrameKind::CopyBatch || !ParseBatch(batch.payload, tasks))
            return 2;
        // Every answer sent is a few round trips more: answers go together at
        // the end of the batch, or once the copies have lasted long enough for
        // the progress to move.
        std::vector<CopyResult> results;
        DWORD sent = GetTickCount();
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            results.push_back(CopyFileSafely(tasks[i], temporaries));
            if (i + 1 < tasks.size() && GetTickCount() - sent < kAnswerWithinMs)
                continue;
            if (!output.Send(FrameKind::CopyAnswers, AnswerBytes(results)))
                return 1;
            results.clear();
            sent = GetTickCount();
        }
    }
    return 0;
}

void CopyWorkerProcess::Start()
{
    m_child.Start(kCopyWorkerSwitch);
}

std::size_t CopyWorkerProcess::Copy(const std::vector<const CopyTask*>& tasks, const Done& done)
{
    if (!m_child.Running())
        return 0;
    for (const CopyTask* task : tasks)
        m_folders.insert(FolderOfFile(task->destination));
    std::size_t answered = 0;
    // A worker that answers anything but results for the copies it was
    // given, or not all of them, is not trusted with any more.
    bool trusted = m_child.Send(FrameKind::CopyBatch, BatchBytes(tasks));
    Frame answer;
    while (trusted && answered < tasks.size() && m_child.Receive(answer)) {
        std::vector<CopyResult> results;
        trusted = answer.kind == FrameKind::CopyAnswers
            && ParseAnswers(answer.payload, tasks.size() - answered, results);
        for (std::size_t i = 0; trusted && i < results.size(); ++i)
            done(answered++, results[i]);
    }
    if (answered < tasks.size())
        Abandon();
    return answered;
}

// A worker that ended in the middle of a copy may have left its temporary
// file: it goes, with the worker's folders; the destination was never touched
// before the copy was whole.
void CopyWorkerProcess::Abandon()
{
    // Its id is not given to another process while its handle is held.
    m_child.Terminate();
    for (const std::wstring& folder : m_folders)
        RemoveTemporariesOf(folder, m_child.Id());
    m_child.Stop();
}

CopyWorkerProcess::~CopyWorkerProcess()
{
    if (!m_child.Running())
        return;
    m_child.CloseInput();
    if (!m_child.EndedWell(5000))
        Abandon();
}
