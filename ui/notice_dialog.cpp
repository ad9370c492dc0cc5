#include "ui/notice_dialog.h"

std::span<const MessageEntry<CNoticeDlg>> CNoticeDlg::MessageMap()
{
    using T = CNoticeDlg;
    static const MessageEntry<T> map[] = {
        OnMessage<T>(WM_CLOSE, &T::OnClose),
    };
    return map;
}

bool CNoticeDlg::ShowNotice(HWND ownerWindow, NoticeOwner* owner)
{
    m_owner = owner;
    if (!Create(ownerWindow))
        return false;
    m_window = m_hWnd;
    ShowWindow(m_hWnd, SW_SHOW);
    return true;
}

LRESULT CNoticeDlg::OnClose(WPARAM, LPARAM)
{
    DestroyWindow(m_hWnd);
    return 0;
}

void CNoticeDlg::OnFinalMessage()
{
    if (m_owner)
        m_owner->ForgetNotice(m_window);
    delete this;
}

CNoticeDlg* ShowNoticeWindow(HWND ownerWindow, NoticeOwner* owner, const std::string& text)
{
    auto* notice = new CNoticeDlg;
    if (!notice->ShowNotice(ownerWindow, owner)) {
        delete notice;
        return nullptr;
    }
    notice->CenterWindow(GetDesktopWindow());
    notice->SetDlgItemText(IDC_NOTICE_TEXT, text);
    return notice;
}
