#include "ui/notice_dialog.h"

#include <utility>
#include <vector>

namespace {

// Notices whose window is gone, waiting to be released. A notice closed with
// its close box loses its window inside its own message handler, and the
// framework still touches the object when that handler returns; so the object
// is released a moment later, from the message loop.
std::vector<CNoticeDlg*> g_finished;
UINT_PTR g_releaseTimer = 0;

void CALLBACK ReleaseFinished(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, g_releaseTimer);
    g_releaseTimer = 0;
    for (CNoticeDlg* notice : std::exchange(g_finished, {}))
        delete notice;
}

void ReleaseLater(CNoticeDlg* notice)
{
    g_finished.push_back(notice);
    if (!g_releaseTimer)
        g_releaseTimer = SetTimer(nullptr, 0, 0, &ReleaseFinished);
}

} // namespace

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
    ReleaseLater(this);
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
