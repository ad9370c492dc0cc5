// Drives the shell's folder browser from a test: once the browser of this
// thread is open (its initial selection made), runs an optional step with its
// window, then presses one of its buttons. Runs from a timer inside the
// browser's modal loop.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace gui {

class BrowserDriver {
public:
    explicit BrowserDriver(int buttonId, std::function<void(HWND browser)> before = {});
    ~BrowserDriver();
    BrowserDriver(const BrowserDriver&) = delete;
    BrowserDriver& operator=(const BrowserDriver&) = delete;

    bool Pressed() const { return m_pressed; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    int m_buttonId;
    std::function<void(HWND)> m_before;
    bool m_pressed = false;
    UINT_PTR m_timer = 0;
};

// Folders for the browser to show, in a folder of their own at the top of
// drive C: and not in the temporary folder, whose other entries other tests
// create and remove while the browser reads it. Removed when the object goes.
class BrowseFolders {
public:
    BrowseFolders();
    ~BrowseFolders();
    BrowseFolders(const BrowseFolders&) = delete;
    BrowseFolders& operator=(const BrowseFolders&) = delete;

    const std::string& Root() const { return m_root; }  // ends with "\"
    std::string Path(const std::string& relative) const { return m_root + relative; }
    void MakeDir(const std::string& relative) const;

private:
    std::string m_root;
};

// The name of the folder the open browser has selected, in the stored form.
std::string BrowserSelection(HWND browser);

// Selects a folder of the open browser as the user would by clicking it. Paths
// here are in the stored form (StoredFromWide for names Shift-JIS cannot write).
void SelectInBrowser(HWND browser, const std::string& path);

} // namespace gui
