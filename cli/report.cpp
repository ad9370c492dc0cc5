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

void PrintRows(const ResultRows& rows, const Output& output)
{
    for (std::size_t r = 0; r < rows.ShownCount(); ++r) {
        std::string line;
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0)
                line += '\t';
            line += rows.CellText(r, column);
        }
        output.Line(line);
    }
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
