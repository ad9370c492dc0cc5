#include "ui/summary_panels.h"

#include "framework/controls.h"
#include "res/resource.h"
#include "ui/colors.h"
#include "view/summary.h"

namespace {

const int kHeaderTop = 128;   // design pixels: header row, status row, then 13-pixel rows
const int kRowPitch = 13;
const int kHalfWidth = 79;
const int kFullWidth = 158;

// Grid line above row `row` (frames of neighbouring rows share it).
int RowLine(int row)
{
    return kHeaderTop - 1 + kRowPitch * row;
}

} // namespace

int PanelCellId(PanelKind kind, std::size_t cell)
{
    const int first[] = {IDC_TRANSFER_PANEL, IDC_BASE_PANEL, IDC_TARGET_PANEL};
    return first[static_cast<int>(kind)] + static_cast<int>(cell);
}

BaseUnits BaseUnits::Of(HWND dialog)
{
    RECT rect{0, 0, 4, 8};
    MapDialogRect(dialog, &rect);
    return {rect.right, rect.bottom};
}

// How each row of a panel is drawn, in the order of the panel's captions.
std::span<const SummaryPanel::Row> SummaryPanel::RowsOf(PanelKind kind)
{
    using C = CellColor;
    static const std::array<Row, kTransferRowCount> kTransfer = {
        {{false, false, C::Default}, {false, false, C::Default}, {true, true, C::LightBlue},
         {true, true, C::LightRed}, {false, false, C::Default}}};
    // Base and target: "×" and "△" are the side's own colour, "▲" the other side's.
    static const std::array<Row, kFolderRowCount> kBase = {
        {{false, false, C::Default}, {false, false, C::Default}, {false, false, C::Default},
         {true, false, C::LightBlue}, {true, false, C::LightBlue}, {true, false, C::LightRed}}};
    static const std::array<Row, kFolderRowCount> kTarget = {
        {{false, false, C::Default}, {false, false, C::Default}, {false, false, C::Default},
         {true, false, C::LightRed}, {true, false, C::LightRed}, {true, false, C::LightBlue}}};
    return kind == PanelKind::Transfer ? std::span<const Row>(kTransfer)
        : kind == PanelKind::Base         ? std::span<const Row>(kBase)
                                          : std::span<const Row>(kTarget);
}

void SummaryPanel::Create(HWND dialog, const BaseUnits& units, PanelKind kind, int x, HFONT normal, HFONT bold)
{
    m_units = units;
    m_rows = RowsOf(kind);
    m_statusBrush.SetColor(StatusColorOf(PanelStatus::Ready));

    auto add = [&](const char* text, DWORD align, HFONT font) {
        SummaryCell cell;
        cell.text = CreateStatic(dialog, {text, align, {}, PanelCellId(kind, m_cells.size()), font});
        cell.frame = CreateStatic(dialog, {"", SS_BLACKFRAME, {}, IDC_RUNTIME_STATIC});
        m_cells.push_back(cell);
    };
    add(PanelTitle(kind), SS_CENTER, normal);
    add(StatusWord(PanelStatus::Ready), SS_CENTER, bold);
    std::span<const char* const> captions = CaptionsOf(kind);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        add(captions[r], SS_CENTER, row.boldCaption ? bold : normal);
        add(SummaryValueText(0).c_str(), SS_RIGHT, row.boldValue ? bold : normal);
    }
    Place(x, SWP_NOZORDER);
}

// Puts every cell at its place for a panel whose left edge is x. Frames are one
// pixel larger than their text on each side and neighbours share their borders.
void SummaryPanel::Place(int x, UINT flags)
{
    const BaseUnits& u = m_units;
    auto put = [&](HWND hwnd, int left, int top, int right, int bottom) {
        SetWindowPos(hwnd, HWND_TOP, left, top, right - left, bottom - top, flags);
    };
    auto cell = [&](const SummaryCell& c, int left, int right, int row) {
        int top = u.Y(RowLine(row)), bottom = u.Y(RowLine(row + 1));
        put(c.text, u.X(left) + 1, top + 1, u.X(right), bottom);
        put(c.frame, u.X(left), top, u.X(right) + 1, bottom + 1);
    };
    cell(m_cells[kHeaderCell], x, x + kFullWidth, 0);
    cell(m_cells[kStatusCell], x, x + kFullWidth, 1);
    for (size_t r = 0; r < m_rows.size(); ++r) {
        cell(m_cells[CaptionCell(r)], x, x + kHalfWidth, static_cast<int>(r) + 2);
        cell(m_cells[ValueCell(r)], x + kHalfWidth, x + kFullWidth, static_cast<int>(r) + 2);
    }
}

void SummaryPanel::MoveTo(int x)
{
    Place(x, SWP_SHOWWINDOW);
}

void SummaryPanel::Show(bool show)
{
    for (const SummaryCell& c : m_cells) {
        ShowWindow(c.text, show ? SW_SHOW : SW_HIDE);
        ShowWindow(c.frame, show ? SW_SHOW : SW_HIDE);
    }
}

void SummaryPanel::SetValue(size_t row, const std::string& text)
{
    SetWindowTextA(m_cells[ValueCell(row)].text, text.c_str());
}

void SummaryPanel::SetStatus(PanelStatus status)
{
    m_statusBrush.SetColor(StatusColorOf(status));
    SetWindowTextA(m_cells[kStatusCell].text, StatusWord(status));
}

bool SummaryPanel::ColorOf(HWND control, CellColor& color, HBRUSH& statusBrush) const
{
    if (m_cells.empty())
        return false;
    if (control == m_cells[kHeaderCell].text) {
        color = CellColor::Header;
        return true;
    }
    if (control == m_cells[kStatusCell].text) {
        color = CellColor::Status;
        statusBrush = m_statusBrush.Get();
        return true;
    }
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (control == m_cells[CaptionCell(r)].text || control == m_cells[ValueCell(r)].text) {
            color = m_rows[r].color;
            return color != CellColor::Default;
        }
    }
    return false;
}
