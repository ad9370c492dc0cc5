// The popup shown while a list is made or files are copied: a one-line
// message above a bar with its own percentage text. It has no caption, no
// buttons and takes no input; nothing but the commands themselves opens,
// steps and closes it.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"
#include "ui/text_progress_ctrl.h"

#include <functional>
#include <string>

class CProgressWnd : public CDialogImpl<CProgressWnd> {
public:
    enum { IDD = IDD_PROGRESS };
    // pumpOneMessage lets one queued window message through after each step,
    // so that the window that runs the command stays alive meanwhile.
    explicit CProgressWnd(std::function<void()> pumpOneMessage, HWND parent = nullptr);
    ~CProgressWnd() override;

    static std::span<const MessageEntry<CProgressWnd>> MessageMap();

    std::string m_message;  // set before CreatePopup

    bool CreatePopup();
    // Shows n% in the bar and lets one message through.
    void SetPercent(int percent);
    void Close();

private:
    void LayoutControls();

    CTextProgressCtrl m_bar;
    std::function<void()> m_pumpOneMessage;
};
