// Multimedia items against image viewers and players installed the way their
// users leave them.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "scrubcore/MultimediaItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>

using namespace testing_support;

namespace {

using Texts = std::vector<std::wstring>;

const std::wstring kHkcu = L"HKEY_CURRENT_USER||";

// In the order of the options tree.
const std::vector<const char*> kMultimediaItems = {"Privacy_MULACD3ImageDatabase",
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
                                                   "Privacy_MULWMPLibrary",
                                                   "Privacy_MULWAPRecOpenFileList",
                                                   "Privacy_MULWAPBookMarks",
                                                   "Privacy_MULWAPMediaLibViewPla",
                                                   "Privacy_MULACDSRFavorites",
                                                   "Privacy_MULACDSRScrCapLasSavFol",
                                                   "Privacy_MULVLCCache",
                                                   "Privacy_MULVLCRecentFiles",
                                                   "Privacy_MULVLCMediaLibrary",
                                                   "Privacy_MULRealPlayerHis",
                                                   "Privacy_MULQTRecOpenFileList",
                                                   "Privacy_MULQTRecURLList",
                                                   "Privacy_MULQTFavorites",
                                                   "Privacy_MULDivxRecOpenFileList",
                                                   "Privacy_MULDivxMoviesFolder"};

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
    const std::wstring database = acd.File(L"ACDSee\\ImageDB.ddf", 4096);
    const std::wstring thumbs = acd.File(L"ACDSee\\Thumbs\\0001.db", 512);

    EXPECT_EQ(Sorted({database, thumbs}), Sorted(FoundBy(recorder, &Privacy_MULACD3ImageDatabase)));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=HistPaths"},
              FoundBy(recorder, &Privacy_MULACD3PathHis));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=OpenFolder"},
              FoundBy(recorder, &Privacy_MULACD3LastOpenFoldinView));
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistSearchFileName",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistFindScope",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee=HistSearchAuthor"}),
              FoundBy(recorder, &Privacy_MULACD3SearchHis));

    // Deleting removes exactly the histories and leaves the layout, the
    // simple-search list ACDSee 3 does not have, and the other version alone.
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
    TestFolder acd = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\ACD Systems");
    const std::wstring database = acd.File(L"ImageDB\\ImageDB.ddf", 8192);

    // One scan with every ACDSee 5 option ticked, in the options' order.
    for (auto item : {&Privacy_MULACD5ImageDatabase, &Privacy_MULACD5PathHis, &Privacy_MULACD5CopyandMovDest,
                      &Privacy_MULACD5LastOpenFoldinView, &Privacy_MULACD5SearchHis}) {
        item(0);
    }
    EXPECT_EQ((Texts{database, kHkcu + L"Software\\ACD Systems\\ACDSee\\50=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\50=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\50=OpenFolder"}),
              recorder.found);
    EXPECT_EQ("8.000000", EngineRecorder::SizeText());
}

TEST(MultimediaItems, AcdSee7To9AndProKeepCataloguesInLocalSettings) {
    EngineRecorder recorder;
    TestRegistry registry;
    SeedAcdSeeHistories(registry, L"Software\\ACD Systems\\ACDSee\\80");
    SeedAcdSeeHistories(registry, L"Software\\ACD Systems\\ACDSee\\80Pro");
    TestFolder acd = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\ACD Systems");
    const std::wstring catalog7 = acd.File(L"Catalogs\\70\\Default\\Default.ddf", 100);
    acd.File(L"Catalogs\\80\\Default\\Default.ddf", 100); // ACDSee 8's catalogue is numbered 81
    const std::wstring catalog8 = acd.File(L"Catalogs\\81\\Default\\Default.ddf", 100);
    const std::wstring catalog9 = acd.File(L"Catalogs\\90\\Default\\Thumbnails\\0.db", 100);
    const std::wstring catalogPro = acd.File(L"Catalogs\\80Pro\\Default\\Default.ddf", 100);
    const std::wstring rawCache = acd.File(L"RIPCache\\80Pro\\DSC_0042.NEF.cache", 100);

    EXPECT_EQ(Texts{catalog7}, FoundBy(recorder, &Privacy_MULACD7ImageDatabase));
    EXPECT_EQ(Texts{catalog8}, FoundBy(recorder, &Privacy_MULACD8ImageDatabase));
    EXPECT_EQ(Texts{catalog9}, FoundBy(recorder, &Privacy_MULACD9ImageDatabase));
    EXPECT_EQ(Texts{catalogPro}, FoundBy(recorder, &Privacy_MULACDProImageDatabase));
    EXPECT_EQ(Texts{rawCache}, FoundBy(recorder, &Privacy_MULACDProRawImagPrevCache));

    // Search History names the copy-and-move targets first in 8 and the paths
    // first in Pro; neither includes the simple searches.
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\80=HistMCFDestFolder",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\80=HistPaths"}),
              FoundBy(recorder, &Privacy_MULACD8SearchHis));
    EXPECT_EQ((Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\80Pro=HistPaths",
                     kHkcu + L"Software\\ACD Systems\\ACDSee\\80Pro=HistMCFDestFolder"}),
              FoundBy(recorder, &Privacy_MULACDProSearchHis));
    EXPECT_EQ(Texts{kHkcu + L"Software\\ACD Systems\\ACDSee\\80=SimpleSearchHistory"},
              FoundBy(recorder, &Privacy_MULACD8SearchSimpleHis));
}

TEST(MultimediaItems, EveryAcdSeeVersionsHistoriesAreValuesOfItsOwnKey) {
    struct Row {
        ItemFunction item;
        const wchar_t* version;
        Texts values;
    };
    const Row rows[] = {
        {&Privacy_MULACD5PathHis, L"50", {L"HistPaths"}},
        {&Privacy_MULACD5CopyandMovDest, L"50", {L"HistMCFDestFolder"}},
        {&Privacy_MULACD5LastOpenFoldinView, L"50", {L"OpenFolder"}},
        {&Privacy_MULACD6PathHis, L"60", {L"HistPaths"}},
        {&Privacy_MULACD6CopyandMovDest, L"60", {L"HistMCFDestFolder"}},
        {&Privacy_MULACD6LastOpenFoldinView, L"60", {L"OpenFolder"}},
        {&Privacy_MULACD7SearchSimpleHis, L"70", {L"SimpleSearchHistory"}},
        {&Privacy_MULACD7PathHis, L"70", {L"HistPaths"}},
        {&Privacy_MULACD7CopyandMovDest, L"70", {L"HistMCFDestFolder"}},
        {&Privacy_MULACD7LastOpenFoldinView, L"70", {L"OpenFolder"}},
        {&Privacy_MULACD7SearchHis, L"70", {L"HistMCFDestFolder", L"HistPaths"}},
        {&Privacy_MULACD8PathHis, L"80", {L"HistPaths"}},
        {&Privacy_MULACD8CopyandMovDest, L"80", {L"HistMCFDestFolder"}},
        {&Privacy_MULACD8LastOpenFoldinView, L"80", {L"OpenFolder"}},
        {&Privacy_MULACD9SearchSimpleHis, L"90", {L"SimpleSearchHistory"}},
        {&Privacy_MULACD9PathHis, L"90", {L"HistPaths"}},
        {&Privacy_MULACD9CopyandMovDest, L"90", {L"HistMCFDestFolder"}},
        {&Privacy_MULACD9LastOpenFoldinView, L"90", {L"OpenFolder"}},
        {&Privacy_MULACD9SearchHis, L"90", {L"HistMCFDestFolder", L"HistPaths"}},
        {&Privacy_MULACDProSearchSimpleHis, L"80Pro", {L"SimpleSearchHistory"}},
        {&Privacy_MULACDProPathHis, L"80Pro", {L"HistPaths"}},
        {&Privacy_MULACDProCopyandMovDest, L"80Pro", {L"HistMCFDestFolder"}},
        {&Privacy_MULACDProLastOpenFoldinView, L"80Pro", {L"OpenFolder"}},
    };
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring base = L"Software\\ACD Systems\\ACDSee\\";
    for (const wchar_t* version : {L"50", L"60", L"70", L"80", L"90", L"80Pro"}) {
        SeedAcdSeeHistories(registry, base + version);
    }
    for (const Row& row : rows) {
        Texts expected;
        for (const std::wstring& value : row.values) {
            expected.push_back(kHkcu + base + row.version + L"=" + value);
        }
        EXPECT_EQ(expected, FoundBy(recorder, row.item)) << testing::PrintToString(expected);
    }
}

TEST(MultimediaItems, PlayersRecentListsCachesAndMovies) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring player = L"Software\\Microsoft\\MediaPlayer\\Player";
    registry.String(HKEY_CURRENT_USER, player + L"\\RecentFileList", L"File0", L"C:\\Music\\track01.wma");
    registry.String(HKEY_CURRENT_USER, player + L"\\RecentURLList", L"URL0", L"mms://radio.example.com/live");
    registry.Dword(HKEY_CURRENT_USER, player + L"\\Settings", L"Volume", 50);
    TestFolder index = TestFolder::At(SpecialFolderPath(CSIDL_COMMON_APPDATA) + L"\\Microsoft\\Media Index");
    const std::wstring library = index.File(L"wmplibrary_v_0_12.db", 3072);
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    const std::wstring plugins = vlc.File(L"cache\\plugins-04041e4a.dat", 700);
    vlc.File(L"vlcrc", 50); // the settings stay
    registry.String(HKEY_CURRENT_USER, L"Software\\Apple Computer, Inc.\\QuickTime\\Recent Movies", L"Movie1",
                    L"C:\\Videos\\keynote.mov");
    TestFolder quickTime = TestFolder::At(SpecialFolderPath(CSIDL_COMMON_APPDATA) + L"\\QuickTime");
    const std::wstring session = quickTime.File(L"QTPlayerSession.xml", 90);
    registry.String(HKEY_CURRENT_USER, L"Software\\DivXNetworks\\DivX Player\\RecentFiles", L"File1",
                    L"C:\\Videos\\trailer.divx");
    TestFolder videos = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\My Videos");
    const std::wstring movie = videos.File(L"DivX Movies\\trailer.divx", 2000);
    videos.File(L"holiday.avi", 100);

    for (auto item : {&Privacy_MULWMPRecOpenFileList, &Privacy_MULWMPRecOpenURLList, &Privacy_MULWMPCache,
                      &Privacy_MULVLCCache, &Privacy_MULQTRecOpenFileList, &Privacy_MULQTRecURLList,
                      &Privacy_MULDivxRecOpenFileList, &Privacy_MULDivxMoviesFolder}) {
        item(0);
    }
    EXPECT_EQ((Texts{kHkcu + L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList=File0",
                     kHkcu + L"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList=URL0", library,
                     plugins, kHkcu + L"SOFTWARE\\Apple Computer, Inc.\\QuickTime\\Recent Movies=Movie1",
                     session, kHkcu + L"Software\\DivXNetworks\\DivX Player\\RecentFiles=File1", movie}),
              recorder.found);
}

namespace {

// VLC 3's interface settings: the window, the recent media, the open dialog.
const std::string kVlcSettings =
    "[General]\r\nfilters-config=@ByteArray()\r\n\r\n[MainWindow]\r\nplaylist-visible=true\r\n\r\n"
    "[RecentsMRU]\r\nlist=file:///C:/Users/ann/Videos/holiday.mp4, file:///C:/Users/ann/Music/b.mp3\r\n"
    "times=0, 131000\r\n\r\n[OpenDialog]\r\nnetMRU=@Invalid()\r\n";
const std::string kRecents =
    "[RecentsMRU]\r\nlist=file:///C:/Users/ann/Videos/holiday.mp4, file:///C:/Users/ann/Music/b.mp3\r\n"
    "times=0, 131000\r\n\r\n";

} // namespace

// Windows Media Player 12 and VLC 3 as a Windows 10 user leaves them: each
// item its own part, the library database and the media library only by
// their own items, and of VLC's settings file only the recent list.
TEST(MultimediaItems, TodaysPlayersCachesLibrariesAndVlcsRecentListAlone) {
    EngineRecorder recorder;
    TestFolder player = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Microsoft\\Media Player");
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    const std::wstring settings = MakeFileWithContent(vlc.Path(L"vlc-qt-interface.ini"), kVlcSettings);
    vlc.File(L"vlcrc", 4000);
    const std::pair<int (*)(unsigned char), Texts> cases[] = {
        {&Privacy_MULWMPCache,
         {player.File(L"Art Cache\\LocalMLS\\{A1B2C3D4}.jpg", 9000),
          player.File(L"Transcoded Files Cache\\track01.wma", 4000)}},
        {&Privacy_MULWMPLibrary,
         {player.File(L"CurrentDatabase_400.wmdb", 8000), player.File(L"LocalMLS_3.wmdb", 6000)}},
        {&Privacy_MULVLCCache, {vlc.File(L"art\\artistalbum\\Band\\Album\\art.jpg", 30000)}},
        {&Privacy_MULVLCRecentFiles, {settings + L"|[RecentsMRU]"}},
        {&Privacy_MULVLCMediaLibrary, {vlc.File(L"ml.xspf", 1200)}},
    };
    for (const auto& [item, found] : cases) {
        EXPECT_EQ(Sorted(found), Sorted(FoundBy(recorder, item))) << found.front();
    }
    // The recent list counts as one file of its own bytes.
    PrivacyInit();
    Privacy_ClearFilesSize();
    FoundBy(recorder, &Privacy_MULVLCRecentFiles);
    EXPECT_EQ(1, Privacy_Nooffiles());
    EXPECT_DOUBLE_EQ(kRecents.size() / 1024.0, scrub::theApp.totalKilobytes);

    // Cleaning it leaves every other byte, and a second time finds it gone.
    EXPECT_EQ(1, Privacy_CleanSelitems((settings + L"|[RecentsMRU]").c_str()));
    std::string rest = kVlcSettings;
    rest.erase(rest.find(kRecents), kRecents.size());
    EXPECT_EQ(rest, ReadAll(settings));
    EXPECT_TRUE(FoundBy(recorder, &Privacy_MULVLCRecentFiles).empty());
    EXPECT_EQ(1, Privacy_CleanSelitems((settings + L"|[RecentsMRU]").c_str()));
    EXPECT_EQ(rest, ReadAll(settings));
    // Emptied by VLC itself, the list names nothing.
    MakeFileWithContent(settings,
                        "[RecentsMRU]\nlist=@Invalid()\ntimes=@Invalid()\n[OpenDialog]\nnetMRU=x\n");
    EXPECT_TRUE(FoundBy(recorder, &Privacy_MULVLCRecentFiles).empty());
    // In delete mode the item takes the section as cleaning does.
    MakeFileWithContent(settings, kVlcSettings);
    Privacy_CheckDelete(1);
    FoundBy(recorder, &Privacy_MULVLCRecentFiles);
    EXPECT_EQ(rest, ReadAll(settings));
}

TEST(MultimediaItems, DivXMoviesOnWindows10LieInTheVideosFolder) {
    EngineRecorder recorder;
    TestFolder videos = TestFolder::At(SpecialFolderPath(CSIDL_MYVIDEO) + L"\\DivX Movies");
    const std::wstring movie = videos.File(L"trailer.divx", 2000);
    EXPECT_EQ(Texts{movie}, FoundBy(recorder, &Privacy_MULDivxMoviesFolder));
}

TEST(MultimediaItems, QuickTimeFavoritesAreTheUsersSettingsWhileQuickTimeIsInstalled) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder programs;
    // Nothing of the user's lives below the program folder.
    programs.File(L"QuickTime\\Apple Computer\\QuickTime\\QuickTimePlayer.dll", 100);
    TestFolder apple = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Apple Computer");
    const std::wstring settings = apple.File(L"QuickTime\\QuickTime.qtp", 1500);

    EXPECT_TRUE(FoundBy(recorder, &Privacy_MULQTFavorites).empty()) << "QuickTime is not installed";
    registry.String(HKEY_LOCAL_MACHINE,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\QuickTimePlayer.exe", L"",
                    programs.Path(L"QuickTime\\QuickTimePlayer.exe"));
    EXPECT_EQ(Texts{settings}, FoundBy(recorder, &Privacy_MULQTFavorites));
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
        programs.File(L"Winamp\\Plugins\\ml\\plf1A2B.m3u8", 300); // a playlist the user made
        programs.File(L"Winamp\\Plugins\\ml\\views\\view_1.vdt", 24);
        programs.File(L"Winamp\\Plugins\\gen_ml.ini", 80);
        programs.File(L"Winamp\\Plugins\\in_mp3.dll", 500);
    }
    void Install(const std::wstring& value) {
        registry.String(HKEY_CURRENT_USER, L"Software\\Winamp", L"", value);
    }
    Texts ScanAll(EngineRecorder& recorder) {
        recorder.Clear();
        Privacy_MULWAPRecOpenFileList(0);
        Privacy_MULWAPBookMarks(0);
        Privacy_MULWAPMediaLibViewPla(0);
        return recorder.found;
    }
};

TEST_F(WinampItems, FindsPlaylistsBookmarksAndMediaLibraryViewsInItsFolder) {
    EngineRecorder recorder;
    Install(folder);
    EXPECT_EQ((Texts{folder + L"\\Winamp.m3u", folder + L"\\Winamp.m3u8"}),
              FoundBy(recorder, &Privacy_MULWAPRecOpenFileList));
    EXPECT_EQ(Texts{folder + L"\\Winamp.bm"}, FoundBy(recorder, &Privacy_MULWAPBookMarks));
    const Texts library = FoundBy(recorder, &Privacy_MULWAPMediaLibViewPla);
    // The library's database and the user's playlists beside the views stay.
    EXPECT_EQ((Texts{folder + L"\\Plugins\\ml\\views\\view_1.vdt", folder + L"\\Plugins\\gen_ml.ini"}),
              library);

    // A folder recorded with a trailing backslash names the same files, and
    // one recorded under its short name finds them under that name.
    Install(folder + L"\\");
    EXPECT_EQ(Texts{folder + L"\\Winamp.bm"}, FoundBy(recorder, &Privacy_MULWAPBookMarks));
    wchar_t shortName[MAX_PATH] = {};
    ASSERT_NE(0u, GetShortPathNameW(folder.c_str(), shortName, MAX_PATH));
    ASSERT_NE(folder, shortName);
    Install(shortName);
    EXPECT_EQ(Texts{std::wstring(shortName) + L"\\Winamp.bm"}, FoundBy(recorder, &Privacy_MULWAPBookMarks));
}

TEST_F(WinampItems, NoUsableFolderMeansNothingIsLookedFor) {
    EngineRecorder recorder;
    EXPECT_TRUE(ScanAll(recorder).empty()) << "not installed";
    {
        // A relative name would be looked for beside the host's current folder.
        CurrentDirectory current(programs.Path().c_str());
        Install(L"Winamp");
        EXPECT_TRUE(ScanAll(recorder).empty()) << "relative";
    }
    Install(L"");
    EXPECT_TRUE(ScanAll(recorder).empty()) << "empty";
    registry.Binary(HKEY_CURRENT_USER, L"Software\\Winamp", L"", "C:\\");
    EXPECT_TRUE(ScanAll(recorder).empty()) << "not a text";
    Install(folder + L"\\" + std::wstring(600, L'x'));
    EXPECT_TRUE(ScanAll(recorder).empty()) << "longer than the lookup reads";
}

TEST(MultimediaItems, RealPlayerWalksItsNumberedClipKeysHistoryAndFiles) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring preferences = L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    // Each remembered clip is a key whose default value names it.
    registry.String(HKEY_CURRENT_USER, preferences + L"LastOpenFileDir", L"", L"C:\\Videos");
    registry.String(HKEY_CURRENT_USER, preferences + L"MostRecentClips1", L"", L"file://C:\\Videos\\a.rm");
    registry.String(HKEY_CURRENT_USER, preferences + L"MostRecentClips11", L"", L"file://C:\\Videos\\b.rm");
    registry.String(HKEY_CURRENT_USER, preferences + L"OpenLocationClips1", L"", L"rtsp://one.example/");
    registry.String(HKEY_CURRENT_USER, preferences + L"OpenLocationClips10", L"", L"rtsp://ten.example/");
    registry.String(HKEY_CURRENT_USER, preferences + L"HistoryList", L"Item0", L"http://news.example/clip");
    registry.String(HKEY_CURRENT_USER, preferences + L"Volume", L"", L"80");
    TestFolder real = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Real");
    const std::wstring history = real.File(L"RealPlayer\\History\\history.rpl", 400);
    const std::wstring errors = real.File(L"RealPlayer\\ErrorLogs\\error.log", 300);
    const std::wstring cookies = real.File(L"RealPlayer\\cookies.txt", 324);

    Privacy_MULRealPlayerHis(0);
    const std::wstring prefs = kHkcu + preferences;
    EXPECT_EQ(
        (Texts{prefs + L"LastOpenFileDir=", prefs + L"MostRecentClips1=", prefs + L"OpenLocationClips10=",
               prefs + L"HistoryList=Item0", history, errors, cookies}),
        recorder.found);
    EXPECT_EQ("1.000000", EngineRecorder::SizeText());

    // A stop pressed while it runs ends it at its next place.
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    EXPECT_EQ(1u, FoundBy(recorder, &Privacy_MULRealPlayerHis).size());
}

TEST(MultimediaItems, StopRequestKeepsEveryItemQuiet) {
    TestRegistry registry;
    TestFolder vlc = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\vlc");
    const std::wstring plugins = vlc.File(L"cache\\plugins.dat", 10);
    registry.String(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDSee", L"HistPaths", L"C:\\Photos");

    const DllItemCalls stopped = CallStoppedItems(kMultimediaItems);
    EXPECT_EQ(0u, stopped.missing);
    EXPECT_TRUE(stopped.allReturnedOne);
    EXPECT_TRUE(stopped.found.empty());
    EXPECT_EQ(0, stopped.pumps);
    EXPECT_TRUE(FileExists(plugins));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDSee", L"HistPaths"));
}

TEST(ScrubcoreDll, ExportsEveryMultimediaItemWithItsSharedBodies) {
    ASSERT_EQ(58u, kMultimediaItems.size());
    std::set<FARPROC> bodies;
    for (const char* name : kMultimediaItems) {
        const FARPROC address = ScrubcoreExport(name);
        EXPECT_NE(nullptr, address) << name;
        bodies.insert(address);
    }
    EXPECT_EQ(55u, bodies.size()) << "three pairs share a body";
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD5ImageDatabase"),
              ScrubcoreExport("Privacy_MULACD6ImageDatabase"));
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD5PathHis"), ScrubcoreExport("Privacy_MULACD5SearchHis"));
    EXPECT_EQ(ScrubcoreExport("Privacy_MULACD6PathHis"), ScrubcoreExport("Privacy_MULACD6SearchHis"));
    EXPECT_EQ(ScrubcoreExport("Privacy_WNDCDBurnStorageFolder"), ScrubcoreExport("Privacy_MULACDSRFavorites"))
        << "the do-nothing body";
    size_t multimediaExports = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        multimediaExports += name.rfind("Privacy_MUL", 0) == 0;
    }
    EXPECT_EQ(58u, multimediaExports);
}
