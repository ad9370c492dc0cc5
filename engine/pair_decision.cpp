#include "engine/pair_decision.h"

#include "engine/time_text.h"

#include <cstring>

namespace {

std::int64_t Seconds(const FileEntry& entry, EngineHost& host)
{
    std::int64_t seconds = -1;
    if (!ParseTimeText(entry.TimeText(), seconds))
        host.ReportConversionFailure();
    return seconds;
}

} // namespace

void DecidePair(FileEntry& base, std::int32_t baseIndex, FileEntry& target, std::int32_t targetIndex,
                int twoSecondSame, bool baseFirst, EngineHost& host)
{
    int textOrder = std::strcmp(base.TimeText(), target.TimeText());
    std::int64_t baseSeconds, targetSeconds;
    if (baseFirst) {
        baseSeconds = Seconds(base, host);
        targetSeconds = Seconds(target, host);
    } else {
        targetSeconds = Seconds(target, host);
        baseSeconds = Seconds(base, host);
    }
    std::int64_t apart = baseSeconds > targetSeconds ? baseSeconds - targetSeconds : targetSeconds - baseSeconds;

    EntryStatus decision;
    if (base.size == target.size && (textOrder == 0 || (twoSecondSame == 1 && apart <= 2)))
        decision = Same;
    else if (textOrder > 0)
        decision = BaseNewer;
    else if (textOrder < 0)
        decision = TargetNewer;
    else
        decision = Unchecked; // equal times, different sizes: left for the passes to mark as one-sided

    base.undecided = target.undecided = decision == Unchecked;
    if (decision != Unchecked)
        base.status = target.status = decision;
    base.counterpart = targetIndex;
    target.counterpart = baseIndex;
}
