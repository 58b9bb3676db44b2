// The Windows item category: where Windows XP to 11 keep recent documents,
// search and run histories, dialog and applet MRU lists, temporary folders,
// logs, the Recycle Bin and the page file, and where Vista and later keep
// Explorer's typed paths, searches and caches, error reports and crash
// dumps. One export per option under the options-tree root "Windows", in
// the options' order.
#pragma once

#include "scrubcore/Scrubcore.h"

SCRUBCORE_ITEM(Privacy_WindocHis);              // Document History
SCRUBCORE_ITEM(Privacy_WNDFindSearHis);         // Find Search History
SCRUBCORE_ITEM(Privacy_WNDTempFilesDir);        // Temp Folder
SCRUBCORE_ITEM(Privacy_WNDFlushRecycleBin);     // Flush Recycle Bin: mode 0 reports, others measure silently
SCRUBCORE_ITEM(Privacy_WNDStartMenuClickHis);   // Start Menu Click History
SCRUBCORE_ITEM(Privacy_WNDStartMenuOrderHis);   // Start Menu Order History
SCRUBCORE_ITEM(Privacy_WNDWindLogFiles);        // Log Files
SCRUBCORE_ITEM(Privacy_WNDPagingFile);          // Paging File
SCRUBCORE_ITEM(Privacy_WNDTempFolder);          // Windows Temp Folder
SCRUBCORE_ITEM(Privacy_WNDRunCommandHis);       // Run Command History
SCRUBCORE_ITEM(Privacy_WNDDiskErrorLogFile);    // Disk Error Log Files
SCRUBCORE_ITEM(Privacy_WNDMsDowLoadTempfol);    // Download Temp Folder
SCRUBCORE_ITEM(Privacy_WNDTempWindUpdateFol);   // Temp Windows Update Folder
SCRUBCORE_ITEM(Privacy_WNDMemoryDumpFile);      // Memory Dump File
SCRUBCORE_ITEM(Privacy_WNDCDBurnStorageFolder); // Burn Storage Folder: does nothing
SCRUBCORE_ITEM(Privacy_WNDRecLogedOnUser);      // Recent Log User
SCRUBCORE_ITEM(Privacy_WNDAppDebugHis);         // Debug History
SCRUBCORE_ITEM(Privacy_WNDCommonDialogHis);     // Common Dialog History
SCRUBCORE_ITEM(Privacy_WNDMSPaintRecFilList);   // Paint Recently Opened Files List
SCRUBCORE_ITEM(Privacy_WNDRecNetworkConnections); // Network Connections
SCRUBCORE_ITEM(Privacy_WNDRecPrinterConnections); // Printer Connections
SCRUBCORE_ITEM(Privacy_WNDLastRegKeyViewed);      // Last Registry Key Viewed
SCRUBCORE_ITEM(Privacy_WNDWordPadRecFilList);     // WordPad Recent History
SCRUBCORE_ITEM(Privacy_WNDTypedPaths);            // Typed Paths
SCRUBCORE_ITEM(Privacy_WNDSearchBoxHis);          // Search Box History
SCRUBCORE_ITEM(Privacy_WNDOpenSavePidlHis);       // Open And Save Dialog Lists
SCRUBCORE_ITEM(Privacy_WNDThumbnailCache);        // Thumbnail Cache
SCRUBCORE_ITEM(Privacy_WNDIconCache);             // Icon Cache
SCRUBCORE_ITEM(Privacy_WNDErrorReports);          // Error Reports
SCRUBCORE_ITEM(Privacy_WNDAppCrashDumps);         // Crash Dumps
SCRUBCORE_ITEM(Privacy_WNDShaderCache);           // DirectX Shader Cache
SCRUBCORE_ITEM(Privacy_WNDJumpLists);             // Jump Lists
SCRUBCORE_ITEM(Privacy_WNDShellBags);             // Shell Bags
SCRUBCORE_ITEM(Privacy_WNDActivityHistory);       // Activity History

// The do-nothing body of the Burn Storage Folder item under two more names
// (a multimedia and a third-party option that have nothing to clean).
SCRUBCORE_ITEM(Privacy_MULACDSRFavorites);
SCRUBCORE_ITEM(Privacy_THPGDSDontSearTheseItemSettings);
