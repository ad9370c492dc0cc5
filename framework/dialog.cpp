#include "framework/dialog.h"

#include "framework/app.h"

namespace {

// Messages whose answer a dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool AnswersDirectly(UINT msg)
{
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG
        || msg == WM_QUERYDRAGICON || msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM
        || msg == WM_CHARTOITEM;
}

} // namespace

INT_PTR CDialog::DoModal()
{
    m_modal = true;
    HWND owner = m_parent;
    if (!owner && AfxGetApp() && AfxGetApp()->m_mainWnd && AfxGetApp()->m_mainWnd != this)
        owner = AfxGetApp()->m_mainWnd->m_hWnd;
    return DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(m_templateId), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent)
{
    m_modal = false;
    if (parent)
        m_parent = parent;
    HWND hwnd = CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(m_templateId), m_parent,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow(m_hWnd);
}

bool CDialog::UpdateData(bool save)
{
    DataExchange dx{m_hWnd, save};
    DoDataExchange(dx);
    return !dx.failed;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::ProcessWindowMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result)
{
    if (msg == WM_INITDIALOG) {
        result = OnInitDialog();
        // A template without a position opens centred over its owner (or the screen).
        DWORD style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
        if (!(style & DS_CENTER) && !(style & WS_CHILD))
            CenterWindow();
        return true;
    }
    // Windows turns F1 into WM_HELP for the control with the focus, and the
    // control's default processing hands it up to this dialog.
    if (msg == WM_HELP) {
        CWnd* main = AfxGetApp() ? AfxGetApp()->m_mainWnd : nullptr;
        HWND target = main && main->m_hWnd ? main->m_hWnd : m_hWnd;
        ::SendMessageA(target, WM_COMMAND, MAKEWPARAM(kHelpCommand, 0), 0);
        result = TRUE;
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == IDOK) {
            OnOK();
            result = 0;
            return true;
        }
        if (LOWORD(wp) == IDCANCEL) {
            OnCancel();
            result = 0;
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        auto* created = reinterpret_cast<CDialog*>(lp);
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(created));
        created->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->WindowGone();
        return FALSE;
    }
    LRESULT result = 0;
    if (!self->RouteMessage(msg, wp, lp, result))
        return FALSE;
    if (AnswersDirectly(msg))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
