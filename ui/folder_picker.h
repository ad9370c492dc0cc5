// Choosing a folder with the shell's folder browser: BrowseForFolder behind the
// main window's two browse buttons, CFolderPicker behind the options dialog's.
#pragma once
#include "engine/path_text.h"
#include "framework/message_map.h"
#include "framework/window.h"

#include <shlobj.h>
#include <string>

// Opens the browser on initialPath (none: its default) and puts the chosen
// folder's path into out. Returns 1 when a folder was chosen, 2 when the user
// cancelled or chose an item that is no file-system folder; out is then untouched.
int BrowseForFolder(HWND owner, const char* initialPath, const char* title, std::string& out);

// A browse button's work for a folder field: opens the browser on the field's
// folder (the program's folder when the field is empty) and, when a folder is
// chosen, gives its path ending with "\" in result.
bool BrowseFolderField(HWND owner, const std::string& fieldText, const char* title, std::string& result);


class CFolderPicker : public MessageMapped<CFolderPicker, CWnd> {
public:
    enum { kDisplayName = 0, kPath = 1 };  // which text GetPath gives

    // owner: the browser's owner window; none means the application's main window.
    explicit CFolderPicker(UINT flags = 0, const char* title = nullptr, int rootFolderId = 0, HWND owner = nullptr);
    ~CFolderPicker() override;

    static std::span<const MessageEntry<CFolderPicker>> MessageMap() { return {}; }

    // A missing title leaves the current one.
    void Setup(UINT flags, const char* title, int rootFolderId);
    const std::string& GetPath(int which = kPath) const { return which == kPath ? m_path : m_displayName; }

    // 1 chosen, 2 cancelled (or no file-system folder), -1 a special folder not found.
    int Browse();
    int Browse(int initialFolderId);
    int Browse(const char* initialPath);
    void Reset();

protected:
    virtual int DoBrowse();
    virtual bool GetFolderPidl(int folderId, LPITEMIDLIST& out);
    virtual void FreePidls(LPITEMIDLIST item);

    // Hooks for derived pickers, called while the browser is open.
    virtual BOOL OnInitialized() { return TRUE; }
    virtual void OnSelChanged(HWND, LPCITEMIDLIST) {}
    virtual void OnValidateFailed(const char*) {}

private:
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT msg, LPARAM lp, LPARAM data);

    LPITEMIDLIST m_rootPidl = nullptr;
    LPITEMIDLIST m_initialPidl = nullptr;
    int m_rootFolderId = 0;
    int m_initialFolderId = 0;
    std::string m_initialPath;
    std::string m_path;
    std::string m_displayName;
    UINT m_flags = 0;
    std::string m_title;
    HWND m_owner = nullptr;
};
