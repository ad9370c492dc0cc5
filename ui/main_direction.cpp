// The direction buttons and the two-second toggle. Each click rearranges the
// summary panels for its direction and discards the comparison.
#include "ui/main_dialog.h"

void CMirvalenDlg::SetDirectionChecks(SyncDirection direction)
{
    SetCheck(IDC_DIR_DOWN, direction == Down);
    SetCheck(IDC_DIR_UP, direction == Up);
    SetCheck(IDC_DIR_BOTH, direction == Both);
}

void CMirvalenDlg::OnDirectionDown()
{
    if (RefuseWhileBusy())
        return;
    m_basePanel.Show(true);
    m_targetPanel.Show(false);  // stays where it stood
    ClearResults();
}

void CMirvalenDlg::OnDirectionUp()
{
    if (RefuseWhileBusy())
        return;
    m_basePanel.Show(false);
    m_targetPanel.MoveTo(kSecondPanelLeft);
    ClearResults();
}

void CMirvalenDlg::OnDirectionBoth()
{
    if (RefuseWhileBusy())
        return;
    m_basePanel.Show(true);
    m_targetPanel.MoveTo(kThirdPanelLeft);
    ClearResults();
}

void CMirvalenDlg::OnTwoSecondToggle()
{
    if (RefuseWhileBusy())
        return;
    SaveOneSecSame();
    ClearResults();
}
