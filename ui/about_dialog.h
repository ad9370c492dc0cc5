// The about box: the program's name and version beside its icon.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialogImpl<CAboutDlg> {
public:
    enum { IDD = IDD_ABOUTBOX };
    CAboutDlg() : CDialogImpl(IDD) {}

    static std::span<const MessageEntry<CAboutDlg>> MessageMap() { return {}; }
};
