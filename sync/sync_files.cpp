#include "sync/sync_files.h"

#include "engine/transfer.h"
#include "sync/copy_pool.h"
#include "sync/folder_chain.h"
#include "system/long_path.h"
#include "system/path_text.h"

#include <windows.h>

#include <optional>

namespace {

const char kNoBinReason[] = "ごみ箱のないドライブのため、古いファイルはごみ箱に移さずに置き換えました";
const char kStoppedReason[] = "中止したため、コピーしませんでした";

// Position in the whole list, rows needing no copy included; 100 only at the end.
int PercentAt(std::size_t i, std::size_t n)
{
    int percent = static_cast<int>(static_cast<double>(i) / static_cast<double>(n) * 100.0);
    return (percent == 100 && i != n) ? 99 : percent;
}

// Folders known to exist, so that a folder is asked for once per run of files in it.
class FolderMaker {
public:
    // 0 when the destination's folder exists (made if need be), else the error.
    DWORD Ensure(const std::wstring& destination)
    {
        std::wstring folder = FolderOfFile(destination);
        if (folder == m_lastFolder)
            return m_lastError;
        m_lastFolder = folder;
        m_lastError = IsFolder(folder) ? 0 : CreateFolderChain(folder);
        return m_lastError;
    }

private:
    std::wstring m_lastFolder;
    DWORD m_lastError = 0;
};

// What became of each row of the list, and the progress that follows from it:
// the position of the last copy finished with every row before it finished too.
class Outcomes {
public:
    Outcomes(std::size_t n, SyncHost& host) : m_rows(n), m_host(host) {}

    bool Settled(std::size_t i) const { return m_rows[i].settled; }
    void Skipped(std::size_t i) { m_rows[i].settled = true; }
    void Failed(std::size_t i, Problem problem)
    {
        m_rows[i].problem = std::move(problem);
        m_rows[i].settled = true;
    }
    void Finished(std::size_t i, std::string destination, const CopyResult& result)
    {
        if (!result.Copied())
            m_rows[i].problem = Problem{std::move(destination), ReasonText(result)};
        else if (result.noBin)
            m_rows[i].noBin = Problem{std::move(destination), kNoBinReason};
        m_rows[i].settled = m_rows[i].copyEnded = true;
        Advance();
    }
    void Advance()
    {
        for (; m_settled < m_rows.size() && m_rows[m_settled].settled; ++m_settled)
            if (m_rows[m_settled].copyEnded)
                m_host.SetProgress(PercentAt(m_settled, m_rows.size()));
    }
    Problems NotCopied(Problems* noBin) const
    {
        Problems problems;
        for (const Row& row : m_rows) {
            if (row.problem)
                problems.push_back(*row.problem);
            if (row.noBin && noBin)
                noBin->push_back(*row.noBin);
        }
        return problems;
    }

private:
    struct Row {
        bool settled = false;   // nothing more will become of it
        bool copyEnded = false; // a copy was made of it, successful or not: the popup moves
        std::optional<Problem> problem, noBin;
    };
    std::vector<Row> m_rows;
    std::size_t m_settled = 0;
    SyncHost& m_host;
};

// The way an undecided row would be copied, to name it by its destination: a
// pair of other sizes by its row's side, one of other contents (a row of its
// own) by the direction, the target's for two ways.
Transfer UndecidedWay(SyncDirection direction, const FileEntry& entry)
{
    Transfer byState = TransferOf(direction, entry.status);
    if (byState != Transfer::None)
        return byState;
    return direction == Up ? Transfer::Up : Transfer::Down;
}

// A copy the user chose replaces the destination whatever its time, as long
// as it is the file the list showed them; where the list showed none, none may
// have appeared since.
void ChosenByUser(CopyTask& task, const Comparison::Sides& sides, bool down)
{
    const FileEntry* destination = down ? sides.target : sides.base;
    task.rule = ReplaceRule::AsListed;
    task.expectNew = destination == nullptr;
    task.listedTime = destination ? destination->TimeText() : "";
}

// After a stop, each marked row whose copy was never made is named by its
// destination: those not reached and those still queued when the stop came.
void NameNotHandedOut(std::span<const FileEntry> list, const ComparisonInputs& inputs, Outcomes& outcomes)
{
    SyncDirection direction = inputs.GetDirection();
    for (std::size_t i = 0; i < list.size(); ++i) {
        Transfer transfer = CopyOf(direction, list[i]);
        if (outcomes.Settled(i) || transfer == Transfer::None)
            continue;
        std::string to = transfer == Transfer::Down ? inputs.TargetFolder() : inputs.BaseFolder();
        outcomes.Failed(i, {WithTrailingBackslash(to) + list[i].relativePath, kStoppedReason});
    }
}

} // namespace

Problems SyncFiles(const Comparison& comparison, const ComparisonInputs& inputs, SyncHost& host, int workers,
                   Problems* noBin)
{
    OldVersion old = inputs.Recycle() ? OldVersion::Recycle : OldVersion::Discard;
    std::span<const FileEntry> list = comparison.List(inputs.GetDirection());
    std::size_t n = list.size();
    host.OpenSyncProgress();
    FolderMaker folders;
    Outcomes outcomes(n, host);
    std::vector<std::string> destinations(n); // as the report names them
    CopyPool pool(workers > 0 ? workers : DefaultCopyWorkers());
    auto collect = [&] {
        for (const CopyDone& done : pool.TakeDone())
            outcomes.Finished(done.index, destinations[done.index], done.result);
    };
    // After a close or stop request nothing more is handed out; the copies in
    // flight complete, a failure among them is still named, and so is every
    // file whose copy was never made.
    auto stop = [&] {
        pool.Cancel();
        while (!pool.Idle())
            host.WaitFor(pool.FinishedEvent());
        collect();
        NameNotHandedOut(list, inputs, outcomes);
        return outcomes.NotCopied(noBin);
    };

    for (std::size_t i = 0; i < n; ++i) {
        const FileEntry& entry = list[i];
        SyncDirection direction = inputs.GetDirection();
        // A held-back row is named by the list that holds it back; an
        // undecided one is named here, by the copy it would have been.
        bool undecided = TransferOf(direction, entry) == Transfer::Undecided;
        Transfer transfer = undecided ? UndecidedWay(direction, entry) : CopyOf(direction, entry);
        if (transfer == Transfer::None) {
            outcomes.Skipped(i);
            continue;
        }
        bool down = transfer == Transfer::Down;
        std::string from = down ? inputs.BaseFolder() : inputs.TargetFolder();
        std::string to = down ? inputs.TargetFolder() : inputs.BaseFolder();
        // A folder text typed without its final "\" still names the folder itself;
        // an emptied one names no folder at all (never the current one).
        if (from.empty() || to.empty()) {
            outcomes.Failed(i, {entry.relativePath, "フォルダ欄が空のため、コピーしませんでした"});
            continue;
        }
        destinations[i] = WithTrailingBackslash(to) + entry.relativePath;
        if (undecided) {
            CopyFailure conflict = UndecidedBySize(entry) ? CopyFailure::Conflict : CopyFailure::ContentConflict;
            outcomes.Failed(i, {destinations[i], ReasonText({conflict})});
            continue;
        }
        CopyTask task{i, LongPath(from, entry.relativePath), LongPath(to, entry.relativePath),
                      // Two-way runs never overwrite a file of the same time: a pair that
                      // became one since the list was made would otherwise be copied both ways.
                      direction == Both ? ReplaceRule::EarlierOnly : ReplaceRule::NotLater,
                      entry.status == BaseOnly || entry.status == TargetOnly, old, entry.size, {},
                      inputs.Verify() != 0};
        if (entry.choice != RowChoice::Automatic)
            ChosenByUser(task, comparison.SidesOf(direction, entry), down);
        // A missing folder chain is made before the first file that needs it is handed out.
        if (DWORD error = folders.Ensure(task.destination)) {
            outcomes.Failed(i, {destinations[i], ReasonText({CopyFailure::FolderNotCreated, error})});
            continue;
        }
        while (!pool.TryAdd(task) && !host.Cancelled()) {
            host.WaitFor(pool.FinishedEvent());
            collect();
        }
        collect();
        host.PumpOneMessage();
        if (host.Cancelled())
            return stop();
    }
    outcomes.Advance();
    while (!pool.Idle()) {
        host.WaitFor(pool.FinishedEvent());
        collect();
        if (host.Cancelled())
            return stop();
    }
    collect();
    host.SetProgress(100);
    host.CloseProgress();
    return outcomes.NotCopied(noBin);
}
