// Pairs base and target entries by relative path (A to Z folded per character)
// and decides each pair: the same, or which side is newer. The results are the
// status and counterpart fields of both tables.
#pragma once
#include "engine/engine_host.h"
#include "engine/file_entry.h"

#include <vector>

// Pass 1: each base entry is paired with the first target entry, in table order,
// with the same folded path that pass 1 has not taken yet; a base entry left
// undecided becomes BaseOnly. Lets one message through per base entry.
void MatchBase(std::vector<FileEntry>& base, std::vector<FileEntry>& target, int twoSecondSame, EngineHost& host);

// Pass 2: each target entry still Unchecked is paired with the first base entry,
// in table order, that pass 1 left unpaired (Unchecked or BaseOnly) and pass 2
// has not taken yet; a target entry left undecided becomes TargetOnly.
void MatchTarget(std::vector<FileEntry>& base, std::vector<FileEntry>& target, int twoSecondSame, EngineHost& host);
