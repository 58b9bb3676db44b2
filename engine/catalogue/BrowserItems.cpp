// The "Internet Browsers" category: where Internet Explorer, Netscape,
// Opera, Firefox, the AOL browser and the browsers built on Chromium (Google
// Chrome, Microsoft Edge, Brave, Vivaldi, Opera 15 and later) keep their
// caches, histories, cookies, sessions, typed addresses and saved passwords.
#include "scrubcore/BrowserItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "catalogue/browsers/BrowserAlgorithms.h"
#include "catalogue/browsers/ChromiumProfiles.h"
#include "catalogue/browsers/KeptCookieFiles.h"
#include "catalogue/browsers/MozillaProfiles.h"

namespace scrub {
namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
constexpr wchar_t kIE[] = L"Software\\Microsoft\\Internet Explorer";
constexpr wchar_t kIEMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kTypedUrls[] = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";

const ProfilesFolder kNetscapeProfiles{&AppDataFolder, L"\\Netscape\\Navigator\\Profiles"};

// The plain places of an item with an algorithm of its own; false when a
// stop request ends the item.
bool RunPlaces(std::initializer_list<Target> targets) {
    for (const Target& target : targets) {
        if (theApp.stopRequested) {
            return false;
        }
        RunTarget(target);
    }
    return !theApp.stopRequested;
}

void IndexDat(unsigned char) {
    IndexDatPass();
}

void AutoCompleteFormData(unsigned char) {
    if (RunPlaces({NamedValue(HKCU, L"Software\\Microsoft\\Internet Explorer\\IntelliForms", L"AskUser"),
                   SubkeyValues(HKCU, L"Software\\Microsoft\\Protected Storage System Provider")})) {
        ProtectedStoragePass();
    }
}

void InternetExplorerTypedUrls(unsigned char) {
    AskToCloseBrowser({L"IEXPLORE.EXE"});
    RunPlaces({KeyValues(HKCU, kTypedUrls)});
}

void OperaVisitedSites(unsigned char) {
    CountOperaHistoryDatabases();
    // Opera saves the open windows itself as autosave.win (and its backups);
    // the sessions the user saved by name beside them stay.
    RunPlaces(
        {FilesNamed(&AppDataFolder, L"\\Opera\\Opera\\profile\\sessions", L"autosave.win;autosave.win.*")});
}

void AolTypedUrls(unsigned char) {
    AskToCloseBrowser({L"AOLServiceHost.EXE", L"AOLHostManager.EXE"});
    RunPlaces({KeyValues(HKCU, kTypedUrls)});
}

// The reports of Firefox's crashes: each profile's record of them and the
// dumps not yet sent, and the reports below the program's own folder.
void FirefoxCrashReports(unsigned char) {
    if (!RunInMozillaProfiles(kFirefox, ProfileHalf::Roaming,
                              {FolderInProfile(L"crashes"), FolderInProfile(L"minidumps")})) {
        return;
    }
    for (const MozillaFolders& installation : MozillaInstallations(kFirefox)) {
        if (theApp.stopRequested) {
            return;
        }
        WalkFolder(installation.roaming + L"\\Crash Reports");
    }
}

void AolInternetCache(unsigned char) {
    if (RunPlaces({FolderAt(&InternetCacheFolder)})) {
        AolCacheFolders();
    }
}

} // namespace
} // namespace scrub

using namespace scrub;

// Internet Explorer
SCRUB_ITEM(Privacy_IETempInternetFiles, FolderAt(&InternetCacheFolder))
SCRUB_ITEM(Privacy_IEHisOfVisitedsites, FolderAt(&LocalSettingsFolder, L"\\History"),
           FolderAt(&HistoryFolder))
SCRUB_ITEM(Privacy_IEFavorites, FolderAt(&FavoritesFolder))
SCRUB_ITEM(Privacy_IECookies, FilesPassing(&CookiesFolder, L"", CookieFilesOfOtherSites()))
SCRUB_ITEM(Privacy_IEStartpageNSecondarytabs, NamedValue(HKCU, kIEMain, L"Start Page"),
           NamedValue(HKCU, kIEMain, L"Secondary Start Pages"))
SCRUB_SPECIAL_ITEM(Privacy_IEIndexDat, IndexDat)
SCRUB_SPECIAL_ITEM(Privacy_IEAutoComplData, AutoCompleteFormData)
SCRUB_ITEM(Privacy_IEDowDirMemory, NamedValue(HKCU, kIE, L"Download Directory"))
SCRUB_ITEM(Privacy_IESavedDirMemory, NamedValue(HKCU, kIEMain, L"Save Directory"))
// Its "Quick Launch" subfolder holds the user's shortcuts and is never entered.
SCRUB_ITEM(Privacy_IESetUpLogFiles, FolderAt(&AppDataFolder, L"\\Microsoft\\Internet Explorer"))
SCRUB_ITEM(Privacy_IESavePasswords,
           KeyValues(HKCU, L"Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW"))
SCRUB_ITEM(Privacy_IEDownLoadProgFiles, FolderAt(&WindowsFolder, L"\\Downloaded Program Files"))
SCRUB_SPECIAL_ITEM(Privacy_IEAddressbarHis, InternetExplorerTypedUrls)

// Netscape: in every profile folder
SCRUB_PROFILE_ITEM(Privacy_NSCache, kNetscapeProfiles, FolderInProfile(L"cache"),
                   FolderInProfile(L"Cache.Trash"))
SCRUB_PROFILE_ITEM(Privacy_NSAddBarPagHis, kNetscapeProfiles, FileInProfile(L"history.dat"))
SCRUB_PROFILE_ITEM(Privacy_NSSavedFormHis, kNetscapeProfiles, FileInProfile(L"formhistory.dat"))
SCRUB_PROFILE_ITEM(Privacy_NSCookies, kNetscapeProfiles, FileInProfile(L"cookies.txt"))
// The search history under the name the browser writes ("search-", not a
// shortened "searh-", which no profile holds), then its text form.
SCRUB_PROFILE_ITEM(Privacy_NSSearHis, kNetscapeProfiles, FileInProfile(L"search-history.dat"),
                   FileInProfile(L"search-history.txt"))
SCRUB_PROFILE_ITEM(Privacy_NSDownLoadManHis, kNetscapeProfiles, FileInProfile(L"downloads.rdf"))
SCRUB_PROFILE_ITEM(Privacy_NSDataCardManHis, kNetscapeProfiles, FolderInProfile(L"datacards"))
SCRUB_PROFILE_ITEM(Privacy_NSAddBarPagHisPasscardManHis, kNetscapeProfiles, FileInProfile(L"c0g1n3n5.r7u"))

// Opera: one profile folder
SCRUB_ITEM(Privacy_OPCache, FolderAt(&AppDataFolder, L"\\Opera\\Opera\\profile\\cache4"))
SCRUB_SPECIAL_ITEM(Privacy_OPHistoryofvisSites, OperaVisitedSites)
SCRUB_ITEM(Privacy_OPHisTypedinAddbar, FileAt(&AppDataFolder, L"\\Opera\\Opera\\profile\\vlink4.dat"))
SCRUB_ITEM(Privacy_OPCookies, FileAt(&AppDataFolder, L"\\Opera\\Opera\\profile\\cookies4.dat"))
SCRUB_ITEM(Privacy_OPCacheWandPassWord, FileAt(&AppDataFolder, L"\\Opera\\Opera\\profile\\wand.dat"))
SCRUB_ITEM(Privacy_OPHisFilTransfer, FileAt(&AppDataFolder, L"\\Opera\\Opera\\profile\\download.dat"))

// Firefox: in every profile folder (the caches live under the local
// application data). Each item takes what Firefox 1 and 2 wrote and what
// today's versions write for the same trace. Since Firefox 3 the history
// lives in one database with the bookmarks (places.sqlite): the history
// item takes its history rows (and their icons), never the file, since the
// bookmarks would go with it. With sites whose cookies the user keeps, the
// cookie items take the other sites' rows only. The site settings
// (permissions, zoom levels) are the user's choices: only their own item,
// never on by default, takes them.
SCRUB_MOZILLA_ITEM(Privacy_FFBrowHis, kFirefox, Roaming, FileInProfile(L"history.dat"),
                   RowsInProfile(L"places.sqlite"),
                   // the sites that asked for secure connections only
                   FileInProfile(L"SiteSecurityServiceState.txt"),
                   FileInProfile(L"SiteSecurityServiceState.bin"))
SCRUB_MOZILLA_ITEM(Privacy_FFSavForHis, kFirefox, Roaming, FileInProfile(L"formhistory.dat"),
                   DatabaseInProfile(L"formhistory.sqlite"))
SCRUB_MOZILLA_ITEM(Privacy_FFCache, kFirefox, Local, FolderInProfile(L"Cache"), FolderInProfile(L"cache2"),
                   FolderInProfile(L"thumbnails"), FolderInProfile(L"startupCache"))
SCRUB_MOZILLA_ITEM(Privacy_FFDownHis, kFirefox, Roaming, FileInProfile(L"downloads.rdf"))
// With the cookies, what the sites stored: each site's folder below
// storage\default ("https+++mail.example.org"; the extensions' folders stay)
// and the older storage database.
SCRUB_MOZILLA_ITEM(Privacy_FFCookies, kFirefox, Roaming, FileInProfile(L"cookies.txt"),
                   CookiesInProfile(L"cookies.sqlite"), DatabaseInProfile(L"webappsstore.sqlite"),
                   FilesInProfileNamed(L"storage\\default", L"http*\\*"))
// Firefox brings a removed logins.json back from its backup: both go.
SCRUB_MOZILLA_ITEM(Privacy_FFSavPasswords, kFirefox, Roaming, FileInProfile(L"signons.txt"),
                   FileInProfile(L"signons.sqlite"), FileInProfile(L"logins.json"),
                   FileInProfile(L"logins-backup.json"))
SCRUB_MOZILLA_ITEM(Privacy_FFKeyDataMasPass, kFirefox, Roaming, FileInProfile(L"key3.db"),
                   FileInProfile(L"key4.db"))
// The open windows and tabs Firefox saves to restore them, and its backups.
SCRUB_MOZILLA_ITEM(Privacy_FFSession, kFirefox, Roaming, FileInProfile(L"sessionstore.js"),
                   FileInProfile(L"sessionstore.jsonlz4"), FolderInProfile(L"sessionstore-backups"))
SCRUB_SPECIAL_ITEM(Privacy_FFCrashReports, FirefoxCrashReports)
SCRUB_MOZILLA_ITEM(Privacy_FFSiteSettings, kFirefox, Roaming, DatabaseInProfile(L"permissions.sqlite"),
                   DatabaseInProfile(L"content-prefs.sqlite"))

// AOL Browser: it shares Internet Explorer's typed addresses and cookies
SCRUB_SPECIAL_ITEM(Privacy_AQAddBarHis, AolTypedUrls)
SCRUB_SPECIAL_ITEM(Privacy_AQInternetCacheFol, AolInternetCache)
SCRUB_ITEM(Privacy_AQHis, FolderAt(&HistoryFolder))
SCRUB_ITEM_ALIAS(Privacy_AQCookies, Privacy_IECookies);

// The browsers built on Chromium: every profile of each (the browsers and
// what each item takes are in ChromiumProfiles.cpp)
SCRUB_CHROMIUM_ITEM(Privacy_GCCache, kGoogleChrome, Cache)
SCRUB_CHROMIUM_ITEM(Privacy_GCCookies, kGoogleChrome, CookiesAndSiteData)
SCRUB_CHROMIUM_ITEM(Privacy_GCHistory, kGoogleChrome, History)
SCRUB_CHROMIUM_ITEM(Privacy_GCSessions, kGoogleChrome, Sessions)
SCRUB_CHROMIUM_ITEM(Privacy_GCFormData, kGoogleChrome, FormData)
SCRUB_CHROMIUM_ITEM(Privacy_GCPasswords, kGoogleChrome, Passwords)
SCRUB_CHROMIUM_ITEM(Privacy_MECache, kMicrosoftEdge, Cache)
SCRUB_CHROMIUM_ITEM(Privacy_MECookies, kMicrosoftEdge, CookiesAndSiteData)
SCRUB_CHROMIUM_ITEM(Privacy_MEHistory, kMicrosoftEdge, History)
SCRUB_CHROMIUM_ITEM(Privacy_MESessions, kMicrosoftEdge, Sessions)
SCRUB_CHROMIUM_ITEM(Privacy_MEFormData, kMicrosoftEdge, FormData)
SCRUB_CHROMIUM_ITEM(Privacy_MEPasswords, kMicrosoftEdge, Passwords)
SCRUB_CHROMIUM_ITEM(Privacy_BRCache, kBrave, Cache)
SCRUB_CHROMIUM_ITEM(Privacy_BRCookies, kBrave, CookiesAndSiteData)
SCRUB_CHROMIUM_ITEM(Privacy_BRHistory, kBrave, History)
SCRUB_CHROMIUM_ITEM(Privacy_BRSessions, kBrave, Sessions)
SCRUB_CHROMIUM_ITEM(Privacy_BRFormData, kBrave, FormData)
SCRUB_CHROMIUM_ITEM(Privacy_BRPasswords, kBrave, Passwords)
SCRUB_CHROMIUM_ITEM(Privacy_VICache, kVivaldi, Cache)
SCRUB_CHROMIUM_ITEM(Privacy_VICookies, kVivaldi, CookiesAndSiteData)
SCRUB_CHROMIUM_ITEM(Privacy_VIHistory, kVivaldi, History)
SCRUB_CHROMIUM_ITEM(Privacy_VISessions, kVivaldi, Sessions)
SCRUB_CHROMIUM_ITEM(Privacy_VIFormData, kVivaldi, FormData)
SCRUB_CHROMIUM_ITEM(Privacy_VIPasswords, kVivaldi, Passwords)
SCRUB_CHROMIUM_ITEM(Privacy_OPNCache, kOpera, Cache)
SCRUB_CHROMIUM_ITEM(Privacy_OPNCookies, kOpera, CookiesAndSiteData)
SCRUB_CHROMIUM_ITEM(Privacy_OPNHistory, kOpera, History)
SCRUB_CHROMIUM_ITEM(Privacy_OPNSessions, kOpera, Sessions)
SCRUB_CHROMIUM_ITEM(Privacy_OPNFormData, kOpera, FormData)
SCRUB_CHROMIUM_ITEM(Privacy_OPNPasswords, kOpera, Passwords)
