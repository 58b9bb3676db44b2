// Resource identifiers of Nimbrel.exe (shared by the resource script and
// the code). Bitmaps come in sets: normal, hover and, for the navigation
// buttons, selected.
#pragma once

// Dialog templates of the main window, its navigation frame, the splash
// and the About box.
#define IDD_ABOUTBOX 100
#define IDD_NIMBRELCONTROL_DIALOG 102
#define IDD_LFRAME 103
#define IDD_SPLASH 104

// The pages of the main window. Each page window carries its page's
// template identifier as its control identifier (the Options page:
// IDD_OPTIONS), so a page is found the same way whether it is the real
// page or the stand-in.
#define IDD_SCANPRG 119
#define IDD_SCANDEFAULT 120
#define IDD_ADVANCEDSHRED 121
#define IDD_STATISTICS 122
#define IDD_RESULTS 172

// Shred page: the list and its buttons, the three levels (radio button and
// the clickable label beside it), the warning and SHRED FILES.
#define IDC_SHRED_FILES 1002
#define IDC_SHRED_LIST 1052
#define IDC_SHRED_ADD 1053
#define IDC_SHRED_REMOVE 1054
#define IDC_SHRED_QUICK 1056
#define IDC_SHRED_SAFE 1057
#define IDC_SHRED_THOROUGH 1058
#define IDC_SHRED_HINT 1059
#define IDC_SHRED_WARNING 1060
#define IDC_SHRED_LEVEL_GROUP 1061
#define IDC_SHRED_TITLE 1068
#define IDC_SHRED_LEVEL_HEADING 1071
#define IDC_SHRED_QUICK_LABEL 1187
#define IDC_SHRED_SAFE_LABEL 1188
#define IDC_SHRED_THOROUGH_LABEL 1189

// Image preview panel: its one picture.
#define IDC_PREVIEW_PICTURE 1186

// The main window's system menu entry that opens the About box.
#define IDM_ABOUTBOX 0x0010
// ... and the one that fetches the newest community rules file.
#define IDM_UPDATE_RULES 0x0020

// Main window.
#define IDC_HELP_BUTTON 1072
#define IDC_ABOUT_BUTTON 1110
#define IDC_VERSION_LABEL 1128

// Left navigation frame.
#define IDC_SCAN_BUTTON 1000
#define IDC_OPTIONS_BUTTON 1001
#define IDC_SHRED_BUTTON 1002
#define IDC_STATISTICS_BUTTON 1003

// About box.
#define IDC_ABOUT_TITLE 1127
#define IDC_WEBSITE_LABEL 1129
#define IDC_SUPPORT_LABEL 1130
#define IDC_EMAIL_LABEL 1131
#define IDC_CHECK_AUTOUPDATE 1133
#define IDC_CHECK_PROMPT 1134
#define IDC_VERSION_TEXT 1135
#define IDC_AUTOUPDATE_LABEL 1140
#define IDC_PROMPT_LABEL 1141
#define IDC_WEBSITE_LINK 1160
#define IDC_SUPPORT_LINK 1161
#define IDC_EMAIL_LINK 1162
#define IDC_CHECK_STARTUP 1190
#define IDC_CHECK_MINIMISE 1191
#define IDC_MINIMISE_LABEL 1192
#define IDC_STARTUP_LABEL 1193
#define IDC_VERSION_CAPTION 1194

// Scan page: buttons, the found-items tree, the progress and summary lines.
#define IDC_SCAN_NOW 1044
#define IDC_SCAN_PATH 1045
#define IDC_SCAN_TREE 1046
#define IDC_SCAN_ACTIVITY 1047
#define IDC_STOP_SCAN 1049
#define IDC_CLEAN 1050
#define IDC_FOUND_COUNT 1051
#define IDC_SCAN_TITLE 1067
#define IDC_SCAN_BACK 1143
#define IDC_SUMMARY1_TEXT 1176
#define IDC_SUMMARY1_VALUE 1177
#define IDC_SUMMARY2_VALUE 1178
#define IDC_SUMMARY2_TEXT 1179

// Dashboard: the heading, eight category icons and their lines (in
// category order), SCAN NOW.
#define IDC_DASH_SCAN_NOW 1044
#define IDC_DASH_HEADING 1067
#define IDC_DASH_FIRST_ICON 1144
#define IDC_DASH_FIRST_TEXT 1152

// Results report.
#define IDC_REPORT_TITLE 1070
#define IDC_REPORT_SUMMARY 1123
#define IDC_RESET_STATISTICS 1125
#define IDC_REPORT_OK 1142
#define IDC_CREATE_LOGS 1166
#define IDC_REPORT_LIST 1169

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

// The Options page and its nine category tabs (templates 300-308 and 310).
// The tab strip's pictures are one strip of 16 x 16 images, in tab order.
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

// The browsers' tab below its tree: the compacting option and the way to
// the sites whose cookies are kept, and that list's own dialog.
#define IDD_COOKIES_TO_KEEP 330
#define IDC_OPT_COMPACT_DATABASES 1240
#define IDC_OPT_COOKIES_TO_KEEP 1241
#define IDC_KEEP_INTRO 1242
#define IDC_KEEP_LIST_LABEL 1243
#define IDC_KEEP_LIST 1244
#define IDC_KEEP_SITE 1245
#define IDC_KEEP_ADD 1246
#define IDC_KEEP_REMOVE 1247
#define IDC_KEEP_FOUND_LABEL 1248
#define IDC_KEEP_FOUND 1249
#define IDC_KEEP_ADD_FOUND 1250
// The Community tab: its search box and label, "Tick all in this group",
// and the figures of the rules file (its tree is IDC_OPT_TREE).
#define IDD_OPT_COMMUNITY 310
#define IDC_COMMUNITY_SEARCH_LABEL 1200
#define IDC_COMMUNITY_SEARCH 1201
#define IDC_COMMUNITY_TICK_GROUP 1202
#define IDC_COMMUNITY_SUMMARY 1203
