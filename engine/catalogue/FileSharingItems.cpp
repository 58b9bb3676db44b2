// The "File Sharing" category: what peer-to-peer clients leave in the user's
// folders, their installation folders and the registry.
#include "scrubcore/FileSharingItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "discovery/Discovery.h"
#include "registry/RegistryText.h"

#include <string>

using namespace scrub;

namespace {

// [Morpheus]: the folder Morpheus was installed in, as its setup recorded it.
std::wstring MorpheusFolder() {
    return InstallationRoot(ReadRegistryText(HKEY_LOCAL_MACHINE, L"Software\\Morpheus", L"Install_Dir"));
}
// [Kazaa]: the folder of the registered Kazaa program.
std::wstring KazaaFolder() {
    return InstallationRoot(AppPathsFolder(L"Kazaa.exe"));
}
// [BitComet]: the folder of the registered BitComet program.
std::wstring BitCometFolder() {
    return InstallationRoot(AppPathsFolder(L"BitComet.exe"));
}

// [DocumentsParent]: the folder that holds the documents folder; BitTorrent
// puts its "My Documents\BitTorrent Downloads" there.
std::wstring DocumentsParentFolder() {
    return win32::CutAtLastBackslash(DocumentsFolder());
}

// [DocDrive]: the drive of the documents folder ("D:" for
// D:\Users\Ann\My Documents); Kazaa puts "My Shared Folder" at its root. A
// documents folder on a network share has no such drive.
std::wstring DocumentsDriveFolder() {
    const std::wstring documents = DocumentsFolder();
    const auto firstBackslash = documents.find(L'\\');
    if (firstBackslash == std::wstring::npos) {
        return {};
    }
    return documents.substr(0, firstBackslash);
}

// [LimeWireProfile]: the profile, when LimeWire keeps its settings for this
// user: folders as plainly named as "Shared" in the profile are LimeWire's
// only then.
std::wstring LimeWireProfileFolder() {
    const DWORD settings = GetFileAttributesW(UnderRoot(AppDataFolder(), L"\\LimeWire").c_str());
    if (settings == INVALID_FILE_ATTRIBUTES || !(settings & FILE_ATTRIBUTE_DIRECTORY)) {
        return {};
    }
    return UserProfileFolder();
}

} // namespace

// Morpheus ---------------------------------------------------------------------

SCRUB_ITEM(Privacy_FISMorTempFolder, FolderAt(&MorpheusFolder, L"\\Temp"))
// Morpheus shares from "Morpheus Shared" in the user's documents: on XP
// beside "Application Data" in the profile, later in [Documents].
SCRUB_ITEM(Privacy_FISMorCompDownLoadFol,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared\\Downloads"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared\\Downloads"))
SCRUB_ITEM(Privacy_FISMorParDownLoadFol,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared\\Downloads\\Partials"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared\\Downloads\\Partials"))
SCRUB_ITEM(Privacy_FISMorSharedFolder, FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared"))
SCRUB_ITEM(Privacy_FISMorSearchInfor, KeyValues(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\SearchRecent"),
           KeyValues(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\BrowserRecent"))
SCRUB_ITEM(Privacy_FISMorPlayLists,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared\\Morpheus Playlists"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared\\Morpheus Playlists"))
SCRUB_ITEM(Privacy_FISMorPodcasts,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared\\Podcasts"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared\\Podcasts"))
SCRUB_ITEM(Privacy_FISMorTorrents,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\Morpheus Shared\\Downloads\\Torrents"),
           FolderAt(&DocumentsFolder, L"\\Morpheus Shared\\Downloads\\Torrents"))
// Morpheus keeps its play history, cache and logs together in one folder.
SCRUB_ITEM(Privacy_FISMorRecPlaVideo, FolderAt(&AppDataFolder, L"\\Morpheus"))
SCRUB_ITEM_ALIAS(Privacy_FISMorRecPlaAudio, Privacy_FISMorRecPlaVideo);
SCRUB_ITEM(Privacy_FISMorTollBarSearHis,
           KeyValues(HKEY_CURRENT_USER, L"Software\\MorpheusToolbar\\Toolbar\\Historysearch"))
SCRUB_ITEM(Privacy_FISMorToolCache, FolderAt(&ProgramFilesFolder, L"\\Morpheus Toolbar\\Cache"))
SCRUB_ITEM_ALIAS(Privacy_FISMorCache, Privacy_FISMorRecPlaVideo);
SCRUB_ITEM_ALIAS(Privacy_FISMorLogs, Privacy_FISMorRecPlaVideo);

// Kazaa ------------------------------------------------------------------------

SCRUB_ITEM(Privacy_FISKazSharFolder, FolderAt(&DocumentsDriveFolder, L"\\My Shared Folder"))
SCRUB_ITEM(Privacy_FISKazInfabtFilTransfer, FolderAt(&KazaaFolder, L"\\db"))
SCRUB_ITEM(Privacy_FISKazInfabtUserDetails, KeyValues(HKEY_CURRENT_USER, L"Software\\Kazaa\\UserDetails"))
SCRUB_ITEM(Privacy_FISKazRecFileList,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Kazaa\\Kazaa\\BrowserSettings"))
SCRUB_ITEM(Privacy_FISKazPersonalFileOrg, KeyValues(HKEY_CURRENT_USER, L"Software\\Kazaa\\LocalContent"))
SCRUB_ITEM(Privacy_FISKazSearchInformation, KeyValues(HKEY_CURRENT_USER, L"Software\\Kazaa\\Search"))
SCRUB_ITEM(Privacy_FISKazSearchAgents, FolderAt(&KazaaFolder, L"\\My Search Agents"))
SCRUB_ITEM(Privacy_FISKazFilters, KeyValues(HKEY_CURRENT_USER, L"Software\\Kazaa\\ResultsFilter"))

// Bit Torrent ------------------------------------------------------------------

SCRUB_ITEM(Privacy_FISBTDownLoadFolder,
           FolderAt(&DocumentsParentFolder, L"\\My Documents\\BitTorrent Downloads"),
           FolderAt(&DocumentsFolder, L"\\BitTorrent Downloads"))
SCRUB_ITEM(Privacy_FISBTIncompleteFolder, FolderAt(&AppDataFolder, L"\\BitTorrent\\incomplete"))
SCRUB_ITEM(Privacy_FISBTTorrents, FolderAt(&AppDataFolder, L"\\BitTorrent\\data\\resume"),
           FolderAt(&AppDataFolder, L"\\BitTorrent\\data\\torrents"))
SCRUB_ITEM(Privacy_FISBTLogs, FileAt(&AppDataFolder, L"\\BitTorrent\\bittorrent.log"))

// uTorrent ---------------------------------------------------------------------

// The torrents and their history; uTorrent's settings (and their backup)
// stay.
SCRUB_ITEM(Privacy_FISUTTorandHisinFor,
           FolderKeeping(&AppDataFolder, L"\\uTorrent", L"settings.dat;settings.dat.old"))
SCRUB_ITEM(Privacy_FISUTDownLoadsFolder, FolderAt(&DocumentsFolder, L"\\Downloads"))

// Azureus ----------------------------------------------------------------------

SCRUB_ITEM(Privacy_FISAzuTorrents, FolderAt(&AppDataFolder, L"\\Azureus\\torrents"),
           FolderAt(&AppDataFolder, L"\\Azureus\\download torrents"))
SCRUB_ITEM(Privacy_FISAzuDownLoadHis, FolderAt(&AppDataFolder, L"\\Azureus\\dht"),
           FileAt(&AppDataFolder, L"\\Azureus\\downloads.config"),
           FileAt(&AppDataFolder, L"\\Azureus\\downloads.config.bak"),
           FileAt(&AppDataFolder, L"\\Azureus\\tracker.config"),
           FileAt(&AppDataFolder, L"\\Azureus\\tracker.config.bak"))
SCRUB_ITEM(Privacy_FISAzuShareFile, FolderAt(&AppDataFolder, L"\\Azureus\\shares"),
           FileAt(&AppDataFolder, L"\\Azureus\\sharing.config"),
           FileAt(&AppDataFolder, L"\\Azureus\\sharing.config.bak"))
SCRUB_ITEM(Privacy_FISAzuLogs, FolderAt(&AppDataFolder, L"\\Azureus\\logs"))

// Limewire ---------------------------------------------------------------------

// LimeWire keeps its folders in the profile, which on XP holds "Application
// Data" too; later Windows has "AppData" there instead.
SCRUB_ITEM(Privacy_FISLWSharedFolder, FolderAt(&AppDataParentFolder, L"\\Shared"),
           FolderAt(&LimeWireProfileFolder, L"\\Shared"))
SCRUB_ITEM(Privacy_FISLWIncompleteFolder, FolderAt(&AppDataParentFolder, L"\\Incomplete"),
           FolderAt(&LimeWireProfileFolder, L"\\Incomplete"))
// What LimeWire knows of shared files; its settings (limewire.props and
// the other .props files) stay.
SCRUB_ITEM(Privacy_FISLWInfabtSharFiles, FolderKeeping(&AppDataFolder, L"\\LimeWire", L"*.props"))
SCRUB_ITEM(Privacy_FISLWChannels, FolderAt(&AppDataParentFolder, L"\\My Channels\\Bin"),
           FolderAt(&LimeWireProfileFolder, L"\\My Channels\\Bin"))

// Bit Comet and the peer networking cache ----------------------------------------

SCRUB_ITEM(Privacy_FISBCDownLoadsFolder, FolderAt(&BitCometFolder, L"\\Downloads"))
SCRUB_ITEM(Privacy_FISBCTorrents, FolderAt(&BitCometFolder, L"\\torrents"))
SCRUB_ITEM(Privacy_FISBCDownLoadHis, FileAt(&BitCometFolder, L"\\Downloads.xml"))
SCRUB_ITEM(Privacy_FISSRCacheDir, FolderAt(&WinDirFolder, L"\\system32\\P2P Networking\\Cache"))
SCRUB_ITEM(Privacy_FISSRDatabaseDir, FolderAt(&WinDirFolder, L"\\system32\\P2P Networking\\Cache\\Database"))
