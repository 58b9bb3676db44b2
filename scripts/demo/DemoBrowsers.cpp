// The "Internet browsers" category of the demonstration: a user who read the
// web with Internet Explorer 6 and tried Firefox, Netscape, Opera and AOL
// 9.0 now and then, and today reads it with Google Chrome (two profiles),
// Microsoft Edge, Brave, Vivaldi, Opera and a current Firefox.
#include "Demo.h"
#include "win32/Handles.h"

#include <sddl.h>
#include <shlobj.h>

#include <initializer_list>
#include <utility>

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const std::wstring kIE = L"Software\\Microsoft\\Internet Explorer";

std::wstring Parent(const std::wstring& path) {
    return path.substr(0, path.rfind(L'\\'));
}

void SeedInternetExplorer() {
    const std::wstring cache = demo::SpecialFolder(CSIDL_INTERNET_CACHE);
    demo::SeedFile(cache + L"\\Content.IE5\\index.dat", 32768);
    demo::SeedFile(cache + L"\\Content.IE5\\7QX2KD9M\\news[1].htm", 18411);
    demo::SeedFile(cache + L"\\Content.IE5\\7QX2KD9M\\banner[2].gif", 6120);
    demo::SeedFile(cache + L"\\Content.IE5\\LP0W3ZCA\\login[1].htm", 4302);

    const std::wstring history = Parent(demo::SpecialFolder(CSIDL_LOCAL_APPDATA)) + L"\\History";
    demo::SeedFile(history + L"\\History.IE5\\index.dat", 16384);
    demo::SeedFile(history + L"\\History.IE5\\desktop.ini", 113);
    demo::SeedFile(history + L"\\History.IE5\\MSHist012006120420061211\\index.dat", 16384);

    const std::wstring cookies = demo::SpecialFolder(CSIDL_COOKIES);
    demo::SeedFile(cookies + L"\\jsmith@bank.example[1].txt", 160);
    demo::SeedFile(cookies + L"\\jsmith@news.example[2].txt", 94);
    demo::SeedFile(cookies + L"\\index.dat", 16384);

    demo::SeedFile(demo::SpecialFolder(CSIDL_FAVORITES) + L"\\Online banking.url", 90);
    demo::SeedFile(Parent(demo::SpecialFolder(CSIDL_FAVORITES)) + L"\\UserData\\index.dat", 8192);
    demo::SeedFile(demo::SpecialFolder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer\\brndlog.txt", 1620);
    demo::SeedFile(demo::SpecialFolder(CSIDL_APPDATA) +
                       L"\\Microsoft\\Internet Explorer\\Quick Launch\\Launch Internet Explorer Browser.lnk",
                   800);
    demo::SeedFile(demo::SpecialFolder(CSIDL_WINDOWS) + L"\\Downloaded Program Files\\swflash.inf", 1024);

    demo::SeedString(HKCU, kIE + L"\\Main", L"Start Page", L"http://bank.example/");
    demo::SeedString(HKCU, kIE + L"\\Main", L"Save Directory", L"C:\\private\\");
    demo::SeedString(HKCU, kIE, L"Download Directory", L"C:\\private\\downloads");
    demo::SeedDword(HKCU, kIE + L"\\IntelliForms", L"AskUser", 0);
    demo::SeedBinary(HKCU, kIE + L"\\IntelliForms\\SPW", L"8A0C3F2B91D4E6A7B5C8", std::string(20, '\x5a'));
    demo::SeedString(HKCU, kIE + L"\\TypedURLs", L"url1", L"http://bank.example/login");
    demo::SeedString(HKCU, kIE + L"\\TypedURLs", L"url2", L"http://news.example/");
}

std::wstring CurrentUserSid() {
    win32::UniqueKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return {};
    }
    BYTE buffer[256];
    DWORD size = sizeof buffer;
    std::wstring text;
    LPWSTR sid = nullptr;
    if (GetTokenInformation(token.Get(), TokenUser, buffer, size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
        const win32::UniqueLocalMemory owned(sid);
        text = sid;
    }
    return text;
}

void LockToSystem(const std::wstring& key) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:PAI(A;CI;KA;;;SY)", SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return;
    }
    const win32::UniqueLocalMemory owned(descriptor);
    win32::UniqueKey opened;
    if (RegOpenKeyExW(HKCU, key.c_str(), 0, WRITE_DAC, opened.Put()) == ERROR_SUCCESS) {
        RegSetKeySecurity(opened.Get(), DACL_SECURITY_INFORMATION, descriptor);
    }
}

// Saved form entries, which Windows lets only the system read.
void SeedProtectedStore() {
    const std::wstring identity =
        L"Software\\Microsoft\\Protected Storage System Provider\\" + CurrentUserSid();
    const std::wstring store = identity + L"\\Data\\e161255a-37c3-11d2-bcaa-00c04fd929db";
    demo::SeedBinary(HKCU, store, L"Value", std::string(24, '\x21'));
    demo::SeedString(HKCU, store, L"Display String", L"jsmith / bank.example");
    LockToSystem(store);
    LockToSystem(identity + L"\\Data");
}

void SeedMozilla() {
    const std::wstring appData = demo::SpecialFolder(CSIDL_APPDATA);
    const std::wstring firefox = appData + L"\\Mozilla\\Firefox\\Profiles\\w8n2k4c1.default";
    demo::SeedFile(firefox + L"\\history.dat", 24576);
    demo::SeedFile(firefox + L"\\formhistory.dat", 4096);
    demo::SeedFile(firefox + L"\\cookies.txt", 3120);
    demo::SeedFile(firefox + L"\\downloads.rdf", 1800);
    demo::SeedFile(firefox + L"\\signons.txt", 410);
    demo::SeedFile(firefox + L"\\key3.db", 8192);
    demo::SeedFile(firefox + L"\\prefs.js", 5310);
    const std::wstring firefoxCache =
        demo::SpecialFolder(CSIDL_LOCAL_APPDATA) + L"\\Mozilla\\Firefox\\Profiles\\w8n2k4c1.default\\Cache";
    demo::SeedFile(firefoxCache + L"\\_CACHE_MAP_", 16384);
    demo::SeedFile(firefoxCache + L"\\_CACHE_001_", 65536);

    const std::wstring netscape = appData + L"\\Netscape\\Navigator\\Profiles\\m3q8z1xk.default";
    demo::SeedFile(netscape + L"\\history.dat", 8192);
    demo::SeedFile(netscape + L"\\cookies.txt", 1200);
    demo::SeedFile(netscape + L"\\search-history.txt", 300);
    demo::SeedFile(netscape + L"\\c0g1n3n5.r7u", 256);
    demo::SeedFile(netscape + L"\\datacards\\personal.dc", 512);
    demo::SeedFile(netscape + L"\\cache\\_CACHE_MAP_", 8192);
}

void SeedOpera() {
    const std::wstring profile = demo::SpecialFolder(CSIDL_APPDATA) + L"\\Opera\\Opera\\profile";
    demo::SeedFile(profile + L"\\opera.dir", 1200);
    demo::SeedFile(profile + L"\\global.dat", 7340);
    demo::SeedFile(profile + L"\\vlink4.dat", 640);
    demo::SeedFile(profile + L"\\cookies4.dat", 2210);
    demo::SeedFile(profile + L"\\wand.dat", 980);
    demo::SeedFile(profile + L"\\download.dat", 512);
    demo::SeedFile(profile + L"\\cache4\\opr0001A.htm", 12288);
    demo::SeedFile(profile + L"\\sessions\\autosave.win", 2048);
}

void SeedAol() {
    const std::wstring programFiles = demo::SpecialFolder(CSIDL_PROGRAM_FILES);
    demo::SeedString(HKLM, L"SOFTWARE\\America Online\\America Online", L"LastRegisteredAppPath",
                     programFiles + L"\\America Online 9.0\\");
    const std::wstring aol = demo::SpecialFolder(CSIDL_COMMON_APPDATA) + L"\\AOL\\C_America Online 9.0";
    demo::SeedFile(aol + L"\\AOLTEMP\\aol3F2A.tmp", 4096);
    demo::SeedFile(aol + L"\\organize\\CACHE\\cache0001.dat", 20480);
    demo::SeedFile(demo::SpecialFolder(CSIDL_HISTORY) + L"\\History.IE5\\index.dat", 16384);
}

// One profile of a browser built on Chromium, with the bookmarks, settings
// and extensions that stay.
void SeedChromiumProfile(const std::wstring& profile, const std::wstring& cache) {
    demo::SeedFile(profile + L"\\Preferences", 24000);
    demo::SeedFile(profile + L"\\Secure Preferences", 9000);
    demo::SeedFile(profile + L"\\Bookmarks", 61440);
    demo::SeedFile(profile + L"\\Extensions\\cjpalhdlnbpafiamejdnhcphjbkeiagm\\1.58.0_0\\manifest.json",
                   2400);
    demo::SeedFile(profile + L"\\Local Extension Settings\\cjpalhdlnbpafiamejdnhcphjbkeiagm\\000003.log",
                   8000);
    demo::SeedFile(profile + L"\\History", 2097152);
    demo::SeedFile(profile + L"\\Visited Links", 131072);
    demo::SeedFile(profile + L"\\Top Sites", 20480);
    demo::SeedFile(profile + L"\\Shortcuts", 28672);
    demo::SeedFile(profile + L"\\Network\\Cookies", 524288);
    demo::SeedFile(profile + L"\\Network\\Cookies-journal", 0);
    demo::SeedFile(profile + L"\\Local Storage\\leveldb\\000005.ldb", 40960);
    demo::SeedFile(profile + L"\\Session Storage\\000003.log", 8192);
    demo::SeedFile(profile + L"\\IndexedDB\\https_mail.example_0.indexeddb.leveldb\\000003.log", 16384);
    demo::SeedFile(profile + L"\\Sessions\\Session_13350000000000000", 30720);
    demo::SeedFile(profile + L"\\Sessions\\Tabs_13350000000000000", 4096);
    demo::SeedFile(profile + L"\\Web Data", 184320);
    demo::SeedFile(profile + L"\\Login Data", 49152);
    demo::SeedFile(cache + L"\\Cache\\Cache_Data\\data_1", 270336);
    demo::SeedFile(cache + L"\\Cache\\Cache_Data\\f_000a1b", 61440);
    demo::SeedFile(cache + L"\\Code Cache\\js\\index", 24);
    demo::SeedFile(cache + L"\\GPUCache\\data_0", 8192);
    demo::SeedFile(profile + L"\\Favicons", 393216);
    demo::SeedFile(profile + L"\\Network\\TransportSecurity", 6144);
    demo::SeedFile(profile + L"\\Service Worker\\ScriptCache\\index", 24);
    demo::SeedFile(profile + L"\\Extension Cookies", 20480);
}

void SeedTodaysBrowsers() {
    const std::wstring local = demo::SpecialFolder(CSIDL_LOCAL_APPDATA);
    const std::wstring roaming = demo::SpecialFolder(CSIDL_APPDATA);
    for (const wchar_t* userData : {L"\\Google\\Chrome\\User Data", L"\\Microsoft\\Edge\\User Data",
                                    L"\\BraveSoftware\\Brave-Browser\\User Data", L"\\Vivaldi\\User Data"}) {
        demo::SeedFile(local + userData + L"\\Local State", 12000);
        SeedChromiumProfile(local + userData + L"\\Default", local + userData + L"\\Default");
    }
    const std::wstring chrome = local + L"\\Google\\Chrome\\User Data\\Profile 1";
    SeedChromiumProfile(chrome, chrome);
    // Today's Opera keeps its profiles below its folder, as the others do.
    const std::wstring opera = L"\\Opera Software\\Opera Stable";
    demo::SeedFile(roaming + opera + L"\\Local State", 9000);
    SeedChromiumProfile(roaming + opera + L"\\Default", local + opera + L"\\Default");

    // Firefox 3 and later: the history lives with the bookmarks and stays.
    const std::wstring firefox = roaming + L"\\Mozilla\\Firefox\\Profiles\\h4k9w2qz.default-release";
    for (const auto& [name, size] : std::initializer_list<std::pair<const wchar_t*, size_t>>{
             {L"places.sqlite", 5242880},
             {L"favicons.sqlite", 1048576},
             {L"prefs.js", 12000},
             {L"cookies.sqlite", 524288},
             {L"cookies.sqlite-wal", 98304},
             {L"formhistory.sqlite", 262144},
             {L"sessionstore.jsonlz4", 20480},
             {L"sessionstore-backups\\recovery.jsonlz4", 22528},
             {L"sessionstore-backups\\recovery.baklz4", 21504},
             {L"logins.json", 3072},
             {L"logins-backup.json", 3072},
             {L"key4.db", 294912},
             {L"SiteSecurityServiceState.txt", 4096},
             {L"storage\\default\\https+++mail.example.org\\ls\\data.sqlite", 8192},
             {L"permissions.sqlite", 98304},
             {L"minidumps\\4f2a9c11-7d1e.dmp", 131072}}) {
        demo::SeedFile(firefox + L"\\" + name, size);
    }
    const std::wstring firefoxLocal = local + L"\\Mozilla\\Firefox\\Profiles\\h4k9w2qz.default-release";
    demo::SeedFile(firefoxLocal + L"\\cache2\\entries\\0A1B2C3D4E5F60718293A4B5C6D7E8F901234567", 35840);
    demo::SeedFile(firefoxLocal + L"\\cache2\\index", 4096);
    demo::SeedFile(firefoxLocal + L"\\startupCache\\startupCache.8.little", 6291456);
    demo::SeedFile(firefoxLocal + L"\\thumbnails\\3f8a1c0b9e2d4f6a7b5c8d9e0f1a2b3c.png", 9000);
}

void SeedBrowsers() {
    SeedInternetExplorer();
    SeedProtectedStore();
    SeedMozilla();
    SeedOpera();
    SeedAol();
    SeedTodaysBrowsers();
}

} // namespace

DEMO_CATEGORY(browsersCategory,
              {1,
               L"Internet browsers",
               &SeedBrowsers,
               {
                   {"Privacy_IETempInternetFiles", L"Internet Explorer Temp Internet Folder"},
                   {"Privacy_IEHisOfVisitedsites", L"Internet Explorer Visited Sites"},
                   {"Privacy_IEFavorites", L"Internet Explorer Favorites"},
                   {"Privacy_IECookies", L"Internet Explorer Cookies"},
                   {"Privacy_IEStartpageNSecondarytabs", L"Internet Explorer Start Page"},
                   {"Privacy_IEIndexDat", L"Internet Explorer Index.dat"},
                   {"Privacy_IEAutoComplData", L"Internet Explorer Auto Complete Form Data"},
                   {"Privacy_IEDowDirMemory", L"Internet Explorer Download Dir Memory"},
                   {"Privacy_IESavedDirMemory", L"Internet Explorer Saved Dir Memory"},
                   {"Privacy_IESetUpLogFiles", L"Internet Explorer Update Log Files"},
                   {"Privacy_IESavePasswords", L"Internet Explorer Saved Passwords"},
                   {"Privacy_IEDownLoadProgFiles", L"Internet Explorer Downloaded Program Files"},
                   {"Privacy_IEAddressbarHis", L"Internet Explorer Address Bar History"},
                   {"Privacy_NSCache", L"Netscape Cache"},
                   {"Privacy_NSAddBarPagHis", L"Netscape Address Bar History"},
                   {"Privacy_NSSavedFormHis", L"Netscape Saved Forms History"},
                   {"Privacy_NSCookies", L"Netscape Cookies"},
                   {"Privacy_NSSearHis", L"Netscape Search History"},
                   {"Privacy_NSDownLoadManHis", L"Netscape Downloads History"},
                   {"Privacy_NSDataCardManHis", L"Netscape Data Card History"},
                   {"Privacy_NSAddBarPagHisPasscardManHis", L"Netscape Address Bar Password History"},
                   {"Privacy_OPCache", L"Opera Cache"},
                   {"Privacy_OPHistoryofvisSites", L"Opera Visited Sites"},
                   {"Privacy_OPHisTypedinAddbar", L"Opera Address Bar History"},
                   {"Privacy_OPCookies", L"Opera Cookies"},
                   {"Privacy_OPCacheWandPassWord", L"Opera Saved Passwords"},
                   {"Privacy_OPHisFilTransfer", L"Opera Transfer History"},
                   {"Privacy_AQAddBarHis", L"AOL Browser Address Bar History"},
                   {"Privacy_AQInternetCacheFol", L"AOL Browser Internet Cache Folder"},
                   {"Privacy_AQHis", L"AOL Browser History"},
                   {"Privacy_AQCookies", L"AOL Browser Cookies"},
                   {"Privacy_FFBrowHis", L"Firefox Browser History"},
                   {"Privacy_FFSavForHis", L"Firefox Saved Forms History"},
                   {"Privacy_FFCache", L"Firefox Cache"},
                   {"Privacy_FFDownHis", L"Firefox Downloads History"},
                   {"Privacy_FFCookies", L"Firefox Cookies"},
                   {"Privacy_FFSavPasswords", L"Firefox Saved Passwords"},
                   {"Privacy_FFKeyDataMasPass", L"Firefox Key Passwords"},
                   {"Privacy_FFSession", L"Firefox Session"},
                   {"Privacy_FFCrashReports", L"Firefox Crash Reports"},
                   {"Privacy_FFSiteSettings", L"Firefox Site Settings"},
                   {"Privacy_GCCache", L"Google Chrome Cache"},
                   {"Privacy_GCCookies", L"Google Chrome Cookies And Site Data"},
                   {"Privacy_GCHistory", L"Google Chrome History"},
                   {"Privacy_GCSessions", L"Google Chrome Sessions"},
                   {"Privacy_GCFormData", L"Google Chrome Saved Form Data, Addresses And Cards"},
                   {"Privacy_GCPasswords", L"Google Chrome Saved Passwords"},
                   {"Privacy_MECache", L"Microsoft Edge Cache"},
                   {"Privacy_MECookies", L"Microsoft Edge Cookies And Site Data"},
                   {"Privacy_MEHistory", L"Microsoft Edge History"},
                   {"Privacy_MESessions", L"Microsoft Edge Sessions"},
                   {"Privacy_MEFormData", L"Microsoft Edge Saved Form Data, Addresses And Cards"},
                   {"Privacy_MEPasswords", L"Microsoft Edge Saved Passwords"},
                   {"Privacy_BRCache", L"Brave Cache"},
                   {"Privacy_BRCookies", L"Brave Cookies And Site Data"},
                   {"Privacy_BRHistory", L"Brave History"},
                   {"Privacy_BRSessions", L"Brave Sessions"},
                   {"Privacy_BRFormData", L"Brave Saved Form Data, Addresses And Cards"},
                   {"Privacy_BRPasswords", L"Brave Saved Passwords"},
                   {"Privacy_VICache", L"Vivaldi Cache"},
                   {"Privacy_VICookies", L"Vivaldi Cookies And Site Data"},
                   {"Privacy_VIHistory", L"Vivaldi History"},
                   {"Privacy_VISessions", L"Vivaldi Sessions"},
                   {"Privacy_VIFormData", L"Vivaldi Saved Form Data, Addresses And Cards"},
                   {"Privacy_VIPasswords", L"Vivaldi Saved Passwords"},
                   {"Privacy_OPNCache", L"Opera 15 and later Cache"},
                   {"Privacy_OPNCookies", L"Opera 15 and later Cookies And Site Data"},
                   {"Privacy_OPNHistory", L"Opera 15 and later History"},
                   {"Privacy_OPNSessions", L"Opera 15 and later Sessions"},
                   {"Privacy_OPNFormData", L"Opera 15 and later Saved Form Data, Addresses And Cards"},
                   {"Privacy_OPNPasswords", L"Opera 15 and later Saved Passwords"},
               }});
