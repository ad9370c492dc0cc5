// The main window: favourites editing above, the comparison list below, the
// summary panels between them. It owns all of the program's state.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"

class CMirvalenDlg : public CDialogImpl<CMirvalenDlg> {
public:
    enum { IDD = IDD_MIRVALEN_DIALOG };
    CMirvalenDlg();

    static std::span<const MessageEntry<CMirvalenDlg>> MessageMap();

protected:
    BOOL OnInitDialog() override;

private:
    void OnExit();
    LRESULT OnClose(WPARAM, LPARAM);
};
