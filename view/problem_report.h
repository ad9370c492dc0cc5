// What the window tells the user when files were not read or not copied: a
// short message with the first few, and the whole list as text to open or copy.
#pragma once
#include "engine/problem.h"

#include <string>

// How many problems the message names; the rest are in the full report.
constexpr std::size_t kProblemsInMessage = 10;

// The message after a list build (notCopied empty) or after a sync; empty when
// nothing went wrong. Paths are in the stored form.
std::string ProblemMessage(const Problems& unread, const Problems& notCopied);

// Every problem, one per line: path, tab, reason, under a heading per kind.
std::string ProblemReportText(const Problems& unread, const Problems& notCopied);

// The notice after a sync that replaced files on a drive without a Recycle
// Bin: they were copied, but their old versions are gone. Empty when none.
std::string NoBinMessage(const Problems& noBin);
