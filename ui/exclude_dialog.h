// The exclusion patterns, the Recycle Bin switch and the two checks of
// contents (after each copy, and in the comparison), in a small dialog of
// their own. The patterns are edited one per line; LinesFromList and
// ListFromLines turn them into the stored list and back (exclusion_filter.h).
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"

#include <string>

class CExcludeDlg : public CDialogImpl<CExcludeDlg> {
public:
    enum { IDD = IDD_EXCLUDE };
    CExcludeDlg();

    static std::span<const MessageEntry<CExcludeDlg>> MessageMap();

    std::string m_lines; // the patterns, one per line (CRLF between them)
    int m_recycle = 1;   // RECYCLE
    int m_verify = 0;    // VERIFY
    int m_content = 0;   // CONTENT

    // The stored list as lines, and back.
    static std::string LinesFromList(const std::string& list);
    static std::string ListFromLines(const std::string& lines);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

private:
    void OnAddUsual();
};
