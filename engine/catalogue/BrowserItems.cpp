// The "Internet Browsers" category: where Internet Explorer, Netscape,
// Opera, Firefox and the AOL browser keep their caches, histories, cookies,
// typed addresses and saved passwords.
#include "scrubcore/BrowserItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "catalogue/browsers/BrowserAlgorithms.h"
#include "catalogue/browsers/MozillaProfiles.h"

namespace scrub {
namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
constexpr wchar_t kIE[] = L"Software\\Microsoft\\Internet Explorer";
constexpr wchar_t kIEMain[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kTypedUrls[] = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";

const ProfilesFolder kNetscapeProfiles{&AppDataFolder, L"\\Netscape\\Navigator\\Profiles"};
const ProfilesFolder kFirefoxProfiles{&AppDataFolder, L"\\Mozilla\\FireFox\\Profiles"};
const ProfilesFolder kFirefoxCacheProfiles{&LocalAppDataFolder, L"\\Mozilla\\Firefox\\Profiles"};

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
SCRUB_ITEM(Privacy_IECookies, FolderAt(&CookiesFolder))
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

// Firefox: in every profile folder (the cache lives under the local
// application data)
SCRUB_PROFILE_ITEM(Privacy_FFBrowHis, kFirefoxProfiles, FileInProfile(L"history.dat"))
SCRUB_PROFILE_ITEM(Privacy_FFSavForHis, kFirefoxProfiles, FileInProfile(L"formhistory.dat"))
SCRUB_PROFILE_ITEM(Privacy_FFCache, kFirefoxCacheProfiles, FolderInProfile(L"Cache"))
SCRUB_PROFILE_ITEM(Privacy_FFDownHis, kFirefoxProfiles, FileInProfile(L"downloads.rdf"))
SCRUB_PROFILE_ITEM(Privacy_FFCookies, kFirefoxProfiles, FileInProfile(L"cookies.txt"))
SCRUB_PROFILE_ITEM(Privacy_FFSavPasswords, kFirefoxProfiles, FileInProfile(L"signons.txt"))
SCRUB_PROFILE_ITEM(Privacy_FFKeyDataMasPass, kFirefoxProfiles, FileInProfile(L"key3.db"))

// AOL Browser: it shares Internet Explorer's typed addresses and cookies
SCRUB_SPECIAL_ITEM(Privacy_AQAddBarHis, AolTypedUrls)
SCRUB_SPECIAL_ITEM(Privacy_AQInternetCacheFol, AolInternetCache)
SCRUB_ITEM(Privacy_AQHis, FolderAt(&HistoryFolder))
SCRUB_ITEM_ALIAS(Privacy_AQCookies, Privacy_IECookies);
