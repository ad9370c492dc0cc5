// CDialog: a dialog from a template, modal (DoModal) or modeless (Create); the
// two differ only in how the window is created and ended.
#pragma once
#include "framework/data_exchange.h"
#include "framework/message_map.h"
#include "framework/window.h"

// The application's help command, numbered as Windows frameworks number it. F1
// in any dialog sends it to the application's main window, so the window that
// handles its Help menu opens the same help for the key.
constexpr WORD kHelpCommand = 0xE146;

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, HWND parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    INT_PTR DoModal();
    bool Create(HWND parent = nullptr);
    void EndDialog(INT_PTR result);

    // Runs the data exchange; false when saving failed validation.
    bool UpdateData(bool save);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange&) {}
    // Default buttons: OK saves the data and ends the dialog, Cancel ends it.
    virtual void OnOK();
    virtual void OnCancel();

    bool ProcessWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    int m_templateId;
    HWND m_parent;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool m_modal = false;
};

// A dialog class with its own message map: class CFooDlg : public CDialogImpl<CFooDlg>.
template <class T>
class CDialogImpl : public MessageMapped<T, CDialog> {
public:
    using MessageMapped<T, CDialog>::MessageMapped;
};
