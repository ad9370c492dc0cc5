#include "engine/matching.h"

#include "engine/pair_decision.h"
#include "engine/path_index.h"

void MatchBase(std::vector<FileEntry>& base, std::vector<FileEntry>& target, int twoSecondSame, EngineHost& host)
{
    if (base.empty())
        return;
    // The tables are sorted by bytes but paired by folded case, so a forward cursor
    // would step past real partners spelled in another case: look each path up.
    PathIndex targets(target, [](const FileEntry& e) { return e.status == Unchecked; });
    for (std::size_t i = 0; i < base.size(); ++i) {
        host.PumpOneMessage();
        std::int32_t j = targets.Take(base[i].relativePath);
        if (j != PathIndex::kNone)
            DecidePair(base[i], static_cast<std::int32_t>(i), target[j], j, twoSecondSame, true, host);
        if (base[i].status == Unchecked)
            base[i].status = BaseOnly;
    }
}

void MatchTarget(std::vector<FileEntry>& base, std::vector<FileEntry>& target, int twoSecondSame, EngineHost& host)
{
    if (target.empty())
        return;
    PathIndex bases(base, [](const FileEntry& e) { return e.status == Unchecked || e.status == BaseOnly; });
    for (std::size_t k = 0; k < target.size(); ++k) {
        if (target[k].status != Unchecked)
            continue;
        std::int32_t m = bases.Take(target[k].relativePath);
        if (m != PathIndex::kNone)
            DecidePair(base[m], m, target[k], static_cast<std::int32_t>(k), twoSecondSame, false, host);
        if (target[k].status == Unchecked)
            target[k].status = TargetOnly;
    }
}
