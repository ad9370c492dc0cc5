#include "sync/copy_worker.h"

#include "engine/long_path.h"
#include "engine/temporary_files.h"
#include "engine/wire.h"

#include <cstdint>
#include <cstring>

namespace {

// A hand-over of the longest paths Windows allows, with their fields.
constexpr std::uint32_t kLongestTask = 2 * 32768 * sizeof(wchar_t) + 64;
constexpr std::uint32_t kMostTasks = 256;

// Answers wait no longer than this for the others of their batch.
constexpr DWORD kAnswerWithinMs = 100;

// What the worker answers for each copy.
struct Answer {
    std::uint32_t failure, error, noBin;
};

std::string BatchBytes(const std::vector<const CopyTask*>& tasks)
{
    Writer w;
    w.U32(static_cast<std::uint32_t>(tasks.size()));
    for (const CopyTask* task : tasks) {
        w.Text(task->source);
        w.Text(task->destination);
        w.U32(task->rule == ReplaceRule::EarlierOnly ? 1 : 0);
        w.U32(task->old == OldVersion::Discard ? 1 : 0);
        w.U32(task->expectNew ? 1 : 0);
    }
    Writer framed;
    framed.Text(w.Bytes());
    return framed.Bytes();
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
        task.rule = r.U32() ? ReplaceRule::EarlierOnly : ReplaceRule::NotLater;
        task.old = r.U32() ? OldVersion::Discard : OldVersion::Recycle;
        task.expectNew = r.U32() != 0;
        if (task.source.empty() || task.destination.empty())
            return false;
    }
    return r.Ok() && r.AtEnd();
}

// Tells each whole answer in pending, up to total, and takes it out; false at
// one that is no answer.
bool TellAnswers(std::string& pending, std::size_t& answered, std::size_t total, const CopyWorkerProcess::Done& done)
{
    std::size_t at = 0;
    for (; pending.size() - at >= sizeof(Answer) && answered < total; at += sizeof(Answer)) {
        Answer answer;
        std::memcpy(&answer, pending.data() + at, sizeof answer);
        if (answer.failure > static_cast<std::uint32_t>(CopyFailure::Last))
            break;
        done(answered++, {static_cast<CopyFailure>(answer.failure), answer.error, answer.noBin != 0});
    }
    pending.erase(0, at);
    return pending.size() < sizeof(Answer) || answered == total;
}

} // namespace

int ServeCopies()
{
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE), out = GetStdHandle(STD_OUTPUT_HANDLE);
    TemporaryFolders temporaries;
    for (;;) {
        std::uint32_t length = 0;
        if (!ReadExactly(in, &length, sizeof length))
            return 0; // no more copies
        if (length > kMostTasks * kLongestTask)
            return 2;
        std::string bytes(length, '\0');
        std::vector<CopyTask> tasks;
        if (!ReadExactly(in, bytes.data(), length) || !ParseBatch(bytes, tasks))
            return 2;
        // Every answer sent is a few round trips more: answers go together at
        // the end of the batch, or once the copies have lasted long enough for
        // the progress to move.
        std::string answers;
        DWORD sent = GetTickCount();
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            CopyResult result = CopyFileSafely(tasks[i], temporaries);
            Answer answer{static_cast<std::uint32_t>(result.failure), result.error, result.noBin ? 1u : 0u};
            answers.append(reinterpret_cast<const char*>(&answer), sizeof answer);
            if (i + 1 < tasks.size() && GetTickCount() - sent < kAnswerWithinMs)
                continue;
            if (!WriteAll(out, answers))
                return 1;
            answers.clear();
            sent = GetTickCount();
        }
    }
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
    std::string pending;
    if (WriteAll(m_child.Input(), BatchBytes(tasks))) {
        // Answers are read as they come, several at once when several are there.
        char buffer[sizeof(Answer) * 64];
        DWORD got = 0;
        while (answered < tasks.size() && ReadFile(m_child.Output(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
            pending.append(buffer, got);
            if (!TellAnswers(pending, answered, tasks.size(), done))
                break;
        }
    }
    // A worker that did not answer every copy, or answered more than it was
    // given, is not trusted with any more.
    if (answered < tasks.size() || !pending.empty())
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
