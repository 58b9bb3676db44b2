// Third-party application items: a document reader's recent files, desktop
// search tools and a web media player, in the order the options tree offers
// them.
#pragma once

#include "scrubcore/Scrubcore.h"

// Adobe Acrobat
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat4);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat5);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat6);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat7);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobatDC);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat2015);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat2017);
SCRUBCORE_ITEM(Privacy_THPAdobeAcrobat2020);
// Google Desktop Search
SCRUBCORE_ITEM(Privacy_THPGDSIndDataFolder);
SCRUBCORE_ITEM(Privacy_THPGDSLinksFolder);
SCRUBCORE_ITEM(Privacy_THPGDSTemporayFolder);
SCRUBCORE_ITEM(Privacy_THPGDSGogToolBarSearHis);
// Privacy_THPGDSDontSearTheseItemSettings: the do-nothing body, declared with
// the Windows items (Privacy_WNDCDBurnStorageFolder) under its three names.
// Yahoo Desktop search (Index and Logs are one body)
SCRUBCORE_ITEM(Privacy_THPYDSIndex);
SCRUBCORE_ITEM(Privacy_THPYDSSavedSearches);
SCRUBCORE_ITEM(Privacy_THPYDSLogs);
// Windows Desktop Search
SCRUBCORE_ITEM(Privacy_THPWDSIndex);
SCRUBCORE_ITEM(Privacy_THPWDSLogs);
// AOL Desktop Search
SCRUBCORE_ITEM(Privacy_THPADSIndex);
// Macromedia Flash Player
SCRUBCORE_ITEM(Privacy_THPMMFPHisandTempFiles);
