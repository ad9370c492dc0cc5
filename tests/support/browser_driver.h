// The shell's folder browser in a test: it is answered like any dialog, with
// gui::DialogAnswerer(gui::kFolderBrowser, ...). Folders for it to show belong
// in a tree of their own at the top of drive C: (TempTree("C:\\")), not in the
// temporary folder, whose other entries other tests create and remove while
// the browser reads it.
#pragma once
#include <windows.h>

#include <string>

namespace gui {

// The name of the folder the open browser has selected, in the stored form.
std::string BrowserSelection(HWND browser);

// Selects a folder of the open browser as the user would by clicking it. Paths
// here are in the stored form (StoredFromWide for names Shift-JIS cannot write).
void SelectInBrowser(HWND browser, const std::string& path);

} // namespace gui
