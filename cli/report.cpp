#include "cli/report.h"

namespace {

// Values carry the panel's trailing space; a script wants the number alone.
std::string Trimmed(const std::string& value)
{
    return (!value.empty() && value.back() == ' ') ? value.substr(0, value.size() - 1) : value;
}

template <std::size_t N>
void PrintPanel(const char* header, const std::string& status, const char* const (&captions)[N],
                const std::array<std::string, N>& values, const Output& output)
{
    output.Line(std::string("[") + header + "]\t" + status);
    for (std::size_t i = 0; i < N; ++i)
        output.Line(std::string(captions[i]) + "\t" + Trimmed(values[i]));
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

void PrintSummary(const SummaryContents& summary, const Output& output)
{
    const char* const transferRows[] = {"総数", "合計", "↓　転送", "↑　転送", "＝"};
    const char* const folderRows[] = {"総数", "合計", "＝", "×", "△", "▲"};
    output.Line("");
    PrintPanel("転送", summary.transferStatus, transferRows, summary.transfer, output);
    PrintPanel("基本フォルダ", summary.baseStatus, folderRows, summary.base, output);
    PrintPanel("対象フォルダ", summary.targetStatus, folderRows, summary.target, output);
}
