#include "cli/report.h"

namespace {

// Values carry the panel's trailing space; a script wants the number alone.
std::string Trimmed(const std::string& value)
{
    return (!value.empty() && value.back() == ' ') ? value.substr(0, value.size() - 1) : value;
}

template <std::size_t N>
std::string PanelText(PanelKind kind, const PanelContents<N>& panel)
{
    std::string text = std::string("[") + PanelTitle(kind) + "]\t" + StatusWord(panel.status) + "\n";
    std::span<const char* const> captions = CaptionsOf(kind);
    for (std::size_t i = 0; i < N; ++i)
        text += std::string(captions[i]) + "\t" + Trimmed(panel.values[i]) + "\n";
    return text;
}

} // namespace

// Rows go out in blocks: each write converts its text as a whole, and a call
// per row would cost a conversion and a write per row.
void PrintRows(const ResultRows& rows, const Output& output)
{
    constexpr std::size_t kBlockBytes = 64 * 1024;
    std::string block;
    block.reserve(kBlockBytes + 1024);
    for (std::size_t r = 0; r < rows.ShownCount(); ++r) {
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0)
                block += '\t';
            block += rows.CellText(r, column);
        }
        block += '\n';
        if (block.size() >= kBlockBytes) {
            output.Write(stdout, block);
            block.clear();
        }
    }
    output.Write(stdout, block);
}

std::string SummaryText(const SummaryContents& summary)
{
    return PanelText(PanelKind::Transfer, summary.transfer) + PanelText(PanelKind::Base, summary.base)
        + PanelText(PanelKind::Target, summary.target);
}

void PrintSummary(const SummaryContents& summary, const Output& output)
{
    output.Line("");
    output.Write(stdout, SummaryText(summary));
}
