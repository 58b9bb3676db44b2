#include "BrowserTraces.h"

#include "EngineRecorder.h"
#include "TestProcess.h"

#include "scrubcore/BrowserItems.h"

#include <gtest/gtest.h>

#include <sddl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

using namespace testing_support;

namespace {

std::wstring ParentOf(const std::wstring& path) {
    return path.substr(0, path.rfind(L'\\'));
}

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
const std::wstring kStoreRoot = L"Software\\Microsoft\\Protected Storage System Provider";
const std::wstring kFormsAndPasswords = L"e161255a-37c3-11d2-bcaa-00c04fd929db";

std::wstring UserName() {
    wchar_t name[256];
    DWORD length = 256;
    return GetUserNameW(name, &length) ? std::wstring(name) : std::wstring();
}

} // namespace

const UserFolders& Folders() {
    static const UserFolders folders = [] {
        UserFolders f;
        f.appData = SpecialFolderPath(CSIDL_APPDATA);
        f.localAppData = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
        f.localSettings = ParentOf(f.localAppData);
        f.internetCache = SpecialFolderPath(CSIDL_INTERNET_CACHE);
        f.cookies = SpecialFolderPath(CSIDL_COOKIES);
        f.favorites = SpecialFolderPath(CSIDL_FAVORITES);
        f.profile = SpecialFolderPath(CSIDL_PROFILE);
        f.windows = SpecialFolderPath(CSIDL_WINDOWS);
        f.history = SpecialFolderPath(CSIDL_HISTORY);
        f.commonAppData = SpecialFolderPath(CSIDL_COMMON_APPDATA);
        f.programFiles = SpecialFolderPath(CSIDL_PROGRAM_FILES);
        return f;
    }();
    return folders;
}

KeptValue::KeptValue(HKEY root, std::wstring key, std::wstring name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    DWORD size = 0;
    if (RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_, nullptr, &size) ==
        ERROR_SUCCESS) {
        data_.resize(size);
        existed_ = RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_,
                                data_.data(), &size) == ERROR_SUCCESS;
        data_.resize(size);
    }
}

KeptValue::~KeptValue() {
    HKEY key;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    if (existed_) {
        RegSetValueExW(key, name_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
    } else {
        RegDeleteValueW(key, name_.c_str());
    }
    RegCloseKey(key);
}

std::wstring VendorFolder(const std::wstring& path) {
    for (const std::wstring& root : {Folders().localAppData, Folders().appData}) {
        if (path.compare(0, root.size() + 1, root + L"\\") == 0) {
            return path.substr(0, path.find(L'\\', root.size() + 1));
        }
    }
    return path;
}

BrowserTraces::BrowserTraces() = default;

BrowserTraces::~BrowserTraces() {
    // The store's keys refuse even their owner everything but changing the
    // access list: open them up so they can be removed.
    for (const std::wstring& key : storeKeys) {
        SetAccessList(HKEY_CURRENT_USER, key, L"D:(A;CI;KA;;;WD)");
    }
}

void BrowserTraces::Place(const std::wstring& folder) {
    places_.push_back(TestFolder::At(folder));
}

std::wstring BrowserTraces::File(const std::wstring& path, uint64_t size) {
    MakeFile(path, size);
    files_[path] = size;
    return path;
}

void BrowserTraces::Value(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                          const void* data, DWORD size) {
    registry_.Key(root, key);
    kept_.push_back(std::make_unique<KeptValue>(root, key, name));
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot open a key to seed");
    }
    RegSetValueExW(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
}

void BrowserTraces::Text(HKEY root, const std::wstring& key, const std::wstring& name,
                         const std::wstring& text) {
    Value(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void BrowserTraces::InternetExplorer() {
    const UserFolders& f = Folders();
    const std::wstring cache = f.internetCache;
    Place(cache);
    File(cache + L"\\desktop.ini", 113);
    SetFileAttributesW((cache + L"\\desktop.ini").c_str(), kHiddenSystem);
    File(cache + L"\\Content.IE5\\index.dat", 32768);
    File(cache + L"\\Content.IE5\\desktop.ini", 67);
    File(cache + L"\\Content.IE5\\K3X9P2QZ\\index[1].htm", 5120);
    File(cache + L"\\Content.IE5\\K3X9P2QZ\\logo[1].gif", 2048);
    File(cache + L"\\Content.IE5\\M1B7C4RT\\style[1].css", 1536);
    File(cache + L"\\Content.IE5\\M1B7C4RT\\blank[1].htm", 0);

    const std::wstring history = f.localSettings + L"\\History";
    Place(history);
    File(history + L"\\desktop.ini", 113);
    for (const wchar_t* version : {L"\\History.IE5", L"\\History.IE6", L"\\History.IE7"}) {
        File(history + version + L"\\desktop.ini", 113);
        File(history + version + L"\\index.dat", 16384);
    }
    File(history + L"\\History.IE5\\MSHist012007012220070129\\index.dat", 8192);

    Place(f.history);
    File(f.history + L"\\History.IE5\\index.dat", 16384);
    File(f.history + L"\\History.IE5\\desktop.ini", 113);

    Place(f.cookies);
    File(f.cookies + L"\\root@google[1].txt", 150);
    File(f.cookies + L"\\root@example[2].txt", 90);

    Place(f.favorites);
    File(f.favorites + L"\\MSN.com.url", 80);
    SetFileAttributesW((f.favorites + L"\\MSN.com.url").c_str(), FILE_ATTRIBUTE_READONLY);
    File(f.favorites + L"\\Links\\Windows Media.url", 96);

    Place(f.profile + L"\\UserData");
    File(f.profile + L"\\UserData\\index.dat", 8192);

    const std::wstring setup = f.appData + L"\\Microsoft\\Internet Explorer";
    Place(setup);
    File(setup + L"\\brndlog.txt", 1536);
    File(setup + L"\\brndlog.bak", 512);
    File(setup + L"\\Quick Launch\\Launch Internet Explorer Browser.lnk", 800);
    File(setup + L"\\Quick Launch\\Show Desktop.scf", 80);

    const std::wstring programs = f.windows + L"\\Downloaded Program Files";
    Place(programs);
    File(programs + L"\\desktop.ini", 403);
    File(programs + L"\\swflash.inf", 1024);

    const std::wstring ie = L"Software\\Microsoft\\Internet Explorer";
    Text(HKEY_CURRENT_USER, ie + L"\\Main", L"Start Page", L"http://www.msn.com/");
    const wchar_t secondary[] = L"http://news.example.com/\0";
    Value(HKEY_CURRENT_USER, ie + L"\\Main", L"Secondary Start Pages", REG_MULTI_SZ, secondary,
          sizeof secondary);
    Text(HKEY_CURRENT_USER, ie + L"\\Main", L"Save Directory", f.profile + L"\\Documents\\");
    Text(HKEY_CURRENT_USER, ie, L"Download Directory", f.profile + L"\\Downloads");
    const DWORD no = 0;
    Value(HKEY_CURRENT_USER, ie + L"\\IntelliForms", L"AskUser", REG_DWORD, &no, sizeof no);
    const char hash[] = "\x01\x00\x00\x00\xd0\x8c\x9d\xdf\x01\x15\xd1\x11";
    Value(HKEY_CURRENT_USER, ie + L"\\IntelliForms\\SPW", L"6A12B7C3D04E5F60718293A4B5C6D7E8F9", REG_BINARY,
          hash, sizeof hash - 1);
    Value(HKEY_CURRENT_USER, ie + L"\\IntelliForms\\SPW", L"0FE1D2C3B4A5968778695A4B3C2D1E0F1A", REG_BINARY,
          hash, sizeof hash - 1);
    Text(HKEY_CURRENT_USER, ie + L"\\TypedURLs", L"url1", L"http://www.google.com/");
    Text(HKEY_CURRENT_USER, ie + L"\\TypedURLs", L"url2", L"http://mail.example.org/inbox");
    Text(HKEY_CURRENT_USER, ie + L"\\TypedURLs", L"url3", L"");
}

void BrowserTraces::CookieIndex() {
    Place(Folders().cookies);
    File(Folders().cookies + L"\\index.dat", 16384);
}

void BrowserTraces::ProtectedStore() {
    const std::wstring sid = CurrentUserSidText();
    storeIdentityKey = kStoreRoot + L"\\" + sid;
    const std::wstring data = storeIdentityKey + L"\\Data";
    const std::wstring store = data + L"\\" + kFormsAndPasswords;
    const std::wstring inner = store + L"\\" + kFormsAndPasswords;
    const std::wstring entry = inner + L"\\http://mail.example.org/login:StringData";
    const char secret[] = "\x33\x91\x07\x5c\xa0\x11\x42\x00\x7f\x10";
    Value(HKEY_CURRENT_USER, store, L"Value", REG_BINARY, secret, sizeof secret - 1);
    Text(HKEY_CURRENT_USER, store, L"Display String", L"Saved form data");
    Value(HKEY_CURRENT_USER, entry, L"Item Data", REG_BINARY, secret, sizeof secret - 1);
    storeKeys = {storeIdentityKey, data, store, inner, entry};

    // As Windows leaves them: the user may see the identity key, and only
    // the system the data below it. The deepest keys are locked first.
    const std::wstring identityAccess = L"D:(A;CI;KA;;;SY)(A;CI;KA;;;" + sid + L")";
    SetAccessList(HKEY_CURRENT_USER, entry, L"D:AI(A;CIID;KA;;;SY)");
    SetAccessList(HKEY_CURRENT_USER, inner, L"D:AI(A;CIID;KA;;;SY)");
    SetAccessList(HKEY_CURRENT_USER, store, L"D:AI(A;CIID;KA;;;SY)(A;CIIO;KR;;;BA)");
    SetAccessList(HKEY_CURRENT_USER, data, L"D:PAI(A;CI;KA;;;SY)");
    SetAccessList(HKEY_CURRENT_USER, storeIdentityKey, identityAccess.c_str());

    // The store older systems kept under the machine's key, by user name.
    const std::wstring machineStore = kStoreRoot + L"\\" + UserName() + L"\\Data\\" + kFormsAndPasswords;
    Value(HKEY_LOCAL_MACHINE, machineStore, L"Value", REG_BINARY, secret, sizeof secret - 1);
}

void BrowserTraces::Netscape() {
    const std::wstring profiles = Folders().appData + L"\\Netscape\\Navigator\\Profiles";
    Place(Folders().appData + L"\\Netscape");
    const std::wstring first = profiles + L"\\kx4b2m9q.default";
    File(first + L"\\history.dat", 4096);
    File(first + L"\\formhistory.dat", 2048);
    File(first + L"\\cookies.txt", 1024);
    File(first + L"\\search-history.txt", 512);
    File(first + L"\\downloads.rdf", 1536);
    File(first + L"\\c0g1n3n5.r7u", 256);
    File(first + L"\\datacards\\personal.dc", 512);
    File(first + L"\\datacards\\work.dc", 512);
    File(first + L"\\cache\\_CACHE_MAP_", 8192);
    File(first + L"\\cache\\_CACHE_001_", 4096);
    File(first + L"\\cache\\3E2F1A7Cd01", 2048);
    File(first + L"\\Cache.Trash\\Trash1\\_CACHE_MAP_", 1024);
    File(first + L"\\prefs.js", 3000);
    File(first + L"\\bookmarks.html", 5000);
    const std::wstring second = profiles + L"\\p7d3w1z5.Work";
    File(second + L"\\history.dat", 2048);
    File(second + L"\\cookies.txt", 512);
    File(second + L"\\search-history.dat", 256);
    File(second + L"\\formhistory.dat", 0);
    File(second + L"\\downloads.rdf", 1024);
    File(second + L"\\cache\\_CACHE_MAP_", 4096);
    File(second + L"\\prefs.js", 1000);
    // Left behind when the user copied a profile by hand.
    File(profiles + L"\\cookies.txt", 700);
}

void BrowserTraces::Firefox() {
    const std::wstring profiles = Folders().appData + L"\\Mozilla\\Firefox\\Profiles";
    Place(Folders().appData + L"\\Mozilla");
    const std::wstring first = profiles + L"\\x8k2m4p1.default";
    File(first + L"\\history.dat", 6144);
    File(first + L"\\formhistory.dat", 1024);
    File(first + L"\\downloads.rdf", 512);
    File(first + L"\\cookies.txt", 2048);
    File(first + L"\\signons.txt", 256);
    File(first + L"\\key3.db", 8192);
    File(first + L"\\prefs.js", 2000);
    File(first + L"\\bookmarks.html", 4000);
    const std::wstring second = profiles + L"\\q3w7e9r2.work";
    File(second + L"\\history.dat", 1024);
    File(second + L"\\cookies.txt", 512);
    File(second + L"\\key3.db", 8192);
    File(second + L"\\signons2.txt", 300);
    // A backup the user made of the first profile.
    File(profiles + L"\\x8k2m4p1.default.zip", 9000);

    const std::wstring caches = Folders().localAppData + L"\\Mozilla\\Firefox\\Profiles";
    Place(Folders().localAppData + L"\\Mozilla");
    File(caches + L"\\x8k2m4p1.default\\Cache\\_CACHE_MAP_", 16384);
    File(caches + L"\\x8k2m4p1.default\\Cache\\_CACHE_001_", 4096);
    File(caches + L"\\x8k2m4p1.default\\Cache\\A1B2C3D4d01", 2048);
    File(caches + L"\\q3w7e9r2.work\\Cache\\_CACHE_MAP_", 8192);
}

void BrowserTraces::Opera() {
    const std::wstring profile = Folders().appData + L"\\Opera\\Opera\\profile";
    Place(Folders().appData + L"\\Opera");
    File(profile + L"\\opera.dir", 1200);
    File(profile + L"\\global.dat", 3072);
    File(profile + L"\\vlink4.dat", 512);
    File(profile + L"\\cookies4.dat", 2048);
    File(profile + L"\\wand.dat", 1024);
    File(profile + L"\\download.dat", 768);
    File(profile + L"\\opera6.ini", 5000);
    File(profile + L"\\cache4\\dcache4.url", 1024);
    File(profile + L"\\cache4\\opr00001.htm", 4096);
    File(profile + L"\\cache4\\opr00002.gif", 1024);
    File(profile + L"\\sessions\\autosave.win", 2048);
    File(profile + L"\\sessions\\autosave.win.bak", 2048);
}

BrowserTraces::ChromiumSeed BrowserTraces::Chromium(const ChromiumCase& browser) {
    enum { Cache, Cookies, History, Sessions, FormData, Passwords };
    const std::wstring& userData = browser.userData;
    const std::wstring& cacheApart = browser.cacheApart;
    ChromiumSeed seed;
    Place(VendorFolder(userData));
    if (!cacheApart.empty()) {
        Place(VendorFolder(cacheApart));
    }
    auto trace = [&](int item, const std::wstring& path) { seed.items[item].push_back(File(path, 3000)); };
    auto kept = [&](const std::wstring& path) { seed.kept.push_back(File(path, 2000)); };
    // A profile and where its cache is (the profile itself, or the same
    // place below the folder kept apart).
    auto profile = [&](const std::wstring& p) {
        const std::wstring cache = cacheApart.empty() ? p : cacheApart + p.substr(userData.size());
        const std::wstring extension = L"nngceckbapebfimnlniiiahkandclblb";
        for (const std::wstring& name : std::initializer_list<std::wstring>{
                 L"Preferences", L"Secure Preferences", L"Bookmarks", L"Bookmarks.bak",
                 L"Extensions\\" + extension + L"\\2024.1.0_0\\manifest.json",
                 L"Local Extension Settings\\" + extension + L"\\000003.log",
                 L"IndexedDB\\chrome-extension_" + extension + L"_0.indexeddb.leveldb\\000003.log",
                 L"databases\\chrome-extension_" + extension + L"_0\\1"}) {
            kept(p + L"\\" + name);
        }
        for (const wchar_t* name :
             {L"Cache\\Cache_Data\\f_00001a", L"Code Cache\\js\\index", L"GPUCache\\data_1"}) {
            trace(Cache, cache + L"\\" + name);
        }
        for (const wchar_t* name :
             {L"Service Worker\\CacheStorage\\9b1e\\index", L"Service Worker\\Database\\000003.log",
              L"Service Worker\\ScriptCache\\index", L"blob_storage\\4f1c\\1",
              L"File System\\000\\t\\00\\00000000", L"JumpListIconsMostVisited\\1a2b.ico",
              L"JumpListIconsRecentClosed\\3c4d.ico"}) {
            trace(Cache, p + L"\\" + name);
        }
        for (const wchar_t* name :
             {L"\\Local Storage\\leveldb\\000005.ldb", L"\\Session Storage\\000003.log",
              L"\\IndexedDB\\https_mail.example.org_0.indexeddb.leveldb\\000003.log", L"\\Extension Cookies",
              L"\\BrowsingTopicsSiteData", L"\\BrowsingTopicsState", L"\\InterestGroups", L"\\SharedStorage",
              L"\\SharedStorage-wal", L"\\Network\\Trust Tokens", L"\\Conversions",
              L"\\AggregationService"}) {
            trace(Cookies, p + name);
        }
        for (const wchar_t* name : {L"\\History", L"\\History-journal", L"\\Visited Links", L"\\Top Sites",
                                    L"\\Favicons", L"\\Favicons-journal", L"\\DIPS",
                                    L"\\Network\\TransportSecurity", L"\\Network\\Reporting and NEL"}) {
            trace(History, p + name);
        }
        trace(Passwords, p + L"\\Login Data");
    };
    // Opera kept its one profile as the user-data folder; today it keeps
    // them below it as the others do, and each other browser keeps two, in
    // today's layout and in the one before 2021-2022.
    const std::wstring home = browser.profileIsUserData ? userData : userData + L"\\Default";
    profile(home);
    for (const wchar_t* name :
         {L"\\Network\\Cookies", L"\\Network\\Cookies-journal", L"\\databases\\Databases.db"}) {
        trace(Cookies, home + name);
    }
    trace(History, home + L"\\Shortcuts");
    trace(History, home + L"\\Network Action Predictor");
    trace(Sessions, home + L"\\Sessions\\Session_13350000000000000");
    trace(Sessions, home + L"\\Sessions\\Tabs_13350000000000000");
    trace(FormData, home + L"\\Web Data");
    trace(FormData, home + L"\\Web Data-journal");
    trace(Passwords, home + L"\\Login Data For Account");
    // The graphics caches of every profile together.
    for (const wchar_t* name :
         {L"\\ShaderCache\\data_0", L"\\GrShaderCache\\data_1", L"\\GraphiteDawnCache\\data_2"}) {
        trace(Cache, userData + name);
    }
    if (!cacheApart.empty()) {
        trace(Cache, cacheApart + L"\\GrShaderCache\\data_3");
    }
    kept(userData + L"\\Local State");
    if (browser.profileIsUserData) {
        return seed;
    }
    const std::wstring work = userData + L"\\Profile 1";
    profile(work);
    trace(Cookies, work + L"\\Cookies");
    trace(Sessions, work + L"\\Current Session");
    trace(Sessions, work + L"\\Last Tabs");
    // A folder without the profile's settings is no profile, and a linked
    // profile folder leads elsewhere.
    kept(userData + L"\\Crashpad\\History");
    outside_.emplace_back();
    seed.kept.push_back(outside_.back().File(L"History", 100));
    outside_.back().File(L"Preferences", 100);
    EXPECT_TRUE(MakeUnixSymlink(outside_.back().Path(), userData + L"\\Profile 2"));
    return seed;
}

const std::vector<ChromiumCase>& ChromiumCases() {
    const std::wstring local = Folders().localAppData;
    const std::wstring roaming = Folders().appData;
    using Items = std::vector<int (*)(unsigned char)>;
    // clang-format off
    const Items chrome = {&Privacy_GCCache, &Privacy_GCCookies, &Privacy_GCHistory, &Privacy_GCSessions, &Privacy_GCFormData, &Privacy_GCPasswords};
    const Items edge = {&Privacy_MECache, &Privacy_MECookies, &Privacy_MEHistory, &Privacy_MESessions, &Privacy_MEFormData, &Privacy_MEPasswords};
    const Items brave = {&Privacy_BRCache, &Privacy_BRCookies, &Privacy_BRHistory, &Privacy_BRSessions, &Privacy_BRFormData, &Privacy_BRPasswords};
    const Items vivaldi = {&Privacy_VICache, &Privacy_VICookies, &Privacy_VIHistory, &Privacy_VISessions, &Privacy_VIFormData, &Privacy_VIPasswords};
    const Items opera = {&Privacy_OPNCache, &Privacy_OPNCookies, &Privacy_OPNHistory, &Privacy_OPNSessions, &Privacy_OPNFormData, &Privacy_OPNPasswords};
    static const std::vector<ChromiumCase> cases = {
        {"Google Chrome", L"chrome.exe", local + L"\\Google\\Chrome\\User Data", L"", chrome, false},
        {"Microsoft Edge", L"msedge.exe", local + L"\\Microsoft\\Edge\\User Data", L"", edge, false},
        {"Brave", L"brave.exe", local + L"\\BraveSoftware\\Brave-Browser\\User Data", L"", brave, false},
        {"Vivaldi", L"vivaldi.exe", local + L"\\Vivaldi\\User Data", L"", vivaldi, false},
        {"Opera", L"opera.exe", roaming + L"\\Opera Software\\Opera Stable", local + L"\\Opera Software\\Opera Stable", opera, true},
        // Today's Opera: its profiles below the same folders, as the others keep them.
        {"Opera", L"opera.exe", roaming + L"\\Opera Software\\Opera Stable", local + L"\\Opera Software\\Opera Stable", opera, false},
        // Test channels: the same program and items, user-data folders of their own.
        {"Google Chrome", L"chrome.exe", local + L"\\Google\\Chrome SxS\\User Data", L"", chrome, false},
        {"Microsoft Edge", L"msedge.exe", local + L"\\Microsoft\\Edge Beta\\User Data", L"", edge, false},
        {"Brave", L"brave.exe", local + L"\\BraveSoftware\\Brave-Browser-Nightly\\User Data", L"", brave, false},
        {"Opera", L"opera.exe", roaming + L"\\Opera Software\\Opera GX Stable", local + L"\\Opera Software\\Opera GX Stable", opera, true},
    };
    // clang-format on
    return cases;
}

void BrowserTraces::CurrentFirefox() {
    Place(Folders().appData + L"\\Mozilla");
    Place(Folders().localAppData + L"\\Mozilla");
    for (const wchar_t* name : {L"\\h4k9w2qz.default-release", L"\\t1m3x8pn.work"}) {
        const std::wstring profile = Folders().appData + L"\\Mozilla\\Firefox\\Profiles" + name;
        const std::wstring local = Folders().localAppData + L"\\Mozilla\\Firefox\\Profiles" + name;
        for (const wchar_t* file :
             {L"\\places.sqlite", L"\\places.sqlite-wal", L"\\favicons.sqlite", L"\\prefs.js",
              L"\\extensions.json", L"\\extensions\\uBlock0@raymondhill.net.xpi", L"\\cert9.db",
              L"\\cookies.sqlite", L"\\key4.db", L"\\sessionstore-backups\\recovery.jsonlz4"}) {
            File(profile + file, 4096);
        }
        File(local + L"\\cache2\\entries\\0A1B2C3D4E5F60718293A4B5C6D7E8F901234567", 35840);
        File(local + L"\\startupCache\\startupCache.8.little", 65536);
    }
    const std::wstring main = Folders().appData + L"\\Mozilla\\Firefox\\Profiles\\h4k9w2qz.default-release";
    for (const wchar_t* file : {L"\\cookies.sqlite-wal", L"\\cookies.sqlite-shm", L"\\formhistory.sqlite",
                                L"\\sessionstore.jsonlz4", L"\\sessionstore-backups\\recovery.baklz4",
                                L"\\logins.json", L"\\logins-backup.json"}) {
        File(main + file, 3000);
    }
    File(Folders().localAppData +
             L"\\Mozilla\\Firefox\\Profiles\\h4k9w2qz.default-release\\thumbnails\\3f8a.png",
         9000);
    // The sites' storage beside an extension's, the secure-sites list, the
    // crash reports and the user's site settings.
    for (const wchar_t* file :
         {L"\\storage\\default\\https+++mail.example.org\\ls\\data.sqlite",
          L"\\storage\\default\\moz-extension+++1a2b3c4d-5e6f\\idb\\3647222921wleabcEoxlt-eengsairo.sqlite",
          L"\\webappsstore.sqlite", L"\\SiteSecurityServiceState.txt", L"\\crashes\\store.json.mozlz4",
          L"\\minidumps\\4f2a9c11.dmp", L"\\permissions.sqlite", L"\\content-prefs.sqlite"}) {
        File(main + file, 2500);
    }
    File(Folders().appData + L"\\Mozilla\\Firefox\\Crash Reports\\pending\\7d1e.dmp", 5000);
    // Firefox from the Microsoft Store: both halves of its profile below the package.
    const std::wstring store =
        Folders().localAppData + L"\\Packages\\Mozilla.Firefox_n80bbvh6b1yt2\\LocalCache";
    Place(Folders().localAppData + L"\\Packages\\Mozilla.Firefox_n80bbvh6b1yt2");
    for (const wchar_t* file : {L"\\prefs.js", L"\\places.sqlite", L"\\cookies.sqlite"}) {
        File(store + L"\\Roaming\\Mozilla\\Firefox\\Profiles\\s7o9r3e1.default-release" + file, 1500);
    }
    File(store + L"\\Local\\Mozilla\\Firefox\\Profiles\\s7o9r3e1.default-release\\cache2\\entries\\9F8E",
         6000);
    // A profile profiles.ini lists elsewhere keeps its caches inside. Two
    // more entries name a folder that holds no profile and a drive root.
    outside_.emplace_back();
    firefoxOutsideProfile = outside_.back().Path(L"Firefox profile");
    for (const wchar_t* file :
         {L"\\prefs.js", L"\\places.sqlite", L"\\cookies.sqlite", L"\\cache2\\entries\\5A6B"}) {
        File(firefoxOutsideProfile + file, 1200);
    }
    outside_.back().File(L"Documents\\cookies.sqlite", 700);
    auto ascii = [](const std::wstring& path) { return std::string(path.begin(), path.end()); };
    const std::string ini =
        "[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile1]\r\nName=work\r\nIsRelative=1\r\n"
        "Path=Profiles/t1m3x8pn.work\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=0\r\nPath=" +
        ascii(firefoxOutsideProfile) + "\r\nDefault=1\r\n\r\n[Profile2]\r\nIsRelative=0\r\nPath=" +
        ascii(outside_.back().Path(L"Documents")) + "\r\n\r\n[Profile3]\r\nIsRelative=0\r\nPath=C:\\\r\n";
    MakeFileWithContent(Folders().appData + L"\\Mozilla\\Firefox\\profiles.ini", ini);
    // A profile folder linked from elsewhere is never entered.
    outside_.emplace_back();
    outside_.back().File(L"cookies.sqlite", 100);
    EXPECT_TRUE(
        MakeUnixSymlink(outside_.back().Path(), Folders().appData + L"\\Mozilla\\Firefox\\Profiles\\linked"));
}

void BrowserTraces::Aol9() {
    Text(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online\\America Online", L"LastRegisteredAppPath",
         Folders().programFiles + L"\\America Online 9.0\\");
    const std::wstring aol = Folders().commonAppData + L"\\AOL";
    Place(aol);
    File(aol + L"\\C_America Online 9.0\\AOLTEMP\\aol1a2b.tmp", 2048);
    File(aol + L"\\C_America Online 9.0\\AOLTEMP\\tmp4F2.art", 1024);
    File(aol + L"\\C_America Online 9.0\\AOLTEMP\\mail\\attachment.tmp", 512);
    File(aol + L"\\C_America Online 9.0\\organize\\CACHE\\cache0001.dat", 4096);
    File(aol + L"\\C_America Online 9.0\\organize\\CACHE\\cache0002.dat", 1024);
    File(aol + L"\\C_America Online 9.0 SE\\AOLTEMP\\aol9se1.tmp", 512);
    File(aol + L"\\C_America Online 9.0 SE\\organize\\CACHE\\se-cache.dat", 2048);
    File(aol + L"\\C_AOL Toolbar\\AOLTEMP\\toolbar.tmp", 512);
}

void BrowserTraces::Aol8() {
    Text(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online\\America Online", L"LastRegisteredAppPath",
         Folders().programFiles + L"\\America Online 8.0\\");
    const std::wstring aol = Folders().programFiles + L"\\America Online 8.0";
    Place(aol);
    File(aol + L"\\AOLTEMP\\aol8a.tmp", 1024);
    File(aol + L"\\AOLTEMP\\aol8b.tmp", 0);
    File(aol + L"\\AOLTEMP\\download\\part1.tmp", 512);
    File(aol + L"\\organize\\CACHE\\c8.dat", 2048);
    File(aol + L"\\aol.exe", 4096);
}

std::vector<std::wstring> BrowserTraces::FilesUnder(const std::wstring& folder) const {
    std::vector<std::wstring> files;
    const std::wstring prefix = folder + L"\\";
    for (const auto& [path, size] : files_) {
        if (path.compare(0, prefix.size(), prefix) == 0) {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string BrowserTraces::Kilobytes(const std::vector<std::wstring>& files) const {
    uint64_t bytes = 0;
    for (const auto& file : files) {
        bytes += files_.at(file);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(bytes) / 1024);
    return text;
}

unsigned long long BrowserTraces::NonEmpty(const std::vector<std::wstring>& files) const {
    return static_cast<unsigned long long>(std::count_if(
        files.begin(), files.end(), [this](const std::wstring& f) { return files_.at(f) > 0; }));
}

std::wstring UserValue(const std::wstring& key, const std::wstring& value) {
    return L"HKEY_CURRENT_USER||" + key + L"=" + value;
}

std::wstring MachineValue(const std::wstring& key, const std::wstring& value) {
    return L"HKEY_LOCAL_MACHINE||" + key + L"=" + value;
}

std::vector<std::wstring> CaseFolded(std::vector<std::wstring> paths) {
    for (auto& path : paths) {
        CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

ItemScan ScanItem(int (*item)(unsigned char)) {
    EngineRecorder recorder;
    ItemScan scan;
    if (item(0) != 1) {
        ADD_FAILURE() << "an item export returned something else than 1";
    }
    scan.found = Sorted(recorder.found);
    scan.files = scrub::theApp.countedFiles;
    scan.values = scrub::theApp.registryValues;
    scan.kilobytes = EngineRecorder::SizeText();
    EXPECT_TRUE(recorder.messages.empty()) << "a scan shows no message";
    return scan;
}
