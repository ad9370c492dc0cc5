#include "ui/exclude_dialog.h"

#include "engine/exclusion_filter.h"
#include "framework/edit.h"

namespace {

// What users most often want out of a list: Office's lock files, the
// thumbnail caches and folder settings of Windows, temporary files, and the
// Finder's folder records from a Mac.
const char* const kUsualNoise[] = {"~$*", "Thumbs.db", "desktop.ini", "*.tmp", ".DS_Store"};

const int kMaxPatternText = 8192;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == kPatternSeparator) { // "|" cannot be part of a name
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

} // namespace

CExcludeDlg::CExcludeDlg() : CDialogImpl(IDD)
{
}

std::span<const MessageEntry<CExcludeDlg>> CExcludeDlg::MessageMap()
{
    using T = CExcludeDlg;
    static const MessageEntry<T> map[] = {
        OnCommand<T>(IDC_EXC_ADD_USUAL, BN_CLICKED, &T::OnAddUsual),
    };
    return map;
}

std::string CExcludeDlg::LinesFromList(const std::string& list)
{
    std::string lines;
    for (const std::string& pattern : SplitPatterns(list))
        lines += (lines.empty() ? "" : "\r\n") + pattern;
    return lines;
}

std::string CExcludeDlg::ListFromLines(const std::string& lines)
{
    return JoinPatterns(Lines(lines));
}

// The caret goes after the last pattern, nothing selected: the first key
// typed would otherwise replace the whole list.
BOOL CExcludeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CEdit patterns(GetDlgItem(IDC_EXC_PATTERNS));
    SetFocus(patterns);
    int end = GetWindowTextLengthA(patterns);
    patterns.SetSel(end, end);
    return FALSE; // the focus is set
}

void CExcludeDlg::DoDataExchange(DataExchange& dx)
{
    DdxTextMax(dx, IDC_EXC_PATTERNS, m_lines, kMaxPatternText);
    DdxCheck(dx, IDC_EXC_RECYCLE, m_recycle);
    DdxCheck(dx, IDC_EXC_VERIFY, m_verify);
    DdxCheck(dx, IDC_EXC_CONTENT, m_content);
}

// Adds each usual pattern the list does not hold yet (in any case), at its end.
void CExcludeDlg::OnAddUsual()
{
    std::string text = GetDlgItemText(IDC_EXC_PATTERNS);
    std::vector<std::string> present = Lines(text);
    for (const char* noise : kUsualNoise) {
        bool there = false;
        for (const std::string& line : present)
            there |= lstrcmpiA(line.c_str(), noise) == 0;
        if (there)
            continue;
        if (!text.empty() && text.back() != '\n')
            text += "\r\n";
        text += noise;
    }
    SetDlgItemText(IDC_EXC_PATTERNS, text);
}
