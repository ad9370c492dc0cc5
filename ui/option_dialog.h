// The options dialog. Its exchanged fields are the program's Settings record
// itself, so OK changes the settings in place (in memory; the settings file is
// written at the usual moments). Browsing for another favourites file sets
// favFileChanged, which the Options command acts on.
#pragma once
#include "settings/settings.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/gdi.h"
#include "res/resource.h"

class COptionDlg : public CDialogImpl<COptionDlg> {
public:
    enum { IDD = IDD_OPTIONS };
    COptionDlg();

    static std::span<const MessageEntry<COptionDlg>> MessageMap();

    Settings m_settings;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

private:
    void OnBrowseFavFile();
    void OnDispTimeSetFocus();
    void OnFavPathSetFocus();

    Bitmap m_folderBitmap;
    CButton m_browseButton;
    CEdit m_dispTime, m_favPath;
};
