// The short-lived notice that a folder of a recalled favourite was not found.
// It lives on the heap, is never modal, and releases itself once its window is
// gone, whether its owner's timer or the user's close box ended it.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"

#include <string>

// The window that shows notices and must forget one as soon as it is gone.
class NoticeOwner {
public:
    virtual void ForgetNotice(HWND notice) = 0;

protected:
    ~NoticeOwner() = default;
};

class CNoticeDlg : public CDialogImpl<CNoticeDlg> {
public:
    enum { IDD = IDD_NOTICE };
    explicit CNoticeDlg(HWND parent = nullptr) : CDialogImpl(IDD, parent) {}

    static std::span<const MessageEntry<CNoticeDlg>> MessageMap();

    // Creates the window with ownerWindow as its parent and shows it.
    bool ShowNotice(HWND ownerWindow, NoticeOwner* owner);

    // The notice's window, also while it is going (for ForgetNotice).
    HWND Window() const { return m_window; }

    NoticeOwner* m_owner = nullptr;

protected:
    void OnFinalMessage() override;

private:
    LRESULT OnClose(WPARAM, LPARAM);

    HWND m_window = nullptr;
};

// Shows a notice with the given text, centred on the screen, and returns it;
// null (and nothing left behind) when the window cannot be created. The owner
// then starts its timer that ends the notice.
CNoticeDlg* ShowNoticeWindow(HWND ownerWindow, NoticeOwner* owner, const std::string& text);
