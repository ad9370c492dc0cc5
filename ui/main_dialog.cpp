#include "ui/main_dialog.h"

#include "framework/app.h"
#include "framework/button.h"
#include "framework/controls.h"
#include "framework/dpi.h"
#include "framework/edit.h"
#include "ui/about_dialog.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/help.h"
#include "ui/progress_window.h"

#include <commctrl.h>

static_assert(ID_HELP == kHelpCommand, "F1 and the help command are one command");

using namespace Colors;

std::span<const MessageEntry<CMirvalenDlg>> CMirvalenDlg::MessageMap()
{
    using D = CMirvalenDlg;
    static const MessageEntry<D> map[] = {
        OnMessage(WM_SYSCOMMAND, &D::OnSysCommand),
        OnMessage(WM_PAINT, &D::OnPaint),
        OnMessage(WM_QUERYDRAGICON, &D::OnQueryDragIcon),
        OnMessage(WM_CTLCOLOREDIT, &D::OnCtlColor),
        OnMessage(WM_CTLCOLORLISTBOX, &D::OnCtlColor),
        OnMessage(WM_CTLCOLORSTATIC, &D::OnCtlColor),
        OnCommand(IDC_FAV_DOWN, BN_CLICKED, &D::OnFavoriteDown),
        OnCommand(IDC_BROWSE_BASE, BN_CLICKED, &D::OnBrowseBase),
        OnCommand(IDC_BROWSE_TARGET, BN_CLICKED, &D::OnBrowseTarget),
        OnCommand(IDC_DIR_DOWN, BN_CLICKED, &D::OnDirectionDown),
        OnCommand(IDC_DIR_UP, BN_CLICKED, &D::OnDirectionUp),
        OnCommand(IDC_DIR_BOTH, BN_CLICKED, &D::OnDirectionBoth),
        OnCommand(IDC_NEW_FAVORITE, BN_CLICKED, &D::OnNewFavorite),
        OnCommand(ID_OPTIONS_SETTINGS, 0, &D::OnOptions),
        OnCommand(ID_OPTIONS_EXCLUDE, 0, &D::OnExclusions),
        OnCommand(IDC_REGISTER_FAVORITE, BN_CLICKED, &D::OnRegisterFavorite),
        OnCommand(IDC_FAV_LIST, LBN_SELCHANGE, &D::OnSelectFavorite),
        OnCommand(IDC_MAKE_LIST, BN_CLICKED, &D::OnMakeList),
        OnCommand(IDC_RUN_SYNC, BN_CLICKED, &D::OnRunSync),
        OnCommand(IDC_FAV_NAME, EN_SETFOCUS, &D::OnEditSetFocus),
        OnCommand(IDC_BASE_FOLDER, EN_SETFOCUS, &D::OnEditSetFocus),
        OnCommand(IDC_TARGET_FOLDER, EN_SETFOCUS, &D::OnEditSetFocus),
        OnMessage(WM_TIMER, &D::OnTimer),
        OnCommand(IDC_FAV_UP, BN_CLICKED, &D::OnFavoriteUp),
        OnCommand(IDC_FAV_DELETE, BN_CLICKED, &D::OnDeleteFavorite),
        OnMessage(WM_CLOSE, &D::OnClose),
        OnCommand(ID_FILE_EXIT, 0, &D::OnExit),
        OnCommand(ID_HELP_ABOUT, 0, &D::OnAbout),
        OnCommand(ID_HELP_CONTENTS, 0, &D::OnHelpContents),
        OnCommand(ID_HELP, 0, &D::OnHelpContents),
        OnCommand(IDC_TWO_SECOND, BN_CLICKED, &D::OnTwoSecondToggle),
        OnMessage(WM_SETCURSOR, &D::OnSetCursor),
        OnNotify(IDC_RESULT_LIST, NM_CUSTOMDRAW, &D::OnResultListCustomDraw),
        OnNotify(IDC_RESULT_LIST, LVN_GETDISPINFOW, &D::OnResultListGetDispInfo),
        OnMessage(WM_CONTEXTMENU, &D::OnContextMenu),
        OnMessage(WM_INITMENUPOPUP, &D::OnInitMenuPopup),
        OnCommand(ID_EDIT_COPY_DOWN, 0, &D::OnCopyDown),
        OnCommand(ID_EDIT_COPY_UP, 0, &D::OnCopyUp),
        OnCommand(ID_EDIT_NO_COPY, 0, &D::OnNoCopy),
        OnCommand(ID_EDIT_AUTOMATIC, 0, &D::OnAutomatic),
    };
    return map;
}

CMirvalenDlg::CMirvalenDlg() : CDialogImpl(IDD)
{
}

CMirvalenDlg::~CMirvalenDlg() = default;

BOOL CMirvalenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    char aboutText[256] = "";
    if (systemMenu && LoadStringA(AppInstance(), IDS_ABOUTBOX, aboutText, sizeof aboutText) > 0) {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }
    m_hIcon = LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_MIRVALEN));  // shared: never destroyed
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    m_smallIcon.Reset(static_cast<HICON>(LoadImageA(AppInstance(), MAKEINTRESOURCEA(IDI_MIRVALEN), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    InitMembers();
    InitDecorations();
    CreateSummaryPanels();
    InitData();
    return TRUE;
}

void CMirvalenDlg::InitMembers()
{
    m_resultList.Attach(Item(IDC_RESULT_LIST));
    m_favoritesList.Attach(Item(IDC_FAV_LIST));
    m_grayBrush.Reset(CreateSolidBrush(kGray));
    m_lightOrangeBrush.Reset(CreateSolidBrush(kLightOrange));
    m_lightBlueBrush.Reset(CreateSolidBrush(kLightBlue));
    m_lightRedBrush.Reset(CreateSolidBrush(kLightRed));
    m_blackBrush.Reset(CreateSolidBrush(kBlack));
    m_comparison.Clear();
    m_favorites = FavoritesTable();
    m_notice = nullptr;
}

void CMirvalenDlg::InitDecorations()
{
    m_folderBitmap.Reset(LoadBitmapA(AppInstance(), MAKEINTRESOURCEA(IDB_FOLDER)));
    CButton(Item(IDC_BROWSE_BASE)).SetBitmap(m_folderBitmap);
    CButton(Item(IDC_BROWSE_TARGET)).SetBitmap(m_folderBitmap);

    BaseUnits units = BaseUnits::Of(m_hWnd);
    m_favListLabel = CreateStatic(m_hWnd, {"お気に入りリスト", SS_CENTER, units.Rect(551, 18, 803, 30), IDC_FAV_LABEL});
    RECT label;
    GetWindowRect(m_favListLabel, &label);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&label), 2);
    CreateStatic(m_hWnd, {"", SS_BLACKFRAME, {label.left - 1, label.top - 1, label.right + 1, label.bottom + 1},
                          IDC_RUNTIME_STATIC});

    // 12 pixels at 96 DPI, as the panels and the label were drawn for.
    int height = ScaleToDpi(12, WindowDpi(m_hWnd));
    m_normalFont.Reset(CreateProgramFont(height, FW_NORMAL));
    m_boldFont.Reset(CreateProgramFont(height, FW_BOLD));
    ::SendMessageA(m_favListLabel, WM_SETFONT, reinterpret_cast<WPARAM>(m_normalFont.Get()), TRUE);
    SetDirectionChecks(Both);
}

void CMirvalenDlg::CreateSummaryPanels()
{
    BaseUnits units = BaseUnits::Of(m_hWnd);
    m_transferPanel.Create(m_hWnd, units, PanelKind::Transfer, kTransferPanelLeft, m_normalFont, m_boldFont);
    m_basePanel.Create(m_hWnd, units, PanelKind::Base, kSecondPanelLeft, m_normalFont, m_boldFont);
    m_targetPanel.Create(m_hWnd, units, PanelKind::Target, kThirdPanelLeft, m_normalFont, m_boldFont);
}

void CMirvalenDlg::InitData()
{
    ClearResults();
    LoadSettings();
    LoadFavorites();
    FillFavoritesList();
    m_resultList.InitColumns();
}

// Enter in a field does nothing: no button is the default, and ending the
// program by accident would lose what the close path saves.
void CMirvalenDlg::OnOK()
{
}

// Escape closes the window the same way as its close box.
void CMirvalenDlg::OnCancel()
{
    SendMessage(WM_CLOSE);
}

LRESULT CMirvalenDlg::OnSysCommand(WPARAM wp, LPARAM)
{
    if ((wp & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        SetMsgHandled(false);
    return 0;
}

LRESULT CMirvalenDlg::OnPaint(WPARAM, LPARAM)
{
    if (!IsIconic(m_hWnd)) {
        SetMsgHandled(false);
        return 0;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CMirvalenDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

// The colours of a control that has its own: the favourites label and the
// summary cells (statics), then by id the three fields (a read-only field
// paints as a static) and the favourites list.
bool CMirvalenDlg::ColorsOf(HWND control, bool isStatic, ControlColors& colors) const
{
    if (isStatic && control == m_favListLabel) {
        colors = {kGray, kWhite, m_grayBrush};
        return true;
    }
    for (const SummaryPanel* panel : {&m_transferPanel, &m_basePanel, &m_targetPanel}) {
        CellColor cell = CellColor::Default;
        HBRUSH statusBrush = nullptr;
        if (!isStatic || !panel->ColorOf(control, cell, statusBrush))
            continue;
        switch (cell) {
        case CellColor::Header: colors = {kBlack, kWhite, m_blackBrush}; return true;
        case CellColor::Status: colors = {panel->StatusColor(), kBlack, statusBrush}; return true;
        case CellColor::LightBlue: colors = {kLightBlue, kBlack, m_lightBlueBrush}; return true;
        case CellColor::LightRed: colors = {kLightRed, kBlack, m_lightRedBrush}; return true;
        default: return false;
        }
    }
    switch (GetDlgCtrlID(control)) {
    case IDC_FAV_NAME:
    case IDC_FAV_LIST: colors = {kLightOrange, kBlack, m_lightOrangeBrush}; return true;
    case IDC_BASE_FOLDER: colors = {kLightBlue, kBlack, m_lightBlueBrush}; return true;
    case IDC_TARGET_FOLDER: colors = {kLightRed, kBlack, m_lightRedBrush}; return true;
    default: return false;
    }
}

LRESULT CMirvalenDlg::OnCtlColor(WPARAM wp, LPARAM lp)
{
    ControlColors colors;
    if (!ColorsOf(reinterpret_cast<HWND>(lp), CurrentMessage() == WM_CTLCOLORSTATIC, colors)) {
        SetMsgHandled(false);
        return 0;
    }
    HDC dc = reinterpret_cast<HDC>(wp);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colors.background);
    SetTextColor(dc, colors.text);
    return reinterpret_cast<LRESULT>(colors.brush);
}

void CMirvalenDlg::OnEditSetFocus()
{
    CEdit(reinterpret_cast<HWND>(CurrentLParam())).SelectAllLater();
}

LRESULT CMirvalenDlg::OnSetCursor(WPARAM, LPARAM)
{
    if (m_busy == 1 || m_syncing == 1) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    SetMsgHandled(false);
    return 0;
}

void CMirvalenDlg::OnExit()
{
    PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
}

void CMirvalenDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CMirvalenDlg::OnHelpContents()
{
    ShowHelpContents(m_hWnd);
}

// The small icon, a copy of its own, goes with the window that showed it.
void CMirvalenDlg::OnFinalMessage()
{
    m_smallIcon.Reset();
}
