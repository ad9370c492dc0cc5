#include "ui/main_dialog.h"

std::span<const MessageEntry<CMirvalenDlg>> CMirvalenDlg::MessageMap()
{
    static const MessageEntry<CMirvalenDlg> map[] = {
        OnMessage(WM_CLOSE, &CMirvalenDlg::OnClose),
        OnCommand(ID_FILE_EXIT, 0, &CMirvalenDlg::OnExit),
    };
    return map;
}

CMirvalenDlg::CMirvalenDlg() : CDialogImpl(IDD)
{
}

BOOL CMirvalenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

void CMirvalenDlg::OnExit()
{
    PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
}

LRESULT CMirvalenDlg::OnClose(WPARAM, LPARAM)
{
    EndDialog(IDCANCEL);
    return 0;
}
