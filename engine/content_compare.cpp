#include "engine/content_compare.h"

#include "engine/worker.h"
#include "system/long_path.h"
#include "system/path_text.h"

#include <algorithm>
#include <atomic>

namespace {

struct Pair {
    std::size_t base, target;
    std::uint64_t size;
    ContentsCheck check;
};

// The pairs of one size, largest first, so that a large file does not start last.
std::vector<Pair> PairsOfOneSize(const std::vector<FileEntry>& base, const std::vector<FileEntry>& target)
{
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i < base.size(); ++i) {
        const FileEntry& b = base[i];
        if (!Paired(b.status) || b.counterpart < 0 || static_cast<std::size_t>(b.counterpart) >= target.size())
            continue;
        if (target[b.counterpart].size == b.size)
            pairs.push_back({i, static_cast<std::size_t>(b.counterpart), b.size, {}});
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.size > b.size; });
    return pairs;
}

} // namespace

void CompareContentsOfPairs(std::vector<FileEntry>& base, std::vector<FileEntry>& target, const ContentPairs& where,
                            EngineHost& host, const ShowCompared& show, Problems& problems)
{
    std::vector<Pair> pairs = PairsOfOneSize(base, target);
    std::uint64_t total = 0;
    for (const Pair& p : pairs)
        total += p.size;
    ContentsProgress progress;
    std::atomic<std::size_t> next{0};
    Interval showing(kShowFoundEveryMs);
    {
        Workers workers(std::min<int>(where.threads, static_cast<int>(pairs.size())), [&](int, EngineHost& own) {
            for (std::size_t k; !own.Cancelled() && (k = next++) < pairs.size();) {
                Pair& p = pairs[k];
                p.check = CompareContents(LongPath(where.baseFolder, base[p.base].relativePath),
                                          LongPath(where.targetFolder, target[p.target].relativePath),
                                          SecondRead::Cached, &progress);
                progress.compared += p.size - std::min(p.size, p.check.compared); // the rest need not be read
            }
        });
        workers.Wait(host, [&] {
            progress.stop = host.Cancelled();
            if (show && showing.Due())
                show(progress.compared, total);
        });
    }
    if (host.Cancelled())
        return;
    if (show && total > 0)
        show(progress.compared, total);
    for (const Pair& p : pairs) {
        FileEntry &b = base[p.base], &t = target[p.target];
        switch (p.check.result) {
        case Contents::Equal:
            b.status = t.status = Same;
            break;
        case Contents::Different:
            b.undecided = t.undecided = b.status == Same; // times and sizes could not tell them apart
            break;
        case Contents::Unreadable:
            problems.push_back({WithTrailingBackslash(where.baseFolder) + b.relativePath,
                                "内容を比較できませんでした（日時とサイズで比べました）: " + SystemMessage(p.check.error)});
            break;
        }
    }
}
