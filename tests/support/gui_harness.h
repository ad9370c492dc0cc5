// Driving real windows from a test, in-process: set and read texts, click,
// wait until something holds, answer a modal dialog or message box, capture a
// window's pixels.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gui {

std::string Text(HWND window);
inline std::string Text(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
inline void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }
// BM_CLICK, sent: returns when the click's handler (and any modal loop it runs) has returned.
inline void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
inline bool Checked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
// The text of a list view's cell.
std::string ListCell(HWND list, int row, int column);
// The first row of a list view whose cell in the column has this text, or -1.
int FindListRow(HWND list, int column, const std::string& text);
// Selects exactly these rows of a list view, the first of them focused.
void SelectListRows(HWND list, const std::vector<int>& rows);
// Lets the thread's queued messages through once.
void Pump();
// Lets messages through until condition holds (true) or the time is up (false).
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Rectangle of a child window in its parent's client pixels.
RECT ChildRect(HWND child);
// The icon a message box shows (its icon static: id 20 on Windows, another under Wine), or none.
HICON MessageBoxIcon(HWND box);

// Stands for the caption of the shell's folder browser: the thread's dialog that
// holds a tree view. Folders for it to show belong in a tree of their own at the
// top of drive C: (TempTree("C:\\")), not in the temporary folder, whose other
// entries other tests create and remove while the browser reads it.
inline const std::string kFolderBrowser;
// The name of the folder the open browser has selected, in the stored form.
std::string BrowserSelection(HWND browser);
// Selects a folder of the open browser as the user would by clicking it. Paths
// here are in the stored form (StoredFromWide for names Shift-JIS cannot write).
void SelectInBrowser(HWND browser, const std::string& path);

// Answers the next dialog or message box of this thread whose caption is
// `caption` by pressing the button `buttonId`, from a timer that runs inside
// its modal loop. Records the box's message text (static 65535). A window
// given as except (the main window, whose caption its boxes share) is never
// answered. `before` runs first, with the dialog's window, to read or set its controls.
class DialogAnswerer {
public:
    DialogAnswerer(std::string caption, int buttonId, HWND except = nullptr,
                   std::function<void(HWND)> before = {});
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    bool Answered() const { return m_answered; }
    const std::string& MessageText() const { return m_messageText; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    std::string m_caption;
    int m_buttonId;
    HWND m_except;
    std::function<void(HWND)> m_before;
    bool m_answered = false;
    std::string m_messageText;
    UINT_PTR m_timer = 0;
};

// The client area as the window and its children painted it.
class Capture {
public:
    explicit Capture(HWND window);
    COLORREF Pixel(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Number of pixels of the given colour inside a rectangle.
    int Count(COLORREF color, const RECT& area) const;

private:
    int m_width = 0, m_height = 0;
    std::vector<COLORREF> m_pixels;
};

} // namespace gui
