// The "Internet Browsers" cleaning items: Internet Explorer, Netscape,
// Opera, Firefox and the AOL browser. Each takes the host's mode byte
// (ignored) and returns 1.
#pragma once

#include "scrubcore/Scrubcore.h"

// Internet Explorer
SCRUBCORE_ITEM(Privacy_IETempInternetFiles);       // Temp Internet Folder
SCRUBCORE_ITEM(Privacy_IEHisOfVisitedsites);       // Visited Sites
SCRUBCORE_ITEM(Privacy_IEFavorites);               // Favorites
SCRUBCORE_ITEM(Privacy_IECookies);                 // Cookies
SCRUBCORE_ITEM(Privacy_IEStartpageNSecondarytabs); // Start Page
SCRUBCORE_ITEM(Privacy_IEIndexDat);                // Index.dat
SCRUBCORE_ITEM(Privacy_IEAutoComplData);           // Auto Complete Form Data
SCRUBCORE_ITEM(Privacy_IEDowDirMemory);            // Download Dir Memory
SCRUBCORE_ITEM(Privacy_IESavedDirMemory);          // Saved Dir Memory
SCRUBCORE_ITEM(Privacy_IESetUpLogFiles);           // Update Log Files
SCRUBCORE_ITEM(Privacy_IESavePasswords);           // Saved Passwords
SCRUBCORE_ITEM(Privacy_IEDownLoadProgFiles);       // Downloaded Program Files
SCRUBCORE_ITEM(Privacy_IEAddressbarHis);           // Address Bar History

// Netscape
SCRUBCORE_ITEM(Privacy_NSCache);                      // Cache
SCRUBCORE_ITEM(Privacy_NSAddBarPagHis);               // Address Bar History
SCRUBCORE_ITEM(Privacy_NSSavedFormHis);               // Saved Forms History
SCRUBCORE_ITEM(Privacy_NSCookies);                    // Cookies
SCRUBCORE_ITEM(Privacy_NSSearHis);                    // Search History
SCRUBCORE_ITEM(Privacy_NSDownLoadManHis);             // Downloads History
SCRUBCORE_ITEM(Privacy_NSDataCardManHis);             // Data Card History
SCRUBCORE_ITEM(Privacy_NSAddBarPagHisPasscardManHis); // Address Bar Password History

// Opera
SCRUBCORE_ITEM(Privacy_OPCache);             // Cache
SCRUBCORE_ITEM(Privacy_OPHistoryofvisSites); // Visited Sites
SCRUBCORE_ITEM(Privacy_OPHisTypedinAddbar);  // Address Bar History
SCRUBCORE_ITEM(Privacy_OPCookies);           // Cookies
SCRUBCORE_ITEM(Privacy_OPCacheWandPassWord); // Saved Passwords
SCRUBCORE_ITEM(Privacy_OPHisFilTransfer);    // Transfer History

// Firefox
SCRUBCORE_ITEM(Privacy_FFBrowHis);        // Browser History
SCRUBCORE_ITEM(Privacy_FFSavForHis);      // Saved Forms History
SCRUBCORE_ITEM(Privacy_FFCache);          // Cache
SCRUBCORE_ITEM(Privacy_FFDownHis);        // Downloads History
SCRUBCORE_ITEM(Privacy_FFCookies);        // Cookies
SCRUBCORE_ITEM(Privacy_FFSavPasswords);   // Saved Passwords
SCRUBCORE_ITEM(Privacy_FFKeyDataMasPass); // Key Passwords

// AOL Browser
SCRUBCORE_ITEM(Privacy_AQAddBarHis);        // Address Bar History
SCRUBCORE_ITEM(Privacy_AQInternetCacheFol); // Internet Cache Folder
SCRUBCORE_ITEM(Privacy_AQHis);              // History
SCRUBCORE_ITEM(Privacy_AQCookies);          // Cookies: the same function as Privacy_IECookies
