// The comparison as text: one tab-separated line per shown row, then the three
// summary panels with their status words.
#pragma once
#include "cli/output.h"
#include "view/result_rows.h"
#include "view/summary.h"

void PrintRows(const ResultRows& rows, const Output& output);
void PrintSummary(const SummaryContents& summary, const Output& output);
