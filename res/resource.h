/* Resource ids of Mirvalen. Plain #defines only: windres reads this file too. */
#ifndef MIRVALEN_RESOURCE_H
#define MIRVALEN_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

/* Icon, bitmap, menu, strings */
#define IDB_FOLDER                  129
#define IDR_MAINMENU                130
#define IDI_MIRVALEN                142
#define IDS_ABOUTBOX                101

/* The window layer's texts (the program supplies them in its string table) */
#include "framework/string_ids.h"

/* About box */
#define IDD_ABOUTBOX                100

/* Main dialog */
#define IDD_MIRVALEN_DIALOG         102
#define IDC_FAV_NAME                1000
#define IDC_BASE_FOLDER             1001
#define IDC_TARGET_FOLDER           1002
#define IDC_BROWSE_BASE             1003
#define IDC_BROWSE_TARGET           1004
#define IDC_NEW_FAVORITE            1005
#define IDC_REGISTER_FAVORITE       1006
#define IDC_DIR_DOWN                1007
#define IDC_DIR_UP                  1008
#define IDC_DIR_BOTH                1009
#define IDC_FAV_DOWN                1010
#define IDC_FAV_UP                  1011
#define IDC_FAV_DELETE              1012
#define IDC_FAV_LIST                1013
#define IDC_MAKE_LIST               1014
#define IDC_RUN_SYNC                1015
#define IDC_RESULT_LIST             1016
#define IDC_TWO_SECOND              1017

/* Statics created at run time: the favourites label, then the text cells of
   each summary panel numbered on from its first id (header, status, then a
   caption and a value per row); their frames and other decorations share one id */
#define IDC_FAV_LABEL               1050
#define IDC_TRANSFER_PANEL          1100
#define IDC_BASE_PANEL              1120
#define IDC_TARGET_PANEL            1140
#define IDC_RUNTIME_STATIC          3000

/* Options dialog */
#define IDD_OPTIONS                 131
#define IDC_OPT_DISPTIME            1000
#define IDC_OPT_FAVPATH             1001
#define IDC_OPT_BROWSE              1005
#define IDC_OPT_SUBFOLDER           1017
#define IDC_OPT_ROOTFILE            1018
#define IDC_OPT_SAMEHIDE            1019

/* Exclusion patterns and the Recycle Bin */
#define IDD_EXCLUDE                 137
#define IDC_EXC_PATTERNS            1030
#define IDC_EXC_ADD_USUAL           1031
#define IDC_EXC_RECYCLE             1032
#define IDC_EXC_VERIFY              1033
#define IDC_EXC_CONTENT             1034

/* Folder-not-found notice */
#define IDD_NOTICE                  132
#define IDC_NOTICE_TEXT             1020

/* Progress popup (its controls are made at run time) */
#define IDD_PROGRESS                136
#define IDC_PROGRESS_BAR            1040
#define IDC_PROGRESS_TEXT           1041
#define IDC_PROGRESS_STOP           1042

/* Commands */
#define IDM_ABOUTBOX                0x0010
#define ID_FILE_EXIT                32771
#define ID_OPTIONS_SETTINGS         32772
#define ID_OPTIONS_EXCLUDE          32777
#define ID_HELP_CONTENTS            32773
#define ID_HELP_ABOUT               32776
/* The 編集 menu, also the result list's context menu: what happens to the selected rows */
#define ID_EDIT_COPY_DOWN           32778
#define ID_EDIT_COPY_UP             32779
#define ID_EDIT_NO_COPY             32780
#define ID_EDIT_AUTOMATIC           32781
/* The application's help command, which F1 sends (kHelpCommand in framework/dialog.h) */
#define ID_HELP                     0xE146

#endif /* MIRVALEN_RESOURCE_H */
