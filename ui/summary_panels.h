// The three summary panels of the main window: columns of static cells (a text
// and a frame each) created at run time, placed between the favourites group and
// the result list, and coloured by the window's WM_CTLCOLORSTATIC handler.
#pragma once
#include "framework/gdi.h"
#include "view/vocabulary.h"

#include <windows.h>

#include <array>
#include <span>
#include <string>
#include <vector>

struct SummaryCell {
    HWND text = nullptr;
    HWND frame = nullptr;
};

// What colour a summary static asks for.
enum class CellColor { Default, Header, Status, LightBlue, LightRed };

// Client-pixel positions of the run-time controls are designed for dialog base
// units of 7 x 12 pixels; this scales them to the dialog's real base units, so
// that they keep their place between the template's controls under any font.
struct BaseUnits {
    int x = 7;
    int y = 12;
    static BaseUnits Of(HWND dialog);
    int X(int designPixels) const { return MulDiv(designPixels, x, 7); }
    int Y(int designPixels) const { return MulDiv(designPixels, y, 12); }
    RECT Rect(int left, int top, int right, int bottom) const { return {X(left), Y(top), X(right), Y(bottom)}; }
};

// A panel's text cells in order: the header, the status, then a caption and a
// value for each of its rows (a TransferRow or FolderRow).
inline constexpr std::size_t kHeaderCell = 0, kStatusCell = 1;
inline std::size_t CaptionCell(std::size_t row) { return 2 + 2 * row; }
inline std::size_t ValueCell(std::size_t row) { return 3 + 2 * row; }
// The control id of one of a panel's text cells.
int PanelCellId(PanelKind kind, std::size_t cell);

// Left edges of the panels, in design pixels: the transfer panel, then the
// second and third places. Going up, the target panel takes the second place.
inline constexpr int kTransferPanelLeft = 12;
inline constexpr int kSecondPanelLeft = 180;
inline constexpr int kThirdPanelLeft = 348;

// One panel: a column of a header, a status, then a caption and a value per row.
class SummaryPanel {
public:
    void Create(HWND dialog, const BaseUnits& units, PanelKind kind, int x, HFONT normal, HFONT bold);
    // Moves every cell so that the panel's left edge stands at x, and shows it.
    void MoveTo(int x);
    void Show(bool show);

    void SetValue(size_t row, const std::string& text);   // row: a TransferRow or FolderRow
    void SetStatus(PanelStatus status);
    COLORREF StatusColor() const { return m_statusBrush.Color(); }

    // The colour a static of this panel asks for, or nothing when it is not one of its cells.
    bool ColorOf(HWND control, CellColor& color, HBRUSH& statusBrush) const;

private:
    struct Row {
        bool boldCaption;
        bool boldValue;
        CellColor color;
    };
    static std::span<const Row> RowsOf(PanelKind kind);
    void Place(int x, UINT flags);

    BaseUnits m_units;
    std::span<const Row> m_rows;  // in the order of the panel's captions
    std::vector<SummaryCell> m_cells;  // in the order of PanelCellId
    ColorBrush m_statusBrush;
};
