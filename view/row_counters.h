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
    // The rows above are counted by their state. The sync copies otherwise:
    int heldDownCount = 0;    // counted as "↓" but not copied down: held back ("！"), undecided ("？") or chosen otherwise
    int heldUpCount = 0;      // likewise "↑"
    int chosenDownCount = 0;  // copied down by the user's choice, though not counted as "↓"
    int chosenUpCount = 0;    // likewise "↑"
};
