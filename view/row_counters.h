// How many rows of the comparison list carry each pair of marks; the summary
// panel adds these up.
#pragma once

struct RowCounters {
    int sameCount = 0;        // "=" rows, shown or hidden
    int downNewerCount = 0;   // "↓" "△"
    int downOnlyCount = 0;    // "↓" "×"
    int upNewerCount = 0;     // "↑" "△"
    int upOnlyCount = 0;      // "↑" "×"
    int baseOlderCount = 0;   // "↑" "△" in the two-way list: the base copy is older
    int targetOlderCount = 0; // "↓" "△" in the two-way list: the target copy is older
    int heldDownCount = 0;    // counted above as "↓", but held back ("！"): not copied
    int heldUpCount = 0;      // likewise "↑"
};
