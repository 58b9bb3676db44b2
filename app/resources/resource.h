// Resource identifiers of Nimbrel.exe (shared by the resource script and
// the code). Bitmaps come in sets: normal, hover and, for the navigation
// buttons, selected.
#pragma once

// The program icon (the lowest icon identifier is the file's icon).
#define IDR_MAINFRAME 128

// Header banner, drawn at the top-left of the main window.
#define IDB_BANNER 129

// Navigation buttons of the left frame.
#define IDB_STATISTICS_HOVER 130
#define IDB_STATISTICS_NORMAL 131
#define IDB_STATISTICS_SELECTED 132
#define IDB_OPTIONS_HOVER 133
#define IDB_OPTIONS_NORMAL 134
#define IDB_OPTIONS_SELECTED 135
#define IDB_SCAN_HOVER 136
#define IDB_SCAN_NORMAL 137
#define IDB_SCAN_SELECTED 138
#define IDB_SHRED_HOVER 139
#define IDB_SHRED_NORMAL 140
#define IDB_SHRED_SELECTED 141

// Background of the left navigation frame.
#define IDB_LEFT_FRAME 142

// Header buttons of the main window.
#define IDB_ABOUT_HOVER 143
#define IDB_ABOUT_NORMAL 144
#define IDB_HELP_HOVER 145
#define IDB_HELP_NORMAL 146

// Category icons of the scan dashboard.
#define IDB_WINDOWS_HOVER 154
#define IDB_EMAIL_NORMAL 155
#define IDB_EMAIL_HOVER 156
#define IDB_FILESHARING_NORMAL 157
#define IDB_FILESHARING_HOVER 158
#define IDB_INTERNET_NORMAL 159
#define IDB_INTERNET_HOVER 160
#define IDB_MESSENGERS_NORMAL 161
#define IDB_MESSENGERS_HOVER 162
#define IDB_MULTIMEDIA_NORMAL 163
#define IDB_MULTIMEDIA_HOVER 164
#define IDB_OFFICE_NORMAL 165
#define IDB_OFFICE_HOVER 166
#define IDB_THIRDPARTY_NORMAL 167
#define IDB_THIRDPARTY_HOVER 168
#define IDB_WINDOWS_NORMAL 169

// The start-up splash picture.
#define IDB_SPLASH 170

// The Options page and its eight category tabs (templates 300-308). The
// tab strip's pictures are one strip of 16 x 16 images, in tab order.
#define IDB_TAB_IMAGES 150
#define IDD_OPTIONS 300
#define IDD_OPT_WINDOWS 301
#define IDD_OPT_INTBROWSER 302
#define IDD_OPT_INSMESSENGER 303
#define IDD_OPT_MSOFFICE 304
#define IDD_OPT_MULTIMEDIA 305
#define IDD_OPT_FILESHARING 306
#define IDD_OPT_EMAIL 307
#define IDD_OPT_THIRDPARTY 308
#define IDC_OPT_TREE 309
#define IDC_OPT_TABS 1006
#define IDC_OPT_TITLE 1069
#define IDC_OPT_SET_DEFAULT 1111
#define IDC_OPT_UNCHECK_ALL 1166
#define IDC_OPT_START_SCAN 1170
#define IDC_OPT_WHEN_ERASING 1171
#define IDC_OPT_WHEN_ERASING_LABEL 1172
#define IDC_OPT_VIEW_RESULTS 1173
#define IDC_OPT_SEPARATOR 1185
