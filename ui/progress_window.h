// The popup shown while a list is made or files are copied: a one-line
// message above a bar with its own percentage text, and the button 中止 that
// asks the command to stop. It has no caption and no default button: Enter
// and a close request (Alt+F4) do nothing to it, Escape is the window's (it
// stops the command as 中止 does), and nothing but the commands themselves
// opens, steps and closes it.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"
#include "ui/text_progress_ctrl.h"

#include <functional>
#include <string>

// A push button that never becomes the default one: the dialog manager makes
// a push button the default (BM_SETSTYLE) when Tab brings it the focus, and
// Enter then presses it. This one keeps the style it was made with.
class CNeverDefaultButton : public MessageMapped<CNeverDefaultButton, CWnd> {
public:
    static std::span<const MessageEntry<CNeverDefaultButton>> MessageMap();

private:
    LRESULT KeepStyle(WPARAM, LPARAM) { return 0; }
};

class CProgressWnd : public CDialogImpl<CProgressWnd> {
public:
    enum { IDD = IDD_PROGRESS };
    // pumpOneMessage lets one queued window message through after each step,
    // so that the window that runs the command stays alive meanwhile; stop is
    // what 中止 asks for.
    explicit CProgressWnd(std::function<void()> pumpOneMessage, std::function<void()> stop = {},
                          HWND parent = nullptr);
    ~CProgressWnd() override;

    static std::span<const MessageEntry<CProgressWnd>> MessageMap();

    std::string m_message;  // set before CreatePopup

    bool CreatePopup();
    // Shows n% in the bar and lets one message through.
    void SetPercent(int percent);
    void SetMessage(const std::string& message);
    // The stop is asked for: 中止 greys until the command has stopped.
    void ShowStopping();
    void Close();

protected:
    // Enter (IDOK), and a close request or Escape (IDCANCEL), end nothing.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void LayoutControls();
    void OnStopClicked();

    CTextProgressCtrl m_bar;
    CNeverDefaultButton m_stopButton;
    std::function<void()> m_pumpOneMessage;
    std::function<void()> m_stop;
};
