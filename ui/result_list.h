// The result list (list view 1016): a virtual report list whose rows are the
// shown rows of the comparison list, their texts produced when the control asks.
// Rows copied down are drawn on light blue, rows copied up on light red, rows
// of an undecided pair on amber.
#pragma once
#include "framework/list_view.h"
#include "view/result_rows.h"

#include <windows.h>

class ResultList {
public:
    void Attach(HWND listView) { m_list.Attach(listView); }

    // Colours and the eight columns.
    void InitColumns();
    // Empties the list.
    void Clear();
    // Shows these rows; the list reads their texts on demand.
    void Show(ResultRows rows);
    // The same rows with new marks (after a choice): selection and scroll stay.
    void Refresh(ResultRows rows);
    const ResultRows& Rows() const { return m_rows; }

    LRESULT OnGetDispInfo(NMHDR* header) const;
    LRESULT OnCustomDraw(NMHDR* header) const;

private:
    CListView m_list;
    ResultRows m_rows;
};
