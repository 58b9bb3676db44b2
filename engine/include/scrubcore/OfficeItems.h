// Cleaning items of the "MS Office" category: the most-recently-used lists
// the office applications keep for the current user, and the folder of
// recent-folder shortcuts. In the order the options tree offers them.
#pragma once

#include "scrubcore/Scrubcore.h"

// Office 2003
SCRUBCORE_ITEM(Privacy_OFFWord03);
SCRUBCORE_ITEM(Privacy_OFFAccess03);
SCRUBCORE_ITEM(Privacy_OFFExcel03);
SCRUBCORE_ITEM(Privacy_OFFVisio03);
SCRUBCORE_ITEM(Privacy_OFFPowerPoint03);
SCRUBCORE_ITEM(Privacy_OFFPublisher03);
SCRUBCORE_ITEM(Privacy_OFFFrontPage03);
SCRUBCORE_ITEM(Privacy_OFFProject03);
SCRUBCORE_ITEM(Privacy_OFFInfopath03);
SCRUBCORE_ITEM(Privacy_OFFClipOrganizer);
SCRUBCORE_ITEM(Privacy_OFFPictureManager);
SCRUBCORE_ITEM(Privacy_OFFSnapShotViewer);
SCRUBCORE_ITEM(Privacy_OFFSaveMySettings);

// Office XP
SCRUBCORE_ITEM(Privacy_OFFWordXP);
SCRUBCORE_ITEM(Privacy_OFFExcelXP);
SCRUBCORE_ITEM(Privacy_OFFAccessXP);
SCRUBCORE_ITEM(Privacy_OFFPowerPointXP);
SCRUBCORE_ITEM(Privacy_OFFFrontPageXP);

// Office 2000
SCRUBCORE_ITEM(Privacy_OFFWord00);
SCRUBCORE_ITEM(Privacy_OFFExcel00);
SCRUBCORE_ITEM(Privacy_OFFAccess00);
SCRUBCORE_ITEM(Privacy_OFFPowerPoint00);
SCRUBCORE_ITEM(Privacy_OFFFrontPage00);

// Office 97
SCRUBCORE_ITEM(Privacy_OFFWord97);
SCRUBCORE_ITEM(Privacy_OFFExcel97);
SCRUBCORE_ITEM(Privacy_OFFAccess97);
SCRUBCORE_ITEM(Privacy_OFFPowerPoint97);

// Shared resources
SCRUBCORE_ITEM(Privacy_OFFOfficeRecentFolders);
SCRUBCORE_ITEM(Privacy_OFFInternetServerCache);
SCRUBCORE_ITEM(Privacy_OFFSearchHis);
SCRUBCORE_ITEM(Privacy_OFFFrontPageAll);

// Office 2007 to 365: each application's lists in every version from 2007 on
SCRUBCORE_ITEM(Privacy_OFFWord07to365);
SCRUBCORE_ITEM(Privacy_OFFExcel07to365);
SCRUBCORE_ITEM(Privacy_OFFPowerPoint07to365);
SCRUBCORE_ITEM(Privacy_OFFAccess07to365);
SCRUBCORE_ITEM(Privacy_OFFPublisher07to365);
SCRUBCORE_ITEM(Privacy_OFFVisio07to365);
SCRUBCORE_ITEM(Privacy_OFFOneNote07to365);
SCRUBCORE_ITEM(Privacy_OFFUnsavedFiles);
SCRUBCORE_ITEM(Privacy_OFFOfficeFileCache);
