// Cleaning items of the "File Sharing" category: download, shared and
// temporary folders, torrents, logs and search lists of peer-to-peer clients,
// and the system's peer networking cache. In the order the options tree
// offers them.
#pragma once

#include "scrubcore/Scrubcore.h"

// Morpheus (Recently Played Video, Recently Played Audio, Cache and Logs are
// one function under four names)
SCRUBCORE_ITEM(Privacy_FISMorTempFolder);
SCRUBCORE_ITEM(Privacy_FISMorCompDownLoadFol);
SCRUBCORE_ITEM(Privacy_FISMorParDownLoadFol);
SCRUBCORE_ITEM(Privacy_FISMorSharedFolder);
SCRUBCORE_ITEM(Privacy_FISMorSearchInfor);
SCRUBCORE_ITEM(Privacy_FISMorPlayLists);
SCRUBCORE_ITEM(Privacy_FISMorPodcasts);
SCRUBCORE_ITEM(Privacy_FISMorTorrents);
SCRUBCORE_ITEM(Privacy_FISMorRecPlaVideo);
SCRUBCORE_ITEM(Privacy_FISMorRecPlaAudio);
SCRUBCORE_ITEM(Privacy_FISMorTollBarSearHis);
SCRUBCORE_ITEM(Privacy_FISMorToolCache);
SCRUBCORE_ITEM(Privacy_FISMorCache);
SCRUBCORE_ITEM(Privacy_FISMorLogs);

// Kazaa
SCRUBCORE_ITEM(Privacy_FISKazSharFolder);
SCRUBCORE_ITEM(Privacy_FISKazInfabtFilTransfer);
SCRUBCORE_ITEM(Privacy_FISKazInfabtUserDetails);
SCRUBCORE_ITEM(Privacy_FISKazRecFileList);
SCRUBCORE_ITEM(Privacy_FISKazPersonalFileOrg);
SCRUBCORE_ITEM(Privacy_FISKazSearchInformation);
SCRUBCORE_ITEM(Privacy_FISKazSearchAgents);
SCRUBCORE_ITEM(Privacy_FISKazFilters);

// Bit Torrent
SCRUBCORE_ITEM(Privacy_FISBTDownLoadFolder);
SCRUBCORE_ITEM(Privacy_FISBTIncompleteFolder);
SCRUBCORE_ITEM(Privacy_FISBTTorrents);
SCRUBCORE_ITEM(Privacy_FISBTLogs);

// uTorrent
SCRUBCORE_ITEM(Privacy_FISUTTorandHisinFor);
SCRUBCORE_ITEM(Privacy_FISUTDownLoadsFolder);

// Azureus
SCRUBCORE_ITEM(Privacy_FISAzuTorrents);
SCRUBCORE_ITEM(Privacy_FISAzuDownLoadHis);
SCRUBCORE_ITEM(Privacy_FISAzuShareFile);
SCRUBCORE_ITEM(Privacy_FISAzuLogs);

// Limewire
SCRUBCORE_ITEM(Privacy_FISLWSharedFolder);
SCRUBCORE_ITEM(Privacy_FISLWIncompleteFolder);
SCRUBCORE_ITEM(Privacy_FISLWInfabtSharFiles);
SCRUBCORE_ITEM(Privacy_FISLWChannels);

// Bit Comet (the last two clean the system's peer networking cache)
SCRUBCORE_ITEM(Privacy_FISBCDownLoadsFolder);
SCRUBCORE_ITEM(Privacy_FISBCTorrents);
SCRUBCORE_ITEM(Privacy_FISBCDownLoadHis);
SCRUBCORE_ITEM(Privacy_FISSRCacheDir);
SCRUBCORE_ITEM(Privacy_FISSRDatabaseDir);
