// What the user chooses for rows of the result list: the 編集 menu and the
// same items as the list's context menu. A choice changes the rows' marks and
// the panels at once; the next list, a change of direction, folders or the
// two-second toggle discards it with the results.
#include "ui/main_dialog.h"

#include "framework/list_view.h"

#include <commctrl.h>

#include <vector>

namespace {

struct ChoiceItem {
    int command;
    RowChoice choice;
};

const ChoiceItem kChoiceItems[] = {
    {ID_EDIT_COPY_DOWN, RowChoice::Down},
    {ID_EDIT_COPY_UP, RowChoice::Up},
    {ID_EDIT_NO_COPY, RowChoice::NoCopy},
    {ID_EDIT_AUTOMATIC, RowChoice::Automatic},
};

} // namespace

std::vector<std::size_t> CMirvalenDlg::SelectedRows() const
{
    std::vector<std::size_t> rows;
    CListView list(Item(IDC_RESULT_LIST));
    for (int row = -1; (row = list.GetNextItem(row, LVNI_SELECTED)) >= 0;)
        if (static_cast<std::size_t>(row) < m_resultList.Rows().ShownCount())
            rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

// An item is offered when at least one selected row allows it; nothing is
// offered while a list is built or files are copied.
bool CMirvalenDlg::ChoiceOffered(RowChoice choice, const std::vector<std::size_t>& rows) const
{
    if (m_busy || m_syncing)
        return false;
    SyncDirection direction = GetDirection();
    std::span<const FileEntry> list = m_comparison.List(direction);
    for (std::size_t row : rows)
        if (ChoiceAllowed(direction, list[m_resultList.Rows().ListIndexOf(row)], choice))
            return true;
    return false;
}

// The 編集 menu, wherever it stands in the menu bar.
HMENU CMirvalenDlg::ChoiceMenu() const
{
    HMENU bar = GetMenu(m_hWnd);
    for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i)
        if (HMENU menu = GetSubMenu(bar, i); menu && GetMenuState(menu, ID_EDIT_COPY_DOWN, MF_BYCOMMAND) != ~0u)
            return menu;
    return nullptr;
}

LRESULT CMirvalenDlg::OnInitMenuPopup(WPARAM wp, LPARAM)
{
    HMENU menu = reinterpret_cast<HMENU>(wp);
    if (menu != ChoiceMenu()) {
        SetMsgHandled(false);
        return 0;
    }
    std::vector<std::size_t> rows = SelectedRows();
    for (const ChoiceItem& item : kChoiceItems)
        EnableMenuItem(menu, item.command, MF_BYCOMMAND | (ChoiceOffered(item.choice, rows) ? MF_ENABLED : MF_GRAYED));
    return 0;
}

// Right click, the Apps key and Shift+F10 on the list; from the keyboard the
// menu opens at the focused row.
LRESULT CMirvalenDlg::OnContextMenu(WPARAM wp, LPARAM lp)
{
    CListView list(Item(IDC_RESULT_LIST));
    if (reinterpret_cast<HWND>(wp) != list) {
        SetMsgHandled(false);
        return 0;
    }
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {
        RECT place{};
        int focused = list.GetNextItem(-1, LVNI_FOCUSED);
        if (focused < 0 || !list.GetItemRect(focused, LVIR_LABEL, place))
            GetClientRect(list, &place);
        at = {place.left, place.bottom};
        ClientToScreen(list, &at);
    }
    TrackPopupMenu(ChoiceMenu(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    return 0;
}

void CMirvalenDlg::ChooseForSelectedRows(RowChoice choice)
{
    if (RefuseWhileBusy())
        return;
    SyncDirection direction = GetDirection();
    bool chosen = false;
    for (std::size_t row : SelectedRows())
        chosen |= m_comparison.SetChoice(direction, m_resultList.Rows().ListIndexOf(row), choice);
    if (!chosen)
        return;
    m_resultList.Refresh(ResultRows(m_comparison, direction, Options().SAMEHIDE));
    UpdateSummary();
}

void CMirvalenDlg::OnCopyDown()
{
    ChooseForSelectedRows(RowChoice::Down);
}

void CMirvalenDlg::OnCopyUp()
{
    ChooseForSelectedRows(RowChoice::Up);
}

void CMirvalenDlg::OnNoCopy()
{
    ChooseForSelectedRows(RowChoice::NoCopy);
}

void CMirvalenDlg::OnAutomatic()
{
    ChooseForSelectedRows(RowChoice::Automatic);
}
