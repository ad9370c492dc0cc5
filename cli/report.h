// The comparison as text: one tab-separated line per shown row, then the three
// summary panels with their status words.
#pragma once
#include "cli/output.h"
#include "view/result_rows.h"
#include "view/summary.h"

void PrintRows(const ResultRows& rows, const Output& output);
void PrintSummary(const SummaryContents& summary, const Output& output);
// The three panels as lines of text ("[転送]\tOK", then caption and value).
std::string SummaryText(const SummaryContents& summary);
