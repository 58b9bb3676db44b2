// The Windows item category: where Windows XP to 11 keep one kind of trace
// per option. Most items are rows of places; the Recycle Bin, the paging-file
// setting and the disk-error logs have small algorithms of their own below.
#include "scrubcore/WindowsItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/FilePrimitives.h"
#include "files/RecycleBin.h"
#include "registry/RegistryPrimitives.h"

#include <shellapi.h>

#include <vector>

#define EXPLORER L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"
#define APPLETS L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets"
#define SEARCH_BAR                                                                                           \
    L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}"
#define WINLOGON L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"
#define MEMORY_MANAGEMENT L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management"

using namespace scrub;

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKLM = HKEY_LOCAL_MACHINE;

} // namespace

// RecentDocs' own values are the list of all recent documents; its subkeys
// hold one list per file type. Windows 7 on keeps the programs' jump lists
// below Recent: one file per program holds the recent documents and the ones
// the user pinned alike, so they stay.
SCRUB_ITEM(Privacy_WindocHis,
           FolderKeeping(&RecentFolder, L"", L"AutomaticDestinations\\*;CustomDestinations\\*"),
           KeyValues(HKCU, EXPLORER L"\\RecentDocs"), SubkeyValues(HKCU, EXPLORER L"\\RecentDocs"))

SCRUB_ITEM(Privacy_WNDFindSearHis, SubkeyValues(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru"),
           KeyValues(HKCU, EXPLORER L"\\Doc Find Spec MRU"),
           KeyValues(HKCU, SEARCH_BAR L"\\ContainingTextMRU"), KeyValues(HKCU, SEARCH_BAR L"\\FilesNamedMRU"))

// XP's temporary folder in "Local Settings", the one Vista and later make in
// [LocalAppData], and the one the system reports now (TEMP may name another).
SCRUB_ITEM(Privacy_WNDTempFilesDir, FolderAt(&LocalSettingsFolder, L"\\Temp"),
           FolderAt(&LocalAppDataFolder, L"\\Temp"), FolderAt(&UserTempFolder))

// The programs the user started and how often: the Start menu's counts, and
// Windows 10's counts of programs started, switched to and whose jump list
// was opened from the taskbar.
SCRUB_ITEM(Privacy_WNDStartMenuClickHis, SubkeyValues(HKCU, EXPLORER L"\\UserAssist"),
           KeyValues(HKCU, EXPLORER L"\\FeatureUsage\\AppLaunch"),
           KeyValues(HKCU, EXPLORER L"\\FeatureUsage\\AppSwitched"),
           KeyValues(HKCU, EXPLORER L"\\FeatureUsage\\ShowJumpView"))

SCRUB_ITEM(Privacy_WNDStartMenuOrderHis, SubkeyValues(HKCU, EXPLORER L"\\MenuOrder\\Start Menu\\Programs"),
           KeyValues(HKCU, EXPLORER L"\\MenuOrder\\Start Menu"),
           SubkeyValues(HKCU, EXPLORER L"\\MenuOrder\\Start Menu2\\Programs"),
           KeyValues(HKCU, EXPLORER L"\\MenuOrder\\Start Menu2"))

SCRUB_ITEM(Privacy_WNDWindLogFiles, FileAt(&WindowsFolder, L"\\DirectX.log"),
           FileAt(&WindowsFolder, L"\\setupapi.log"))

SCRUB_ITEM(Privacy_WNDTempFolder, FolderAt(&WinDirFolder, L"\\temp"))

SCRUB_ITEM(Privacy_WNDRunCommandHis, KeyValues(HKCU, EXPLORER L"\\RunMRU"))

// Component downloads unpack into "msdownld.tmp" at the root of the system
// drive, beside the Windows folder.
SCRUB_ITEM(Privacy_WNDMsDowLoadTempfol, FolderAt(&WindowsParentFolder, L"\\msdownld.tmp"))

SCRUB_ITEM(Privacy_WNDTempWindUpdateFol, FolderAt(&ProfileFolder, L"\\UserData"))

// The small dumps of each crash, and the whole memory of the last one.
SCRUB_ITEM(Privacy_WNDMemoryDumpFile, FolderAt(&WindowsFolder, L"\\Minidump"),
           FileAt(&WindowsFolder, L"\\MEMORY.DMP"))

SCRUB_ITEM(Privacy_WNDRecLogedOnUser, NamedValue(HKLM, WINLOGON, L"DefaultUserName"),
           NamedValue(HKLM, WINLOGON, L"AltDefaultUserName"), NamedValue(HKCU, EXPLORER, L"Logon User Name"))

SCRUB_ITEM(Privacy_WNDAppDebugHis, FolderAt(&WindowsFolder, L"\\Debug"))

// OpenSaveMRU's own values only: its per-extension subkeys stay.
SCRUB_ITEM(Privacy_WNDCommonDialogHis, KeyValues(HKCU, EXPLORER L"\\ComDlg32\\LastVisitedMRU"),
           KeyValues(HKCU, EXPLORER L"\\ComDlg32\\OpenSaveMRU"))

SCRUB_ITEM(Privacy_WNDMSPaintRecFilList, KeyValues(HKCU, APPLETS L"\\Paint\\Recent File List"))

SCRUB_ITEM(Privacy_WNDRecNetworkConnections, KeyValues(HKCU, EXPLORER L"\\Map Network Drive MRU"))

SCRUB_ITEM(Privacy_WNDRecPrinterConnections, KeyValues(HKCU, EXPLORER L"\\PrnPortsMRU"))

SCRUB_ITEM(Privacy_WNDLastRegKeyViewed, NamedValue(HKCU, APPLETS L"\\Regedit", L"LastKey"))

SCRUB_ITEM(Privacy_WNDWordPadRecFilList, KeyValues(HKCU, APPLETS L"\\Wordpad\\Recent File List"))

// --- Where Windows Vista to 11 keep their traces ---

#define COMDLG EXPLORER L"\\ComDlg32"
#define SEARCH L"Software\\Microsoft\\Windows\\CurrentVersion\\Search"
#define EXPLORER_CACHES L"\\Microsoft\\Windows\\Explorer"
#define WER L"\\Microsoft\\Windows\\WER"

// What was typed into Explorer's address bar and into its search box, and
// the programs Windows Search shows as recently used.
SCRUB_ITEM(Privacy_WNDTypedPaths, KeyValues(HKCU, EXPLORER L"\\TypedPaths"))
SCRUB_ITEM(Privacy_WNDSearchBoxHis, KeyValues(HKCU, EXPLORER L"\\WordWheelQuery"),
           SubkeyValues(HKCU, SEARCH L"\\RecentApps"), KeyValues(HKCU, SEARCH L"\\JumplistData"))

// Every folder the user opened, with the view Explorer showed it in (Vista
// on below "Local Settings", XP in the roaming and the local keys), and XP's
// list of folders whose views it kept. The views the user set for every
// folder ("AllFolders") and the desktop's icon layout stay.
#define SHELL_BAGS(shell)                                                                                    \
    KeyValues(HKCU, shell L"\\BagMRU"), SubkeyValues(HKCU, shell L"\\BagMRU"),                               \
        SubkeyValuesKeeping(HKCU, shell L"\\Bags", L"AllFolders;AllFolders\\*;1\\Desktop;1\\Desktop\\*")
SCRUB_ITEM(Privacy_WNDShellBags,
           SHELL_BAGS(L"Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell"),
           SHELL_BAGS(L"Software\\Microsoft\\Windows\\Shell"),
           SHELL_BAGS(L"Software\\Microsoft\\Windows\\ShellNoRoam"), KeyValues(HKCU, EXPLORER L"\\StreamMRU"))

// Windows 10's record of what the user did in which program (the Timeline).
// Its service holds the database while the user is logged on, and a file
// held that way is left for a later scan.
SCRUB_ITEM(Privacy_WNDActivityHistory,
           FilesNamed(&LocalAppDataFolder, L"\\ConnectedDevicesPlatform",
                      L"*\\ActivitiesCache.db;*\\ActivitiesCache.db-wal;*\\ActivitiesCache.db-shm"))

// The open and save dialogs' lists since Vista: the files chosen, per file
// type; the folder each program last used and the one it first showed; the
// programs that used the dialogs.
SCRUB_ITEM(Privacy_WNDOpenSavePidlHis, SubkeyValues(HKCU, COMDLG L"\\OpenSavePidlMRU"),
           KeyValues(HKCU, COMDLG L"\\LastVisitedPidlMRU"),
           KeyValues(HKCU, COMDLG L"\\LastVisitedPidlMRULegacy"), KeyValues(HKCU, COMDLG L"\\FirstFolder"),
           KeyValues(HKCU, COMDLG L"\\CIDSizeMRU"))

// Explorer keeps the pictures of files it showed, and icons, in caches
// beside other files of its own; the caches it holds open while it runs
// stay until the next scan.
SCRUB_ITEM(Privacy_WNDThumbnailCache, FilesNamed(&LocalAppDataFolder, EXPLORER_CACHES, L"thumbcache_*.db"))
SCRUB_ITEM(Privacy_WNDIconCache, FilesNamed(&LocalAppDataFolder, EXPLORER_CACHES, L"iconcache_*.db"),
           FileAt(&LocalAppDataFolder, L"\\IconCache.db"))

// Error reports sent (the archive) and waiting to be sent (the queue), the
// user's and the machine's, and the dumps of programs that crashed.
SCRUB_ITEM(Privacy_WNDErrorReports, FolderAt(&LocalAppDataFolder, WER L"\\ReportArchive"),
           FolderAt(&LocalAppDataFolder, WER L"\\ReportQueue"),
           FolderAt(&CommonAppDataFolder, WER L"\\ReportArchive"),
           FolderAt(&CommonAppDataFolder, WER L"\\ReportQueue"))
SCRUB_ITEM(Privacy_WNDAppCrashDumps, FolderAt(&LocalAppDataFolder, L"\\CrashDumps"))

// Shaders DirectX compiled for the games and programs the user ran.
SCRUB_ITEM(Privacy_WNDShaderCache, FolderAt(&LocalAppDataFolder, L"\\D3DSCache"))

// The programs' jump lists (Windows 7 on): the recent documents they show,
// and with them what the user pinned. Explorer's own list is Quick Access,
// the folders the user pinned there: it stays.
SCRUB_ITEM(Privacy_WNDJumpLists,
           FolderKeeping(&RecentFolder, L"\\AutomaticDestinations",
                         L"f01b4d95cf55d32a.automaticDestinations-ms"),
           FolderAt(&RecentFolder, L"\\CustomDestinations"))

// An option with nothing to clean: it answers at once, stop request or not.
SCRUBCORE_API int Privacy_WNDCDBurnStorageFolder(unsigned char) {
    return 1;
}
SCRUB_ITEM_ALIAS(Privacy_MULACDSRFavorites, Privacy_WNDCDBurnStorageFolder);
SCRUB_ITEM_ALIAS(Privacy_THPGDSDontSearTheseItemSettings, Privacy_WNDCDBurnStorageFolder);

namespace {

// The paging file is not a file the cleaner may touch; what it offers is the
// setting that makes Windows clear the page file at every shutdown. The
// offer stands on every scan, whatever the setting holds now.
void OfferPagingFileSetting(unsigned char) {
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKLM, MEMORY_MANAGEMENT, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        return;
    }
    theApp.Report(RegistryText(HKLM, MEMORY_MANAGEMENT, L"ClearPageFileAtShutdown"));
    theApp.Pump();
}

// Old disk checks leave "scandisk.log" at the root of every drive they
// checked. The host's mode decides: a report-only scan deletes nothing.
void HandleDiskErrorLogs(unsigned char) {
    ListFixedDrives();
    const std::vector<std::wstring> drives = theApp.fixedDrives;
    for (const std::wstring& drive : drives) {
        if (theApp.stopRequested) {
            return;
        }
        const std::wstring log = drive + L"scandisk.log";
        if (CanOpenFile(log)) {
            HandleFile(log);
        }
    }
}

// --- The Recycle Bin ---

// Every entry the Recycle Bin shows counts with the size of its file; a scan
// (mode 0) also reports the entry's name as the bin shows it. Nothing is
// deleted here: cleaning any entry empties every bin.
void MeasureRecycleBin(unsigned char mode) {
    unsigned long long total = 0;
    bool everySizeKnown = true;
    for (const RecycleBinEntry& entry : RecycleBinEntries(true)) {
        if (entry.sizeKnown) {
            total += entry.bytes;
        } else {
            everySizeKnown = false;
        }
        if (mode == 0) {
            theApp.Report(entry.name);
        }
    }
    // A shell that cannot size single entries still knows what its bins hold.
    SHQUERYRBINFO held = {};
    held.cbSize = sizeof held;
    if (!everySizeKnown && SUCCEEDED(SHQueryRecycleBinW(nullptr, &held)) && held.i64Size > 0) {
        total = static_cast<unsigned long long>(held.i64Size);
    }
    theApp.AddBytes(static_cast<double>(total));
}

} // namespace

SCRUB_SPECIAL_ITEM(Privacy_WNDFlushRecycleBin, MeasureRecycleBin)
SCRUB_SPECIAL_ITEM(Privacy_WNDPagingFile, OfferPagingFileSetting)
SCRUB_SPECIAL_ITEM(Privacy_WNDDiskErrorLogFile, HandleDiskErrorLogs)
