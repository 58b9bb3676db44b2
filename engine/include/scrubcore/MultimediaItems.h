// Multimedia items: image viewers and media players, in the order the
// options tree offers them.
#pragma once

#include "scrubcore/Scrubcore.h"

// ACDSee 3
SCRUBCORE_ITEM(Privacy_MULACD3ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD3PathHis);
SCRUBCORE_ITEM(Privacy_MULACD3CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD3LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD3SearchHis);
// ACDSee 5 (Image Database is the ACDSee 6 body; Path History and Search
// History are one body)
SCRUBCORE_ITEM(Privacy_MULACD5ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD5PathHis);
SCRUBCORE_ITEM(Privacy_MULACD5CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD5LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD5SearchHis);
// ACDSee 6 (Path History and Search History are one body)
SCRUBCORE_ITEM(Privacy_MULACD6ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD6PathHis);
SCRUBCORE_ITEM(Privacy_MULACD6CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD6LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD6SearchHis);
// ACDSee 7
SCRUBCORE_ITEM(Privacy_MULACD7ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD7SearchSimpleHis);
SCRUBCORE_ITEM(Privacy_MULACD7PathHis);
SCRUBCORE_ITEM(Privacy_MULACD7CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD7LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD7SearchHis);
// ACDSee 8
SCRUBCORE_ITEM(Privacy_MULACD8ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD8SearchSimpleHis);
SCRUBCORE_ITEM(Privacy_MULACD8PathHis);
SCRUBCORE_ITEM(Privacy_MULACD8CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD8LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD8SearchHis);
// ACDSee 9
SCRUBCORE_ITEM(Privacy_MULACD9ImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACD9SearchSimpleHis);
SCRUBCORE_ITEM(Privacy_MULACD9PathHis);
SCRUBCORE_ITEM(Privacy_MULACD9CopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACD9LastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACD9SearchHis);
// ACDSee Pro
SCRUBCORE_ITEM(Privacy_MULACDProImageDatabase);
SCRUBCORE_ITEM(Privacy_MULACDProRawImagPrevCache);
SCRUBCORE_ITEM(Privacy_MULACDProSearchSimpleHis);
SCRUBCORE_ITEM(Privacy_MULACDProPathHis);
SCRUBCORE_ITEM(Privacy_MULACDProCopyandMovDest);
SCRUBCORE_ITEM(Privacy_MULACDProLastOpenFoldinView);
SCRUBCORE_ITEM(Privacy_MULACDProSearchHis);
// Windows Media Player
SCRUBCORE_ITEM(Privacy_MULWMPRecOpenFileList);
SCRUBCORE_ITEM(Privacy_MULWMPRecOpenURLList);
SCRUBCORE_ITEM(Privacy_MULWMPCache);
SCRUBCORE_ITEM(Privacy_MULWMPLibrary);
// Winamp
SCRUBCORE_ITEM(Privacy_MULWAPRecOpenFileList);
SCRUBCORE_ITEM(Privacy_MULWAPBookMarks);
SCRUBCORE_ITEM(Privacy_MULWAPMediaLibViewPla);
// ACDSee Shared Resources
// Privacy_MULACDSRFavorites: the do-nothing body, declared with the Windows
// items (Privacy_WNDCDBurnStorageFolder) under its three names.
SCRUBCORE_ITEM(Privacy_MULACDSRScrCapLasSavFol);
// VLC Media Player
SCRUBCORE_ITEM(Privacy_MULVLCCache);
SCRUBCORE_ITEM(Privacy_MULVLCRecentFiles);
SCRUBCORE_ITEM(Privacy_MULVLCMediaLibrary);
// Real Player
SCRUBCORE_ITEM(Privacy_MULRealPlayerHis);
// Quick Time Player
SCRUBCORE_ITEM(Privacy_MULQTRecOpenFileList);
SCRUBCORE_ITEM(Privacy_MULQTRecURLList);
SCRUBCORE_ITEM(Privacy_MULQTFavorites);
// DivX Player
SCRUBCORE_ITEM(Privacy_MULDivxRecOpenFileList);
SCRUBCORE_ITEM(Privacy_MULDivxMoviesFolder);
