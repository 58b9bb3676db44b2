// Netscape, Firefox, Opera, AOL and the browsers built on Chromium: the
// profile folders each browser keeps and the AOL caches found through the
// installed version.
#include "BrowserTraces.h"
#include "EngineRecorder.h"

#include "scrubcore/BrowserItems.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct ItemCase {
    const char* label;
    int (*item)(unsigned char);
    std::vector<std::wstring> expected;
};

std::vector<std::wstring> Joined(std::vector<std::wstring> a, const std::vector<std::wstring>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return Sorted(a);
}

void ExpectItems(const BrowserTraces& traces, const std::vector<ItemCase>& cases, bool foldCase = false) {
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_FALSE(c.expected.empty());
        const ItemScan scan = ScanItem(c.item);
        if (foldCase) {
            EXPECT_EQ(CaseFolded(c.expected), CaseFolded(scan.found));
        } else {
            EXPECT_EQ(Sorted(c.expected), scan.found);
        }
        EXPECT_EQ(traces.Kilobytes(c.expected), scan.kilobytes);
        EXPECT_EQ(traces.NonEmpty(c.expected), scan.files);
    }
}

} // namespace

TEST(NetscapeItems, EachItemFindsItsTracesInEveryProfileAndNowhereElse) {
    BrowserTraces traces;
    traces.Netscape();
    const std::wstring profiles = Folders().appData + L"\\Netscape\\Navigator\\Profiles";
    const std::wstring home = profiles + L"\\kx4b2m9q.default";
    const std::wstring work = profiles + L"\\p7d3w1z5.Work";
    ExpectItems(
        traces,
        {
            {"Cache", &Privacy_NSCache,
             Joined(Joined(traces.FilesUnder(home + L"\\cache"), traces.FilesUnder(home + L"\\Cache.Trash")),
                    traces.FilesUnder(work + L"\\cache"))},
            {"Address Bar History",
             &Privacy_NSAddBarPagHis,
             {home + L"\\history.dat", work + L"\\history.dat"}},
            // The second profile's form history is empty: shown, not counted.
            {"Saved Forms History",
             &Privacy_NSSavedFormHis,
             {home + L"\\formhistory.dat", work + L"\\formhistory.dat"}},
            // Not the stray cookies.txt beside the profiles.
            {"Cookies", &Privacy_NSCookies, {home + L"\\cookies.txt", work + L"\\cookies.txt"}},
            {"Search History",
             &Privacy_NSSearHis,
             {home + L"\\search-history.txt", work + L"\\search-history.dat"}},
            {"Downloads History",
             &Privacy_NSDownLoadManHis,
             {home + L"\\downloads.rdf", work + L"\\downloads.rdf"}},
            {"Data Card History", &Privacy_NSDataCardManHis, traces.FilesUnder(home + L"\\datacards")},
            {"Address Bar Password History",
             &Privacy_NSAddBarPagHisPasscardManHis,
             {home + L"\\c0g1n3n5.r7u"}},
        });
}

TEST(FirefoxItems, EachItemFindsItsTracesInEveryProfileAndTheCacheUnderLocalData) {
    BrowserTraces traces;
    traces.Firefox();
    const std::wstring profiles = Folders().appData + L"\\Mozilla\\Firefox\\Profiles";
    const std::wstring main = profiles + L"\\x8k2m4p1.default";
    const std::wstring work = profiles + L"\\q3w7e9r2.work";
    const std::wstring caches = Folders().localAppData + L"\\Mozilla\\Firefox\\Profiles";
    // The file system ignores letter case in folder names, and so do these
    // comparisons.
    ExpectItems(
        traces,
        {
            {"Browser History", &Privacy_FFBrowHis, {main + L"\\history.dat", work + L"\\history.dat"}},
            {"Saved Forms History", &Privacy_FFSavForHis, {main + L"\\formhistory.dat"}},
            {"Cache", &Privacy_FFCache,
             Joined(traces.FilesUnder(caches + L"\\x8k2m4p1.default\\Cache"),
                    traces.FilesUnder(caches + L"\\q3w7e9r2.work\\Cache"))},
            {"Downloads History", &Privacy_FFDownHis, {main + L"\\downloads.rdf"}},
            {"Cookies", &Privacy_FFCookies, {main + L"\\cookies.txt", work + L"\\cookies.txt"}},
            {"Saved Passwords", &Privacy_FFSavPasswords, {main + L"\\signons.txt"}},
            {"Key Passwords", &Privacy_FFKeyDataMasPass, {main + L"\\key3.db", work + L"\\key3.db"}},
        },
        true);
}

TEST(FirefoxItems, TodaysFilesAreFoundInEveryProfileAndTheHistoryWithTheBookmarksNever) {
    BrowserTraces traces;
    traces.CurrentFirefox();
    const std::wstring firefox = Folders().appData + L"\\Mozilla\\Firefox";
    const std::wstring main = firefox + L"\\Profiles\\h4k9w2qz.default-release";
    const std::wstring work = firefox + L"\\Profiles\\t1m3x8pn.work";
    const std::wstring caches = Folders().localAppData + L"\\Mozilla\\Firefox\\Profiles";
    const std::wstring store =
        Folders().localAppData + L"\\Packages\\Mozilla.Firefox_n80bbvh6b1yt2\\LocalCache\\%"
                                 L"s\\Mozilla\\Firefox\\Profiles\\s7o9r3e1.default-release";
    auto inStore = [&](const wchar_t* half, const std::wstring& file) {
        std::wstring path = store;
        path.replace(path.find(L"%s"), 2, half);
        return path + file;
    };
    const std::wstring outside = traces.firefoxOutsideProfile;
    ExpectItems(traces,
                {
                    {"Browser History", &Privacy_FFBrowHis, {main + L"\\SiteSecurityServiceState.txt"}},
                    {"Saved Forms History", &Privacy_FFSavForHis, {main + L"\\formhistory.sqlite"}},
                    // Store and outside profiles too; an outside one keeps its caches inside.
                    {"Cache", &Privacy_FFCache,
                     Joined(traces.FilesUnder(caches), {inStore(L"Local", L"\\cache2\\entries\\9F8E"),
                                                        outside + L"\\cache2\\entries\\5A6B"})},
                    {"Cookies",
                     &Privacy_FFCookies,
                     {main + L"\\cookies.sqlite", main + L"\\cookies.sqlite-wal",
                      main + L"\\cookies.sqlite-shm", main + L"\\webappsstore.sqlite",
                      main + L"\\storage\\default\\https+++mail.example.org\\ls\\data.sqlite",
                      work + L"\\cookies.sqlite", inStore(L"Roaming", L"\\cookies.sqlite"),
                      outside + L"\\cookies.sqlite"}},
                    {"Saved Passwords",
                     &Privacy_FFSavPasswords,
                     {main + L"\\logins.json", main + L"\\logins-backup.json"}},
                    {"Key Passwords", &Privacy_FFKeyDataMasPass, {main + L"\\key4.db", work + L"\\key4.db"}},
                    {"Session", &Privacy_FFSession,
                     Joined(Joined(traces.FilesUnder(main + L"\\sessionstore-backups"),
                                   {main + L"\\sessionstore.jsonlz4"}),
                            traces.FilesUnder(work + L"\\sessionstore-backups"))},
                    {"Crash Reports",
                     &Privacy_FFCrashReports,
                     {main + L"\\crashes\\store.json.mozlz4", main + L"\\minidumps\\4f2a9c11.dmp",
                      firefox + L"\\Crash Reports\\pending\\7d1e.dmp"}},
                    {"Site Settings",
                     &Privacy_FFSiteSettings,
                     {main + L"\\permissions.sqlite", main + L"\\content-prefs.sqlite"}},
                },
                true);
    // The history shares places.sqlite with the bookmarks: it is never found.
    EXPECT_TRUE(ScanItem(&Privacy_FFDownHis).found.empty());
}

// One table over the five browsers built on Chromium and their channels:
// each item finds exactly its traces in every profile, and nothing a user
// keeps.
TEST(ChromiumBrowsers, EachItemFindsItsTracesInEveryProfileAndNeverTheBookmarksOrSettings) {
    for (const ChromiumCase& browser : ChromiumCases()) {
        SCOPED_TRACE(testing::PrintToString(browser.userData));
        BrowserTraces traces;
        const BrowserTraces::ChromiumSeed seed = traces.Chromium(browser);
        const char* labels[] = {"Cache", "Cookies", "History", "Sessions", "Form Data", "Passwords"};
        std::vector<ItemCase> cases;
        for (int i = 0; i < 6; ++i) {
            cases.push_back({labels[i], browser.items[i], seed.items[i]});
        }
        ExpectItems(traces, cases);
        EngineRecorder recorder;
        for (auto item : browser.items) {
            item(0);
        }
        for (const std::wstring& kept : seed.kept) {
            EXPECT_FALSE(recorder.Found(kept)) << testing::PrintToString(kept);
        }
    }
}

TEST(FirefoxItems, AStopRequestInsideOneProfileLeavesTheNextAlone) {
    BrowserTraces traces;
    traces.Firefox();
    EngineRecorder recorder;
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_FFCache(0);
    EXPECT_EQ(1u, recorder.found.size());
    recorder.onFound = nullptr;
    Privacy_FFKeyDataMasPass(0);
    EXPECT_EQ(1u, recorder.found.size()) << "a stopped scan starts no further item";
}

TEST(OperaItems, EachItemFindsItsFileAndTheHistoryDatabasesAreOnlyCounted) {
    BrowserTraces traces;
    traces.Opera();
    const std::wstring profile = Folders().appData + L"\\Opera\\Opera\\profile";
    ExpectItems(traces, {
                            {"Cache", &Privacy_OPCache, traces.FilesUnder(profile + L"\\cache4")},
                            {"Address Bar History", &Privacy_OPHisTypedinAddbar, {profile + L"\\vlink4.dat"}},
                            {"Cookies", &Privacy_OPCookies, {profile + L"\\cookies4.dat"}},
                            {"Saved Passwords", &Privacy_OPCacheWandPassWord, {profile + L"\\wand.dat"}},
                            {"Transfer History", &Privacy_OPHisFilTransfer, {profile + L"\\download.dat"}},
                        });

    const ItemScan visited = ScanItem(&Privacy_OPHistoryofvisSites);
    EXPECT_EQ(traces.FilesUnder(profile + L"\\sessions"), visited.found);
    EXPECT_EQ("4.000000", visited.kilobytes);
    EXPECT_EQ(4u, visited.files) << "two saved sessions, and opera.dir and global.dat counted unseen";

    // With the sessions gone, the two databases still count.
    EmptyFolder(profile + L"\\sessions");
    EngineRecorder recorder;
    Privacy_OPHistoryofvisSites(0);
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(2, Privacy_Nooffiles());
    EXPECT_TRUE(FileExists(profile + L"\\global.dat"));
}

TEST(AolItems, Aol90CachesAreFoundThroughTheInstalledVersionEachFileOnce) {
    BrowserTraces traces;
    traces.Aol9();
    traces.Place(Folders().internetCache);
    const std::wstring ieCache =
        traces.File(Folders().internetCache + L"\\Content.IE5\\AB12CD34\\aol[1].htm", 1024);
    const std::wstring aol = Folders().commonAppData + L"\\AOL";
    const std::vector<std::wstring> expected = {
        ieCache,
        aol + L"\\C_America Online 9.0\\AOLTEMP\\aol1a2b.tmp",
        aol + L"\\C_America Online 9.0\\AOLTEMP\\tmp4F2.art",
        aol + L"\\C_America Online 9.0 SE\\AOLTEMP\\aol9se1.tmp",
        // The organizer's cache of the first installation, once.
        aol + L"\\C_America Online 9.0\\organize\\CACHE\\cache0001.dat",
        aol + L"\\C_America Online 9.0\\organize\\CACHE\\cache0002.dat",
    };
    ExpectItems(traces, {{"Internet Cache Folder", &Privacy_AQInternetCacheFol, expected}});
}

TEST(AolItems, Aol80CachesAreFoundInProgramFilesOneLevelDeep) {
    BrowserTraces traces;
    traces.Aol8();
    const std::wstring aol = Folders().programFiles + L"\\America Online 8.0";
    ExpectItems(traces, {{"Internet Cache Folder",
                          &Privacy_AQInternetCacheFol,
                          {aol + L"\\AOLTEMP\\aol8a.tmp", aol + L"\\AOLTEMP\\aol8b.tmp",
                           aol + L"\\organize\\CACHE\\c8.dat"}}});
}

TEST(AolItems, WithoutAKnownVersionOnlyTheSharedCacheIsWalked) {
    for (const wchar_t* installedAt : {L"", L"C:\\Program Files\\America Online 7.0\\"}) {
        BrowserTraces traces;
        traces.Aol9();
        traces.Aol8();
        if (*installedAt) {
            traces.Text(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online\\America Online",
                        L"LastRegisteredAppPath", installedAt);
        } else {
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online\\America Online",
                               L"LastRegisteredAppPath");
        }
        const ItemScan scan = ScanItem(&Privacy_AQInternetCacheFol);
        EXPECT_TRUE(scan.found.empty());
    }
}
