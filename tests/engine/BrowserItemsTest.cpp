// Internet Explorer's items and the index.dat pass, on a user's machine as
// Internet Explorer 6 leaves it, with the history where XP keeps it and
// where later Windows keep it.
#include "BrowserTraces.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"

#include "scrubcore/BrowserItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

using namespace testing_support;

namespace {

const std::wstring kIE = L"Software\\Microsoft\\Internet Explorer";

struct ItemCase {
    const char* label;
    int (*item)(unsigned char);
    std::vector<std::wstring> expected;
};

} // namespace

TEST(InternetExplorerItems, FolderItemsReportEveryFileTheBrowserLeftThere) {
    BrowserTraces traces;
    traces.InternetExplorer();
    const UserFolders& f = Folders();
    const std::wstring setup = f.appData + L"\\Microsoft\\Internet Explorer";
    TestFolder userHistory = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\History");
    userHistory.File(L"family tree.txt", 100); // the user's own, never a trace
    const ItemCase cases[] = {
        {"Temp Internet Folder", &Privacy_IETempInternetFiles, traces.FilesUnder(f.internetCache)},
        // The history's folder settings are reported here like any file.
        {"Visited Sites", &Privacy_IEHisOfVisitedsites,
         Concat(traces.FilesUnder(f.localSettings + L"\\History"), traces.FilesUnder(f.history))},
        {"Favorites", &Privacy_IEFavorites, traces.FilesUnder(f.favorites)},
        {"Cookies", &Privacy_IECookies, traces.FilesUnder(f.cookies)},
        // The Quick Launch shortcuts beside the logs stay.
        {"Update Log Files", &Privacy_IESetUpLogFiles, {setup + L"\\brndlog.bak", setup + L"\\brndlog.txt"}},
        {"Downloaded Program Files", &Privacy_IEDownLoadProgFiles,
         traces.FilesUnder(f.windows + L"\\Downloaded Program Files")},
        {"AOL Browser History", &Privacy_AQHis, traces.FilesUnder(f.history)},
        {"AOL Browser Cookies", &Privacy_AQCookies, traces.FilesUnder(f.cookies)},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_FALSE(c.expected.empty());
        const ItemScan scan = ScanItem(c.item);
        EXPECT_EQ(c.expected, scan.found);
        EXPECT_EQ(traces.Kilobytes(c.expected), scan.kilobytes);
        EXPECT_EQ(traces.NonEmpty(c.expected), scan.files);
    }
    // Spot checks by hand: seven files in the cache (one of them empty).
    const ItemScan cache = ScanItem(&Privacy_IETempInternetFiles);
    EXPECT_EQ(7u, cache.found.size());
    EXPECT_EQ(6u, cache.files);
    EXPECT_EQ("40.675781", cache.kilobytes); // 41652 bytes
    EXPECT_TRUE(Attributes(f.favorites + L"\\MSN.com.url") & FILE_ATTRIBUTE_READONLY)
        << "a scan leaves a read-only favourite read-only";
}

TEST(InternetExplorerItems, KeptSitesKeepTheirCookieFilesWhateverTheFilesAreNamed) {
    BrowserTraces traces;
    traces.InternetExplorer();
    const std::wstring cookies = Folders().cookies;
    // Since Windows 8 the names are random and the site is inside each of
    // the file's nine-line records.
    const std::wstring bank = MakeFileWithContent(cookies + L"\\Q7XK2M1P.txt",
                                                  "lang\nen\nshop.example/\n0\n1\n2\n3\n4\n*\n"
                                                  "SID\nabc\nmail.bank.example/\n9729\n1\n2\n3\n4\n*\n");
    const std::wstring tracker = MakeFileWithContent(cookies + L"\\Z0AA9B3C.txt",
                                                     "uid\n4711\nads.tracker.example/\n0\n1\n2\n3\n4\n*\n");
    struct KeepCase {
        const wchar_t* kept;
        std::vector<std::wstring> stay;
    };
    std::vector<std::wstring> all = traces.FilesUnder(cookies);
    all.insert(all.end(), {bank, tracker});
    for (const KeepCase& c :
         {KeepCase{L"", {}}, KeepCase{L"bank.example; google", {bank, cookies + L"\\root@google[1].txt"}},
          KeepCase{L"oogle;ample", {}}, KeepCase{L"tracker.example", {tracker}}}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.kept)));
        Scrubcore_SetCookieSitesToKeep(c.kept);
        std::vector<std::wstring> expected;
        std::copy_if(all.begin(), all.end(), std::back_inserter(expected), [&](const std::wstring& file) {
            return std::find(c.stay.begin(), c.stay.end(), file) == c.stay.end();
        });
        EXPECT_EQ(CaseFolded(expected), CaseFolded(ScanItem(&Privacy_IECookies).found));
    }
    Scrubcore_SetCookieSitesToKeep(L"");
    DeleteFileW(bank.c_str());
    DeleteFileW(tracker.c_str());
}

TEST(InternetExplorerItems, RegistryItemsReportTheRememberedPagesFoldersAndAddresses) {
    BrowserTraces traces;
    traces.InternetExplorer();
    const std::wstring main = kIE + L"\\Main";
    const std::wstring typed = kIE + L"\\TypedURLs";
    const std::wstring spw = kIE + L"\\IntelliForms\\SPW";
    struct ValueCase {
        const char* label;
        int (*item)(unsigned char);
        std::vector<std::wstring> expected;
        unsigned long long valuesMet;
    };
    const ValueCase cases[] = {
        {"Start Page",
         &Privacy_IEStartpageNSecondarytabs,
         {UserValue(main, L"Secondary Start Pages"), UserValue(main, L"Start Page")},
         2},
        {"Download Dir Memory", &Privacy_IEDowDirMemory, {UserValue(kIE, L"Download Directory")}, 1},
        {"Saved Dir Memory", &Privacy_IESavedDirMemory, {UserValue(main, L"Save Directory")}, 1},
        {"Saved Passwords",
         &Privacy_IESavePasswords,
         {UserValue(spw, L"0FE1D2C3B4A5968778695A4B3C2D1E0F1A"),
          UserValue(spw, L"6A12B7C3D04E5F60718293A4B5C6D7E8F9")},
         2},
        // url3 is empty: met, but nothing to show.
        {"Address Bar History",
         &Privacy_IEAddressbarHis,
         {UserValue(typed, L"url1"), UserValue(typed, L"url2")},
         3},
        {"AOL Browser Address Bar History",
         &Privacy_AQAddBarHis,
         {UserValue(typed, L"url1"), UserValue(typed, L"url2")},
         3},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.label);
        const ItemScan scan = ScanItem(c.item);
        EXPECT_EQ(c.expected, scan.found);
        EXPECT_EQ(c.valuesMet, scan.values);
        EXPECT_EQ(0u, scan.files);
        EXPECT_EQ("0.000000", scan.kilobytes);
    }
    EXPECT_EQ(L"http://www.msn.com/", ReadString(HKEY_CURRENT_USER, main, L"Start Page"))
        << "a scan keeps it";
    EXPECT_EQ(3u, ValueNames(HKEY_CURRENT_USER, typed).size());
}

namespace {

std::vector<std::wstring> HistoryIndexes() {
    const std::wstring history = Folders().localSettings + L"\\History";
    return {history + L"\\History.IE5\\MSHist012007012220070129\\index.dat",
            history + L"\\History.IE5\\index.dat", history + L"\\History.IE6\\index.dat",
            history + L"\\History.IE7\\index.dat"};
}

} // namespace

TEST(IndexDatPass, ReportsTheHistoryDatabasesButNotTheFoldersLookAndLeavesThemIntact) {
    BrowserTraces traces;
    traces.InternetExplorer();
    traces.CookieIndex();
    const std::wstring ie5Index = Folders().localSettings + L"\\History\\History.IE5\\index.dat";
    const std::string contentBefore = ReadAll(ie5Index);
    EngineRecorder recorder;
    bool flagWhileReporting = true;
    recorder.onFound = [&](const std::wstring&) { flagWhileReporting &= scrub::theApp.indexDatPass; };

    EXPECT_EQ(1, Privacy_IEIndexDat(0));

    std::vector<std::wstring> expected = HistoryIndexes();
    expected.push_back(Folders().history + L"\\History.IE5\\index.dat");
    expected.push_back(Folders().profile + L"\\UserData\\index.dat");
    expected.push_back(Folders().cookies + L"\\index.dat");
    EXPECT_EQ(Sorted(expected), Sorted(recorder.found));
    EXPECT_EQ(Folders().cookies + L"\\index.dat", recorder.found.back()) << "the cookie index comes last";
    EXPECT_TRUE(flagWhileReporting);
    EXPECT_FALSE(scrub::theApp.indexDatPass);
    // Four databases of 16 KB, two of 8 KB; the cookie index is not measured.
    EXPECT_EQ(6u, scrub::theApp.countedFiles);
    EXPECT_EQ("80.000000", EngineRecorder::SizeText());
    EXPECT_EQ(contentBefore, ReadAll(ie5Index)) << "a report-only scan must not wipe a database";

    // Once the pass is over, an ordinary walk shows desktop.ini again.
    const ItemScan visited = ScanItem(&Privacy_IEHisOfVisitedsites);
    EXPECT_EQ(5, std::count_if(visited.found.begin(), visited.found.end(), [](const std::wstring& p) {
                  return p.find(L"desktop.ini") != std::wstring::npos;
              }));
}

TEST(IndexDatPass, TheCookieIndexIsReportedWhenPresentEvenWhileTheShellHoldsIt) {
    BrowserTraces traces;
    traces.InternetExplorer();
    const std::wstring cookieIndex = Folders().cookies + L"\\index.dat";
    {
        const ItemScan scan = ScanItem(&Privacy_IEIndexDat);
        EXPECT_EQ(0, std::count(scan.found.begin(), scan.found.end(), cookieIndex)) << "no such file";
        EXPECT_EQ(6u, scan.found.size());
    }
    traces.CookieIndex();
    {
        HeldOpen shell(cookieIndex, GENERIC_READ | GENERIC_WRITE, 0);
        ASSERT_TRUE(shell.Valid());
        const ItemScan scan = ScanItem(&Privacy_IEIndexDat);
        EXPECT_EQ(1, std::count(scan.found.begin(), scan.found.end(), cookieIndex));
        EXPECT_EQ(7u, scan.found.size());
    }
    // With Cookies ticked too, one count shows the index once.
    EngineRecorder recorder;
    Privacy_IECookies(0);
    Privacy_IEIndexDat(0);
    EXPECT_EQ(1u, recorder.Count(cookieIndex));
}

TEST(IndexDatPass, DeleteModeWipesADatabaseTheBrowserHoldsOpen) {
    BrowserTraces traces;
    traces.InternetExplorer();
    const std::vector<std::wstring> indexes = HistoryIndexes();
    const std::wstring sharedForReading = indexes[1]; // History.IE5\index.dat
    const std::wstring heldByBrowser = indexes[2];    // History.IE6\index.dat
    // One held for writing with reading shared, one as the browser holds its
    // history: reading and writing, both shared.
    HeldOpen writer(sharedForReading, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    HeldOpen browser(heldByBrowser, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(writer.Valid() && browser.Valid());
    EngineRecorder recorder;
    Privacy_CheckDelete(1);

    Privacy_IEIndexDat(0);

    for (const std::wstring& held : {sharedForReading, heldByBrowser}) {
        SCOPED_TRACE(std::string(held.begin(), held.end()));
        const std::string bytes = ReadAll(held);
        ASSERT_EQ(16384u, bytes.size()) << "the database keeps its length";
        EXPECT_EQ("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl", bytes.substr(0, 64));
        EXPECT_EQ(std::string(16384 - 64, '\0'), bytes.substr(64));
    }
    EXPECT_TRUE(recorder.Found(sharedForReading));
    EXPECT_FALSE(recorder.Found(heldByBrowser)) << "the browser's own handle fails the open test";
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(L"Cannot delete " + sharedForReading + L": Its being used by another person or program",
              recorder.messages[0].text);
    EXPECT_FALSE(FileExists(indexes[0])) << "a database nobody holds is deleted";
    EXPECT_TRUE(FileExists(Folders().localSettings + L"\\History\\History.IE5\\desktop.ini"));
}

TEST(IndexDatPass, AStopRequestEndsThePassAndAlwaysClearsItsFlag) {
    BrowserTraces traces;
    traces.InternetExplorer();
    traces.CookieIndex();
    EngineRecorder recorder;
    Privacy_StopScan(1);
    EXPECT_EQ(1, Privacy_IEIndexDat(0));
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
    EXPECT_FALSE(scrub::theApp.indexDatPass);

    Privacy_StopScan(0);
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    EXPECT_EQ(1, Privacy_IEIndexDat(0));
    ASSERT_EQ(1u, recorder.found.size());
    EXPECT_NE(Folders().cookies + L"\\index.dat", recorder.found[0]);
    EXPECT_FALSE(scrub::theApp.indexDatPass);

    // A host that fails inside its callback ends the item the same way.
    Privacy_StopScan(0);
    recorder.onFound = [](const std::wstring&) { throw std::runtime_error("host failure"); };
    EXPECT_EQ(1, Privacy_IEIndexDat(0));
    EXPECT_FALSE(scrub::theApp.indexDatPass);
}
