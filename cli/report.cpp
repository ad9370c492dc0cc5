#include "cli/report.h"

namespace {

// Values carry the panel's trailing space; a script wants the number alone.
std::string Trimmed(const std::string& value)
{
    return (!value.empty() && value.back() == ' ') ? value.substr(0, value.size() - 1) : value;
}

template <std::size_t N>
std::string PanelText(const char* header, const std::string& status, const char* const (&captions)[N],
                      const std::array<std::string, N>& values)
{
    std::string text = std::string("[") + header + "]\t" + status + "\n";
    for (std::size_t i = 0; i < N; ++i)
        text += std::string(captions[i]) + "\t" + Trimmed(values[i]) + "\n";
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
    const char* const transferRows[] = {"総数", "合計", "↓　転送", "↑　転送", "＝"};
    const char* const folderRows[] = {"総数", "合計", "＝", "×", "△", "▲"};
    return PanelText("転送", summary.transferStatus, transferRows, summary.transfer)
        + PanelText("基本フォルダ", summary.baseStatus, folderRows, summary.base)
        + PanelText("対象フォルダ", summary.targetStatus, folderRows, summary.target);
}

void PrintSummary(const SummaryContents& summary, const Output& output)
{
    output.Line("");
    output.Write(stdout, SummaryText(summary));
}
