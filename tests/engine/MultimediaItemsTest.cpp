// Multimedia items against image viewers and players installed the way their
// users leave them.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "scrubcore/MultimediaItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <iterator>

using namespace testing_support;

namespace {

using Texts = std::vector<std::wstring>;

const std::wstring kHkcu = L"HKEY_CURRENT_USER||";

// Runs one item in a fresh count and returns what it reported.
Texts Scan(EngineRecorder& recorder, int (*item)(unsigned char)) {
    recorder.Clear();
    EXPECT_EQ(1, item(0));
    return recorder.found;
}

// An ACDSee user's histories: folders browsed, copy and move targets, the
// last folder and the searches. An empty quick-text history is no trace, and
// the window layout is not a history.
void SeedAcdSeeHistories(TestRegistry& registry, const std::wstring& key) {
    registry.String(HKEY_CURRENT_USER, key, L"HistPaths", L"C:\\Photos\\2006|C:\\Photos\\Holiday");
    registry.String(HKEY_CURRENT_USER, key, L"HistMCFDestFolder", L"D:\\Backup\\Photos");
    registry.String(HKEY_CURRENT_USER, key, L"OpenFolder", L"C:\\Photos\\Holiday");
    registry.String(HKEY_CURRENT_USER, key, L"SimpleSearchHistory", L"beach|sunset");
    registry.String(HKEY_CURRENT_USER, key, L"HistSearchFileName", L"IMG_*.jpg");
    registry.String(HKEY_CURRENT_USER, key, L"HistSearchQuickText", L"");
    registry.String(HKEY_CURRENT_USER, key, L"HistFindScope", L"C:\\Photos");
    registry.String(HKEY_CURRENT_USER, key, L"HistSearchAuthor", L"Anna");
    registry.Binary(HKEY_CURRENT_USER, key, L"WindowPlacement", std::string(44, '\x01'));
}

} // namespace

TEST(MultimediaItems, AcdSee3ReportsEachHistoryUnderItsOption) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring key = L"Software\\ACD Systems\\ACDSee";
    SeedAcdSeeHistories(registry, key);
    // ACDSee 5 installed beside it keeps its own key below; the ACDSee 3
    // items never reach into it.
    registry.String(HKEY_CURRENT_USER, key + L"\\50", L"HistPaths", L"C:\\Scans");
    TestFolder acd = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\ACD Systems");
    const std::wstring thumbs = acd.File(L"ACDSee\\ImageDB.ddf", 4096);
    const std::wstring database = acd.File(L"ACDSee\\Thumbs\\0001.db", 512);

    EXPECT_EQ(Sorted({thumbs, database}), Sorted(Scan(recorder, &Privacy_MULACD3ImageDatabase)));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=HistPaths"},
              Scan(recorder, &Privacy_MULACD3PathHis));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=HistMCFDestFolder"},
              Scan(recorder, &Privacy_MULACD3CopyandMovDest));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=OpenFolder"},
              Scan(recorder, &Privacy_MULACD3LastOpenFoldinView));
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistSearchFileName",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistFindScope",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistSearchAuthor"}),
              Scan(recorder, &Privacy_MULACD3SearchHis));

    // Deleting removes exactly the histories and leaves the layout and the
    // other version's key alone.
    Privacy_CheckDelete(1);
    for (auto item : {&Privacy_MULACD3PathHis, &Privacy_MULACD3CopyandMovDest,
                      &Privacy_MULACD3LastOpenFoldinView, &Privacy_MULACD3SearchHis}) {
        item(0);
    }
    EXPECT_EQ((Texts{L"SimpleSearchHistory", L"WindowPlacement"}),
              Sorted(ValueNames(HKEY_CURRENT_USER, key)));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, key + L"\\50", L"HistPaths"));
}

TEST(MultimediaItems, AcdSee5And6PairsAreOneBodyAndATickedPairShowsATraceOnce) {
    EXPECT_EQ(&Privacy_MULACD5ImageDatabase, &Privacy_MULACD6ImageDatabase);
    EXPECT_EQ(&Privacy_MULACD5PathHis, &Privacy_MULACD5SearchHis);
    EXPECT_EQ(&Privacy_MULACD6PathHis, &Privacy_MULACD6SearchHis);
    EXPECT_NE(&Privacy_MULACD5PathHis, &Privacy_MULACD6PathHis);

    EngineRecorder recorder;
    TestRegistry registry;
    SeedAcdSeeHistories(registry, L"Software\\ACD Systems\\ACDSee\\50");
    SeedAcdSeeHistories(registry, L"Software\\ACD Systems\\ACDSee\\60");
    TestFolder acd = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\ACD Systems");
    const std::wstring database = acd.File(L"ImageDB\\ImageDB.ddf", 8192);

    // One scan with every ACDSee 5 option ticked, in the options' order.
    recorder.Clear();
    for (auto item : {&Privacy_MULACD5ImageDatabase, &Privacy_MULACD5PathHis, &Privacy_MULACD5CopyandMovDest,
                      &Privacy_MULACD5LastOpenFoldinView, &Privacy_MULACD5SearchHis}) {
        item(0);
    }
    EXPECT_EQ((Texts{database, kHkcu + L"Software\\ACD Systems\\ACDSee\\50=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\50=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\50=OpenFolder"}),
              recorder.found);
    EXPECT_EQ("8.000000", EngineRecorder::SizeText());

    // ACDSee 6 in the next count: the shared database is found again.
    Privacy_ClearFilesSize();
    recorder.Clear();
    for (auto item : {&Privacy_MULACD6ImageDatabase, &Privacy_MULACD6PathHis, &Privacy_MULACD6CopyandMovDest,
                      &Privacy_MULACD6LastOpenFoldinView, &Privacy_MULACD6SearchHis}) {
        item(0);
    }
    EXPECT_EQ((Texts{database, kHkcu + L"Software\\ACD Systems\\ACDSee\\60=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\60=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\60=OpenFolder"}),
              recorder.found);
}

TEST(MultimediaItems, AcdSee7To9AndProKeepCataloguesInLocalSettings) {
    EngineRecorder recorder;
    TestRegistry registry;
    for (const wchar_t* version : {L"70", L"80", L"90", L"80Pro"}) {
        SeedAcdSeeHistories(registry, std::wstring(L"Software\\ACD Systems\\ACDSee\\") + version);
    }
    TestFolder acd = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\ACD Systems");
    const std::wstring catalog7 = acd.File(L"Catalogs\\70\\Default\\Default.ddf", 100);
    acd.File(L"Catalogs\\80\\Default\\Default.ddf", 100); // no ACDSee 8 catalogue lives here
    const std::wstring catalog8 = acd.File(L"Catalogs\\81\\Default\\Default.ddf", 100);
    const std::wstring catalog9 = acd.File(L"Catalogs\\90\\Default\\Thumbnails\\0.db", 100);
    const std::wstring catalogPro = acd.File(L"Catalogs\\80Pro\\Default\\Default.ddf", 100);
    const std::wstring rawCache = acd.File(L"RIPCache\\80Pro\\DSC_0042.NEF.cache", 100);

    EXPECT_EQ(Texts{catalog7}, Scan(recorder, &Privacy_MULACD7ImageDatabase));
    EXPECT_EQ(Texts{catalog8}, Scan(recorder, &Privacy_MULACD8ImageDatabase));
    EXPECT_EQ(Texts{catalog9}, Scan(recorder, &Privacy_MULACD9ImageDatabase));
    EXPECT_EQ(Texts{catalogPro}, Scan(recorder, &Privacy_MULACDProImageDatabase));
    EXPECT_EQ(Texts{rawCache}, Scan(recorder, &Privacy_MULACDProRawImagPrevCache));

    const std::wstring acd8 = kHkcu + L"Software\\ACD Systems\\ACDSee\\80=";
    EXPECT_EQ(Texts{acd8 + L"SimpleSearchHistory"}, Scan(recorder, &Privacy_MULACD8SearchSimpleHis));
    EXPECT_EQ(Texts{acd8 + L"HistPaths"}, Scan(recorder, &Privacy_MULACD8PathHis));
    EXPECT_EQ(Texts{acd8 + L"HistMCFDestFolder"}, Scan(recorder, &Privacy_MULACD8CopyandMovDest));
    EXPECT_EQ(Texts{acd8 + L"OpenFolder"}, Scan(recorder, &Privacy_MULACD8LastOpenFoldinView));
    // Search History names the copy-and-move targets first in 7, 8 and 9 and
    // the paths first in Pro.
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\70=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\70=HistPaths"}),
              Scan(recorder, &Privacy_MULACD7SearchHis));
    EXPECT_EQ((Texts{acd8 + L"HistMCFDestFolder", acd8 + L"HistPaths"}),
              Scan(recorder, &Privacy_MULACD8SearchHis));
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\90=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\90=HistPaths"}),
              Scan(recorder, &Privacy_MULACD9SearchHis));
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\80Pro=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\80Pro=HistMCFDestFolder"}),
              Scan(recorder, &Privacy_MULACDProSearchHis));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\70=SimpleSearchHistory"},
              Scan(recorder, &Privacy_MULACD7SearchSimpleHis));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\90=OpenFolder"},
              Scan(recorder, &Privacy_MULACD9LastOpenFoldinView));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\80Pro=SimpleSearchHistory"},
              Scan(recorder, &Privacy_MULACDProSearchSimpleHis));

    // The screen-capture tool of the shared resources remembers its folder.
    registry.String(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDScreenCapture", L"SCLastFolder",
                    L"C:\\Documents and Settings\\Anna\\Desktop");
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDScreenCapture=SCLastFolder"},
              Scan(recorder, &Privacy_MULACDSRScrCapLasSavFol));
}

TEST(MultimediaItems, WindowsMediaPlayerListsAndMediaIndex) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring player = L"Software\\Microsoft\\MediaPlayer\\Player";
    registry.String(HKEY_CURRENT_USER, player + L"\\RecentFileList", L"File0", L"C:\\Music\\track01.wma");
    registry.String(HKEY_CURRENT_USER, player + L"\\RecentFileList", L"File1", L"C:\\Videos\\party.wmv");
    registry.String(HKEY_CURRENT_USER, player + L"\\RecentURLList", L"URL0", L"mms://radio.example.com/live");
    registry.Dword(HKEY_CURRENT_USER, player + L"\\Settings", L"Volume", 50);
    TestFolder index = TestFolder::At(SpecialFolderPath(CSIDL_COMMON_APPDATA) + L"\\Microsoft\\Media Index");
    const std::wstring library = index.File(L"wmplibrary_v_0_12.db", 3072);

    EXPECT_EQ((Texts{kHkcu + L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList=File0",
                     kHkcu + L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList=File1"}),
              Scan(recorder, &Privacy_MULWMPRecOpenFileList));
    EXPECT_EQ(Texts{kHkcu + L"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList=URL0"},
              Scan(recorder, &Privacy_MULWMPRecOpenURLList));
    EXPECT_EQ(Texts{library}, Scan(recorder, &Privacy_MULWMPCache));
    EXPECT_EQ("3.000000", EngineRecorder::SizeText());
}

class WinampItems : public ::testing::Test {
protected:
    TestFolder programs;
    TestRegistry registry;
    std::wstring folder;

    void SetUp() override {
        // A Winamp installation with its playlist, bookmarks and media library.
        folder = programs.Folder(L"Winamp");
        programs.File(L"Winamp\\winamp.exe", 200);
        programs.File(L"Winamp\\winamp.ini", 300);
        programs.File(L"Winamp\\Winamp.m3u", 120);
        programs.File(L"Winamp\\Winamp.m3u8", 140);
        programs.File(L"Winamp\\Winamp.bm", 60);
        programs.File(L"Winamp\\Plugins\\ml\\main.dat", 1000);
        programs.File(L"Winamp\\Plugins\\ml\\views\\view_1.vdt", 24);
        programs.File(L"Winamp\\Plugins\\gen_ml.ini", 80);
        programs.File(L"Winamp\\Plugins\\in_mp3.dll", 500);
    }
    void Install(const std::wstring& value) {
        registry.String(HKEY_CURRENT_USER, L"Software\\Winamp", L"", value);
    }
};

TEST_F(WinampItems, FindsPlaylistsBookmarksAndMediaLibraryInItsFolder) {
    EngineRecorder recorder;
    Install(folder);
    EXPECT_EQ((Texts{folder + L"\\Winamp.m3u", folder + L"\\Winamp.m3u8"}),
              Scan(recorder, &Privacy_MULWAPRecOpenFileList));
    EXPECT_EQ(Texts{folder + L"\\Winamp.bm"}, Scan(recorder, &Privacy_MULWAPBookMarks));
    const Texts library = Scan(recorder, &Privacy_MULWAPMediaLibViewPla);
    ASSERT_EQ(3u, library.size());
    EXPECT_EQ(Sorted({folder + L"\\Plugins\\ml\\main.dat", folder + L"\\Plugins\\ml\\views\\view_1.vdt"}),
              Sorted({library[0], library[1]}));
    EXPECT_EQ(folder + L"\\Plugins\\gen_ml.ini", library[2]);

    // A folder recorded with a trailing backslash names the same files.
    Install(folder + L"\\");
    EXPECT_EQ(Texts{folder + L"\\Winamp.bm"}, Scan(recorder, &Privacy_MULWAPBookMarks));
}

TEST_F(WinampItems, NoUsableFolderMeansNothingIsLookedFor) {
    EngineRecorder recorder;
    auto scanAll = [&] {
        recorder.Clear();
        Privacy_MULWAPRecOpenFileList(0);
        Privacy_MULWAPBookMarks(0);
        Privacy_MULWAPMediaLibViewPla(0);
        return recorder.found;
    };
    EXPECT_TRUE(scanAll().empty()) << "not installed";

    // A relative name would be looked for beside the host's current folder.
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(programs.Path().c_str());
    Install(L"Winamp");
    const Texts relative = scanAll();
    SetCurrentDirectoryW(current);
    EXPECT_TRUE(relative.empty());

    Install(L"");
    EXPECT_TRUE(scanAll().empty()) << "empty";
    registry.Binary(HKEY_CURRENT_USER, L"Software\\Winamp", L"", "C:\\");
    EXPECT_TRUE(scanAll().empty()) << "not a text";
    Install(folder + L"\\" + std::wstring(600, L'x'));
    EXPECT_TRUE(scanAll().empty()) << "longer than the lookup reads";
}

TEST(MultimediaItems, VlcDivXAndQuickTimeTraces) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    const std::wstring plugins = vlc.File(L"cache\\plugins-04041e4a.dat", 700);
    vlc.File(L"vlcrc", 50); // the settings stay
    registry.String(HKEY_CURRENT_USER, L"Software\\DivXNetworks\\DivX Player\\RecentFiles", L"File1",
                    L"C:\\Videos\\trailer.divx");
    TestFolder videos = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\My Videos");
    const std::wstring movie = videos.File(L"DivX Movies\\trailer.divx", 2000);
    videos.File(L"holiday.avi", 100);

    EXPECT_EQ(Texts{plugins}, Scan(recorder, &Privacy_MULVLCCache));
    EXPECT_EQ(Texts{kHkcu + L"Software\\DivXNetworks\\DivX Player\\RecentFiles=File1"},
              Scan(recorder, &Privacy_MULDivxRecOpenFileList));
    EXPECT_EQ(Texts{movie}, Scan(recorder, &Privacy_MULDivxMoviesFolder));

    registry.String(HKEY_CURRENT_USER, L"Software\\Apple Computer, Inc.\\QuickTime\\Recent Movies", L"Movie1",
                    L"C:\\Videos\\keynote.mov");
    TestFolder shared = TestFolder::At(SpecialFolderPath(CSIDL_COMMON_APPDATA) + L"\\QuickTime");
    const std::wstring urls = shared.File(L"QTPlayerSession.xml", 90);
    EXPECT_EQ(Texts{kHkcu + L"SOFTWARE\\Apple Computer, Inc.\\QuickTime\\Recent Movies=Movie1"},
              Scan(recorder, &Privacy_MULQTRecOpenFileList));
    EXPECT_EQ(Texts{urls}, Scan(recorder, &Privacy_MULQTRecURLList));
}

TEST(MultimediaItems, QuickTimeFavoritesAreTheUsersSettingsWhileQuickTimeIsInstalled) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder programs;
    // Nothing of the user's lives below the program folder.
    programs.File(L"QuickTime\\Apple Computer\\QuickTime\\QuickTimePlayer.dll", 100);
    TestFolder apple = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Apple Computer");
    const std::wstring settings = apple.File(L"QuickTime\\QuickTime.qtp", 1500);

    EXPECT_TRUE(Scan(recorder, &Privacy_MULQTFavorites).empty()) << "QuickTime is not installed";
    registry.String(HKEY_LOCAL_MACHINE,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\QuickTimePlayer.exe", L"",
                    programs.Path(L"QuickTime\\QuickTimePlayer.exe"));
    EXPECT_EQ(Texts{settings}, Scan(recorder, &Privacy_MULQTFavorites));
}

class RealPlayerHistory : public ::testing::Test {
protected:
    const std::wstring preferences = L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    TestRegistry registry;
    TestFolder real = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Real");
    std::wstring history, errors, cookies;

    void SetUp() override {
        // Each remembered clip is a key whose default value names it.
        registry.String(HKEY_CURRENT_USER, preferences + L"LastOpenFileDir", L"", L"C:\\Videos");
        registry.String(HKEY_CURRENT_USER, preferences + L"MostRecentClips1", L"",
                        L"file://C:\\Videos\\a.rm");
        registry.String(HKEY_CURRENT_USER, preferences + L"MostRecentClips11", L"",
                        L"file://C:\\Videos\\b.rm");
        registry.String(HKEY_CURRENT_USER, preferences + L"OpenLocationClips1", L"", L"rtsp://one.example/");
        registry.String(HKEY_CURRENT_USER, preferences + L"OpenLocationClips10", L"", L"rtsp://ten.example/");
        registry.String(HKEY_CURRENT_USER, preferences + L"HistoryList", L"Item0",
                        L"http://news.example/clip");
        registry.String(HKEY_CURRENT_USER, preferences + L"Volume", L"", L"80");
        history = real.File(L"RealPlayer\\History\\history.rpl", 400);
        errors = real.File(L"RealPlayer\\ErrorLogs\\error.log", 300);
        cookies = real.File(L"RealPlayer\\cookies.txt", 324);
    }
};

TEST_F(RealPlayerHistory, WalksItsNumberedClipKeysHistoryAndFiles) {
    EngineRecorder recorder;
    Privacy_MULRealPlayerHis(0);
    const std::wstring prefs = kHkcu + L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    // MostRecentClips11 and OpenLocationClips1 are outside the numbers Real
    // Player uses; the volume setting is no history.
    EXPECT_EQ(
        (Texts{prefs + L"LastOpenFileDir=", prefs + L"MostRecentClips1=", prefs + L"OpenLocationClips10=",
               prefs + L"HistoryList=Item0", history, errors, cookies}),
        recorder.found);
    EXPECT_EQ("1.000000", EngineRecorder::SizeText());
}

TEST_F(RealPlayerHistory, StopsBetweenItsPlaces) {
    EngineRecorder recorder;
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_MULRealPlayerHis(0);
    EXPECT_EQ(1u, recorder.found.size());
}

TEST(MultimediaItems, AStopRequestKeepsEveryItemFromLooking) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    vlc.File(L"cache\\plugins.dat", 10);
    registry.String(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDSee", L"HistPaths", L"C:\\Photos");
    registry.String(HKEY_CURRENT_USER, L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\HistoryList",
                    L"Item0", L"http://a/");
    Privacy_StopScan(1);
    for (auto item : {&Privacy_MULACD3ImageDatabase,
                      &Privacy_MULACD3PathHis,
                      &Privacy_MULACD3SearchHis,
                      &Privacy_MULACD5PathHis,
                      &Privacy_MULACD6ImageDatabase,
                      &Privacy_MULACD7SearchHis,
                      &Privacy_MULACD8ImageDatabase,
                      &Privacy_MULACD9PathHis,
                      &Privacy_MULACDProRawImagPrevCache,
                      &Privacy_MULWMPRecOpenFileList,
                      &Privacy_MULWMPCache,
                      &Privacy_MULWAPRecOpenFileList,
                      &Privacy_MULWAPMediaLibViewPla,
                      &Privacy_MULACDSRScrCapLasSavFol,
                      &Privacy_MULVLCCache,
                      &Privacy_MULRealPlayerHis,
                      &Privacy_MULQTRecOpenFileList,
                      &Privacy_MULQTFavorites,
                      &Privacy_MULDivxRecOpenFileList,
                      &Privacy_MULDivxMoviesFolder}) {
        EXPECT_EQ(1, item(0));
    }
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
    EXPECT_EQ(0u, scrub::theApp.registryValues);
}

TEST(MultimediaItems, TheLibraryExportsEveryItemUnderItsExactName) {
    // In the order of the options tree.
    const char* items[] = {"Privacy_MULACD3ImageDatabase",
                           "Privacy_MULACD3PathHis",
                           "Privacy_MULACD3CopyandMovDest",
                           "Privacy_MULACD3LastOpenFoldinView",
                           "Privacy_MULACD3SearchHis",
                           "Privacy_MULACD5ImageDatabase",
                           "Privacy_MULACD5PathHis",
                           "Privacy_MULACD5CopyandMovDest",
                           "Privacy_MULACD5LastOpenFoldinView",
                           "Privacy_MULACD5SearchHis",
                           "Privacy_MULACD6ImageDatabase",
                           "Privacy_MULACD6PathHis",
                           "Privacy_MULACD6CopyandMovDest",
                           "Privacy_MULACD6LastOpenFoldinView",
                           "Privacy_MULACD6SearchHis",
                           "Privacy_MULACD7ImageDatabase",
                           "Privacy_MULACD7SearchSimpleHis",
                           "Privacy_MULACD7PathHis",
                           "Privacy_MULACD7CopyandMovDest",
                           "Privacy_MULACD7LastOpenFoldinView",
                           "Privacy_MULACD7SearchHis",
                           "Privacy_MULACD8ImageDatabase",
                           "Privacy_MULACD8SearchSimpleHis",
                           "Privacy_MULACD8PathHis",
                           "Privacy_MULACD8CopyandMovDest",
                           "Privacy_MULACD8LastOpenFoldinView",
                           "Privacy_MULACD8SearchHis",
                           "Privacy_MULACD9ImageDatabase",
                           "Privacy_MULACD9SearchSimpleHis",
                           "Privacy_MULACD9PathHis",
                           "Privacy_MULACD9CopyandMovDest",
                           "Privacy_MULACD9LastOpenFoldinView",
                           "Privacy_MULACD9SearchHis",
                           "Privacy_MULACDProImageDatabase",
                           "Privacy_MULACDProRawImagPrevCache",
                           "Privacy_MULACDProSearchSimpleHis",
                           "Privacy_MULACDProPathHis",
                           "Privacy_MULACDProCopyandMovDest",
                           "Privacy_MULACDProLastOpenFoldinView",
                           "Privacy_MULACDProSearchHis",
                           "Privacy_MULWMPRecOpenFileList",
                           "Privacy_MULWMPRecOpenURLList",
                           "Privacy_MULWMPCache",
                           "Privacy_MULWAPRecOpenFileList",
                           "Privacy_MULWAPBookMarks",
                           "Privacy_MULWAPMediaLibViewPla",
                           "Privacy_MULACDSRFavorites",
                           "Privacy_MULACDSRScrCapLasSavFol",
                           "Privacy_MULVLCCache",
                           "Privacy_MULRealPlayerHis",
                           "Privacy_MULQTRecOpenFileList",
                           "Privacy_MULQTRecURLList",
                           "Privacy_MULQTFavorites",
                           "Privacy_MULDivxRecOpenFileList",
                           "Privacy_MULDivxMoviesFolder"};
    ASSERT_EQ(55u, std::size(items));
    const auto& names = ScrubcoreExportNames();
    ASSERT_FALSE(names.empty()) << "Scrubcore.dll did not load from the program folder";
    const std::set<std::string> expected(std::begin(items), std::end(items));
    for (const auto& name : names) {
        if (name.rfind("Privacy_MUL", 0) == 0) {
            EXPECT_TRUE(expected.count(name)) << "unexpected export " << name;
        }
    }
    // The do-nothing body is exported with the Windows items.
    const bool doNothingBodyExported = names.count("Privacy_WNDCDBurnStorageFolder") > 0;
    for (const char* item : items) {
        if (std::string(item) == "Privacy_MULACDSRFavorites" && !doNothingBodyExported) {
            continue;
        }
        EXPECT_TRUE(names.count(item)) << item;
    }
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD5ImageDatabase"),
              ScrubcoreExport("Privacy_MULACD6ImageDatabase"));
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD5PathHis"), ScrubcoreExport("Privacy_MULACD5SearchHis"));
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD6PathHis"), ScrubcoreExport("Privacy_MULACD6SearchHis"));
    if (doNothingBodyExported) {
        EXPECT_EQ(ScrubcoreExport("Privacy_WNDCDBurnStorageFolder"),
                  ScrubcoreExport("Privacy_MULACDSRFavorites"));
    }
}

namespace {

std::vector<std::wstring> libraryFound;
int LibraryFound(BSTR text, int) {
    libraryFound.emplace_back(text, SysStringLen(text));
    return 0;
}
int LibraryPump() {
    return 0;
}

} // namespace

TEST(MultimediaItems, AnItemCalledThroughTheLibraryReportsToItsHost) {
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    const std::wstring plugins = vlc.File(L"cache\\plugins.dat", 100);
    auto setScan = ScrubcoreFunction<int (*)(ScrubcoreScanCallBack)>("Scrubcore_SetScanCallBack");
    auto setPump = ScrubcoreFunction<int (*)(ScrubcoreProcessMessage)>("Scrubcore_SetProcessMessage");
    auto clearSize = ScrubcoreFunction<int (*)()>("Privacy_ClearFilesSize");
    auto vlcCache = ScrubcoreFunction<int (*)(unsigned char)>("Privacy_MULVLCCache");
    ASSERT_TRUE(setScan && setPump && clearSize && vlcCache);
    setPump(&LibraryPump);
    setScan(&LibraryFound);
    clearSize();
    libraryFound.clear();
    EXPECT_EQ(1, vlcCache(0));
    EXPECT_EQ(std::vector<std::wstring>{plugins}, libraryFound);
    setScan(nullptr);
    setPump(nullptr);
}
