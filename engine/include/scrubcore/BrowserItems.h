// The "Internet Browsers" cleaning items: Internet Explorer, Netscape,
// Opera, Firefox, the AOL browser, and the browsers built on Chromium. Each
// takes the host's mode byte (ignored) and returns 1.
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
SCRUBCORE_ITEM(Privacy_FFSession);        // Session
SCRUBCORE_ITEM(Privacy_FFCrashReports);   // Crash Reports
SCRUBCORE_ITEM(Privacy_FFSiteSettings);   // Site Settings

// AOL Browser
SCRUBCORE_ITEM(Privacy_AQAddBarHis);        // Address Bar History
SCRUBCORE_ITEM(Privacy_AQInternetCacheFol); // Internet Cache Folder
SCRUBCORE_ITEM(Privacy_AQHis);              // History
SCRUBCORE_ITEM(Privacy_AQCookies);          // Cookies: the same function as Privacy_IECookies

// The browsers built on Chromium, in every profile: Google Chrome (GC),
// Microsoft Edge (ME), Brave (BR), Vivaldi (VI), Opera 15 and later (OPN)
SCRUBCORE_ITEM(Privacy_GCCache);      // Cache
SCRUBCORE_ITEM(Privacy_GCCookies);    // Cookies And Site Data
SCRUBCORE_ITEM(Privacy_GCHistory);    // History
SCRUBCORE_ITEM(Privacy_GCSessions);   // Sessions
SCRUBCORE_ITEM(Privacy_GCFormData);   // Saved Form Data, Addresses And Cards
SCRUBCORE_ITEM(Privacy_GCPasswords);  // Saved Passwords
SCRUBCORE_ITEM(Privacy_MECache);      // Cache
SCRUBCORE_ITEM(Privacy_MECookies);    // Cookies And Site Data
SCRUBCORE_ITEM(Privacy_MEHistory);    // History
SCRUBCORE_ITEM(Privacy_MESessions);   // Sessions
SCRUBCORE_ITEM(Privacy_MEFormData);   // Saved Form Data, Addresses And Cards
SCRUBCORE_ITEM(Privacy_MEPasswords);  // Saved Passwords
SCRUBCORE_ITEM(Privacy_BRCache);      // Cache
SCRUBCORE_ITEM(Privacy_BRCookies);    // Cookies And Site Data
SCRUBCORE_ITEM(Privacy_BRHistory);    // History
SCRUBCORE_ITEM(Privacy_BRSessions);   // Sessions
SCRUBCORE_ITEM(Privacy_BRFormData);   // Saved Form Data, Addresses And Cards
SCRUBCORE_ITEM(Privacy_BRPasswords);  // Saved Passwords
SCRUBCORE_ITEM(Privacy_VICache);      // Cache
SCRUBCORE_ITEM(Privacy_VICookies);    // Cookies And Site Data
SCRUBCORE_ITEM(Privacy_VIHistory);    // History
SCRUBCORE_ITEM(Privacy_VISessions);   // Sessions
SCRUBCORE_ITEM(Privacy_VIFormData);   // Saved Form Data, Addresses And Cards
SCRUBCORE_ITEM(Privacy_VIPasswords);  // Saved Passwords
SCRUBCORE_ITEM(Privacy_OPNCache);     // Cache
SCRUBCORE_ITEM(Privacy_OPNCookies);   // Cookies And Site Data
SCRUBCORE_ITEM(Privacy_OPNHistory);   // History
SCRUBCORE_ITEM(Privacy_OPNSessions);  // Sessions
SCRUBCORE_ITEM(Privacy_OPNFormData);  // Saved Form Data, Addresses And Cards
SCRUBCORE_ITEM(Privacy_OPNPasswords); // Saved Passwords
