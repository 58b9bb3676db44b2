// The "File Sharing" items against the folders and registry entries that
// peer-to-peer clients leave on a user's machine.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "scrubcore/FileSharingItems.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>

using namespace testing_support;

namespace {

using Item = ItemFunction;

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const std::wstring kShellFolders =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::wstring UserValue(const std::wstring& key, const std::wstring& name) {
    return L"HKEY_CURRENT_USER||" + key + L"=" + name;
}

std::wstring AppData() {
    return SpecialFolderPath(CSIDL_APPDATA);
}
std::wstring Documents() {
    return SpecialFolderPath(CSIDL_PERSONAL);
}
// The user's profile as the clients find it: the folder holding the
// application-data folder.
std::wstring ProfileAboveAppData() {
    return AppData().substr(0, AppData().rfind(L'\\'));
}

// The user's documents folder somewhere else for one test, as for a user who
// keeps documents on another drive; put back afterwards.
class DocumentsFolderMoved {
public:
    explicit DocumentsFolderMoved(const std::wstring& path) {
        MakeFolders(path);
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          &key) != ERROR_SUCCESS) {
            return;
        }
        std::vector<BYTE> data(4096);
        DWORD size = static_cast<DWORD>(data.size());
        hadValue_ = RegQueryValueExW(key, L"Personal", nullptr, &type_, data.data(), &size) == ERROR_SUCCESS;
        data.resize(hadValue_ ? size : 0);
        original_ = std::move(data);
        RegSetValueExW(key, L"Personal", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    ~DocumentsFolderMoved() {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders.c_str(), 0, KEY_SET_VALUE, &key) !=
            ERROR_SUCCESS) {
            return;
        }
        if (hadValue_) {
            RegSetValueExW(key, L"Personal", 0, type_, original_.data(),
                           static_cast<DWORD>(original_.size()));
        } else {
            RegDeleteValueW(key, L"Personal");
        }
        RegCloseKey(key);
    }
    DocumentsFolderMoved(const DocumentsFolderMoved&) = delete;
    DocumentsFolderMoved& operator=(const DocumentsFolderMoved&) = delete;

private:
    bool hadValue_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> original_;
};

class FileSharingItems : public ::testing::Test {
protected:
    // What one option reports on its own, in order.
    std::vector<std::wstring> FoundInOrderBy(Item item) { return ::FoundBy(recorder, item); }
    // The same, sorted (a folder lists its entries in no promised order).
    std::vector<std::wstring> FoundBy(Item item) { return Sorted(::FoundBy(recorder, item)); }
    EngineRecorder recorder;
    TestRegistry registry;
};

} // namespace

TEST_F(FileSharingItems, MorpheusOptionsFindTheirFolders) {
    // Morpheus installed with its setup's folder text ending in a backslash.
    TestFolder program = TestFolder::At(L"C:\\Program Files\\Morpheus");
    registry.String(HKEY_LOCAL_MACHINE, L"Software\\Morpheus", L"Install_Dir",
                    L"C:\\Program Files\\Morpheus\\");
    program.File(L"Morpheus.exe", 4000);
    program.File(L"Temp\\search_0001.tmp", 300);
    program.File(L"Temp\\chunks\\chunk.dat", 700);

    const std::wstring sharedPath = ProfileAboveAppData() + L"\\My Documents\\Morpheus Shared";
    TestFolder shared = TestFolder::At(sharedPath);
    shared.File(L"readme.txt", 10);
    shared.File(L"Downloads\\Song.mp3", 4096);
    shared.File(L"Downloads\\Partials\\Movie.avi.part", 2048);
    shared.File(L"Downloads\\Torrents\\linux.torrent", 512);
    shared.File(L"Morpheus Playlists\\Party.m3u", 100);
    shared.File(L"Podcasts\\Episode 12.mp3", 1024);

    TestFolder history = TestFolder::At(AppData() + L"\\Morpheus");
    history.File(L"recent.xml", 200);
    history.File(L"Cache\\thumb.jpg", 100);
    history.File(L"Logs\\morpheus.log", 100);

    TestFolder toolbar = TestFolder::At(SpecialFolderPath(CSIDL_PROGRAM_FILES) + L"\\Morpheus Toolbar");
    toolbar.File(L"Cache\\results.htm", 100);
    toolbar.File(L"toolbar.dll", 100);

    registry.String(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\SearchRecent", L"0", L"live concert");
    registry.String(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\BrowserRecent", L"0",
                    L"http://example.org/");
    registry.String(HKEY_CURRENT_USER, L"Software\\MorpheusToolbar\\Toolbar\\Historysearch", L"1", L"lyrics");

    EXPECT_EQ(Sorted({L"C:\\Program Files\\Morpheus\\Temp\\search_0001.tmp",
                      L"C:\\Program Files\\Morpheus\\Temp\\chunks\\chunk.dat"}),
              FoundBy(&Privacy_FISMorTempFolder))
        << "one backslash between the folder and Temp";
    EXPECT_EQ(
        Sorted({sharedPath + L"\\Downloads\\Song.mp3", sharedPath + L"\\Downloads\\Partials\\Movie.avi.part",
                sharedPath + L"\\Downloads\\Torrents\\linux.torrent"}),
        FoundBy(&Privacy_FISMorCompDownLoadFol));
    EXPECT_EQ(std::vector<std::wstring>{sharedPath + L"\\Downloads\\Partials\\Movie.avi.part"},
              FoundBy(&Privacy_FISMorParDownLoadFol));
    EXPECT_EQ(6u, FoundBy(&Privacy_FISMorSharedFolder).size()) << "the shared folder holds all the others";
    EXPECT_EQ(std::vector<std::wstring>{sharedPath + L"\\Morpheus Playlists\\Party.m3u"},
              FoundBy(&Privacy_FISMorPlayLists));
    EXPECT_EQ(std::vector<std::wstring>{sharedPath + L"\\Podcasts\\Episode 12.mp3"},
              FoundBy(&Privacy_FISMorPodcasts));
    EXPECT_EQ(std::vector<std::wstring>{sharedPath + L"\\Downloads\\Torrents\\linux.torrent"},
              FoundBy(&Privacy_FISMorTorrents));
    EXPECT_EQ((std::vector<std::wstring>{UserValue(L"Software\\Morpheus\\GUI\\SearchRecent", L"0"),
                                         UserValue(L"Software\\Morpheus\\GUI\\BrowserRecent", L"0")}),
              FoundInOrderBy(&Privacy_FISMorSearchInfor));
    EXPECT_EQ(
        std::vector<std::wstring>{UserValue(L"Software\\MorpheusToolbar\\Toolbar\\Historysearch", L"1")},
        FoundBy(&Privacy_FISMorTollBarSearHis));
    EXPECT_EQ(std::vector<std::wstring>{SpecialFolderPath(CSIDL_PROGRAM_FILES) +
                                        L"\\Morpheus Toolbar\\Cache\\results.htm"},
              FoundBy(&Privacy_FISMorToolCache));

    // Play history, cache and logs live in one folder; each of the four
    // options, scanned on its own, shows all of it.
    const auto historyFiles =
        Sorted({AppData() + L"\\Morpheus\\recent.xml", AppData() + L"\\Morpheus\\Cache\\thumb.jpg",
                AppData() + L"\\Morpheus\\Logs\\morpheus.log"});
    for (Item item : {&Privacy_FISMorRecPlaVideo, &Privacy_FISMorRecPlaAudio, &Privacy_FISMorCache,
                      &Privacy_FISMorLogs}) {
        EXPECT_EQ(historyFiles, FoundBy(item));
    }
}

TEST_F(FileSharingItems, MorpheusTempFolderNeedsAProperInstallationFolder) {
    // Whatever the current folder holds, a damaged setup entry never leads
    // the cleaner there.
    TestFolder current;
    current.File(L"Morpheus\\Temp\\private.tmp", 100);
    current.File(L"Temp\\private.tmp", 100);
    CurrentDirectory inside(current.Path().c_str());
    const std::wstring key = L"Software\\Morpheus";

    Privacy_FISMorTempFolder(0); // not installed
    registry.String(HKEY_LOCAL_MACHINE, key, L"Install_Dir", L"Morpheus");
    Privacy_FISMorTempFolder(0);
    registry.String(HKEY_LOCAL_MACHINE, key, L"Install_Dir", L"");
    Privacy_FISMorTempFolder(0);
    // Drive-relative: "C:Morpheus" is the current folder's Morpheus on C:.
    registry.String(HKEY_LOCAL_MACHINE, key, L"Install_Dir", current.Path().substr(0, 2) + L"Morpheus");
    Privacy_FISMorTempFolder(0);
    registry.Binary(HKEY_LOCAL_MACHINE, key, L"Install_Dir", "C:\\nimbrel-tests");
    Privacy_FISMorTempFolder(0);
    registry.String(HKEY_LOCAL_MACHINE, key, L"Install_Dir",
                    current.Path() + L"\\" + std::wstring(600, L'M'));
    Privacy_FISMorTempFolder(0);

    EXPECT_TRUE(recorder.found.empty());

    registry.ExpandString(HKEY_LOCAL_MACHINE, key, L"Install_Dir", current.Path() + L"\\Morpheus");
    EXPECT_EQ(std::vector<std::wstring>{current.Path() + L"\\Morpheus\\Temp\\private.tmp"},
              FoundBy(&Privacy_FISMorTempFolder));
}

TEST_F(FileSharingItems, KazaaAndBitTorrentFollowTheDocumentsFolderToAnotherDrive) {
    // Ann keeps her documents on the second drive (N: in the test machine).
    TestFolder drive(L"N:\\nimbrel-tests");
    const std::wstring documents = drive.Path(L"Users\\Ann\\My Documents");
    DocumentsFolderMoved moved(documents);
    ASSERT_EQ(documents, Documents());
    TestFolder kazaaShared = TestFolder::At(L"N:\\My Shared Folder");
    kazaaShared.File(L"Holiday.avi", 2048);
    TestFolder decoy = TestFolder::At(L"C:\\My Shared Folder");
    decoy.File(L"not Ann's.avi", 10);
    drive.File(L"Users\\Ann\\My Documents\\BitTorrent Downloads\\album\\01 intro.ogg", 1024);
    drive.File(L"Users\\Ann\\My Documents\\Downloads\\setup.exe", 512);
    drive.File(L"Users\\Ann\\My Documents\\letter.doc", 10);

    EXPECT_EQ(std::vector<std::wstring>{L"N:\\My Shared Folder\\Holiday.avi"},
              FoundBy(&Privacy_FISKazSharFolder));
    EXPECT_EQ(std::vector<std::wstring>{documents + L"\\BitTorrent Downloads\\album\\01 intro.ogg"},
              FoundBy(&Privacy_FISBTDownLoadFolder));
    EXPECT_EQ(std::vector<std::wstring>{documents + L"\\Downloads\\setup.exe"},
              FoundBy(&Privacy_FISUTDownLoadsFolder));
}

TEST_F(FileSharingItems, KazaaInstallationAndSettings) {
    TestFolder program = TestFolder::At(L"C:\\Program Files\\Kazaa");
    program.File(L"Kazaa.exe", 100);
    program.File(L"db\\data1024.dbb", 1024);
    program.File(L"db\\data256.dbb", 256);
    program.File(L"My Search Agents\\concerts.kpl", 50);
    const std::wstring kazaa = L"Software\\Kazaa";
    registry.String(HKEY_CURRENT_USER, kazaa + L"\\UserDetails", L"UserName", L"ann_k");
    registry.String(HKEY_CURRENT_USER, kazaa + L"\\Kazaa\\BrowserSettings", L"LastFile", L"C:\\song.mp3");
    registry.String(HKEY_CURRENT_USER, kazaa + L"\\LocalContent", L"DownloadDir", L"C:\\My Shared Folder");
    registry.String(HKEY_CURRENT_USER, kazaa + L"\\Search", L"History1", L"jazz");
    registry.Dword(HKEY_CURRENT_USER, kazaa + L"\\ResultsFilter", L"FilterBogus", 1);

    // Not registered with Windows: the program folder is unknown.
    EXPECT_TRUE(FoundBy(&Privacy_FISKazInfabtFilTransfer).empty());
    EXPECT_TRUE(FoundBy(&Privacy_FISKazSearchAgents).empty());

    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"Kazaa.exe", L"",
                    L"C:\\Program Files\\Kazaa\\Kazaa.exe");
    EXPECT_EQ(
        Sorted({L"C:\\Program Files\\Kazaa\\db\\data1024.dbb", L"C:\\Program Files\\Kazaa\\db\\data256.dbb"}),
        FoundBy(&Privacy_FISKazInfabtFilTransfer));
    EXPECT_EQ("1.250000", EngineRecorder::SizeText());
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Program Files\\Kazaa\\My Search Agents\\concerts.kpl"},
              FoundBy(&Privacy_FISKazSearchAgents));
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kazaa + L"\\UserDetails", L"UserName")},
              FoundBy(&Privacy_FISKazInfabtUserDetails));
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kazaa + L"\\Kazaa\\BrowserSettings", L"LastFile")},
              FoundBy(&Privacy_FISKazRecFileList));
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kazaa + L"\\LocalContent", L"DownloadDir")},
              FoundBy(&Privacy_FISKazPersonalFileOrg));
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kazaa + L"\\Search", L"History1")},
              FoundBy(&Privacy_FISKazSearchInformation));
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kazaa + L"\\ResultsFilter", L"FilterBogus")},
              FoundBy(&Privacy_FISKazFilters));
}

TEST_F(FileSharingItems, TorrentClientsInTheApplicationDataFolder) {
    TestFolder bitTorrent = TestFolder::At(AppData() + L"\\BitTorrent");
    bitTorrent.File(L"incomplete\\film.mkv", 4096);
    bitTorrent.File(L"data\\resume\\3f2a", 64);
    bitTorrent.File(L"data\\torrents\\film.torrent", 64);
    bitTorrent.File(L"data\\ui_state", 64);
    TestFolder uTorrent = TestFolder::At(AppData() + L"\\uTorrent");
    uTorrent.File(L"resume.dat", 100);
    uTorrent.File(L"film.torrent", 100);
    uTorrent.File(L"settings.dat", 100); // uTorrent's settings and their backup
    uTorrent.File(L"settings.dat.old", 100);
    TestFolder azureus = TestFolder::At(AppData() + L"\\Azureus");
    azureus.File(L"torrents\\a.torrent", 10);
    azureus.File(L"download torrents\\b.torrent", 10);
    azureus.File(L"dht\\contacts.dat", 10);
    azureus.File(L"downloads.config", 10);
    azureus.File(L"tracker.config.bak", 10);
    azureus.File(L"shares\\share.dat", 10);
    azureus.File(L"sharing.config", 10);
    azureus.File(L"logs\\debug_1.log", 10);
    azureus.File(L"azureus.config", 10);
    const std::wstring b = AppData() + L"\\BitTorrent", a = AppData() + L"\\Azureus";

    EXPECT_EQ(std::vector<std::wstring>{b + L"\\incomplete\\film.mkv"},
              FoundBy(&Privacy_FISBTIncompleteFolder));
    EXPECT_EQ((std::vector<std::wstring>{b + L"\\data\\resume\\3f2a", b + L"\\data\\torrents\\film.torrent"}),
              FoundInOrderBy(&Privacy_FISBTTorrents));
    EXPECT_TRUE(FoundBy(&Privacy_FISBTLogs).empty()) << "no log written yet";
    bitTorrent.File(L"bittorrent.log", 10);
    EXPECT_EQ(std::vector<std::wstring>{b + L"\\bittorrent.log"}, FoundBy(&Privacy_FISBTLogs));

    EXPECT_EQ(Sorted({AppData() + L"\\uTorrent\\resume.dat", AppData() + L"\\uTorrent\\film.torrent"}),
              FoundBy(&Privacy_FISUTTorandHisinFor));

    EXPECT_EQ(
        (std::vector<std::wstring>{a + L"\\torrents\\a.torrent", a + L"\\download torrents\\b.torrent"}),
        FoundInOrderBy(&Privacy_FISAzuTorrents));
    EXPECT_EQ((std::vector<std::wstring>{a + L"\\dht\\contacts.dat", a + L"\\downloads.config",
                                         a + L"\\tracker.config.bak"}),
              FoundInOrderBy(&Privacy_FISAzuDownLoadHis))
        << "the configuration files that exist, in order";
    EXPECT_EQ((std::vector<std::wstring>{a + L"\\shares\\share.dat", a + L"\\sharing.config"}),
              FoundInOrderBy(&Privacy_FISAzuShareFile));
    EXPECT_EQ(std::vector<std::wstring>{a + L"\\logs\\debug_1.log"}, FoundBy(&Privacy_FISAzuLogs));
}

TEST_F(FileSharingItems, LimeWireFoldersInTheProfile) {
    const std::wstring profile = ProfileAboveAppData();
    TestFolder shared = TestFolder::At(profile + L"\\Shared");
    shared.File(L"Track 1.mp3", 100);
    TestFolder incomplete = TestFolder::At(profile + L"\\Incomplete");
    incomplete.File(L"T-3000-Track 2.mp3", 100);
    TestFolder channels = TestFolder::At(profile + L"\\My Channels");
    channels.File(L"Bin\\channel.bin", 100);
    channels.File(L"channels.xml", 100);
    TestFolder settings = TestFolder::At(AppData() + L"\\LimeWire");
    settings.File(L"fileurns.cache", 100);
    settings.File(L"limewire.props", 100);

    EXPECT_EQ(std::vector<std::wstring>{profile + L"\\Shared\\Track 1.mp3"},
              FoundBy(&Privacy_FISLWSharedFolder));
    EXPECT_EQ(std::vector<std::wstring>{profile + L"\\Incomplete\\T-3000-Track 2.mp3"},
              FoundBy(&Privacy_FISLWIncompleteFolder));
    EXPECT_EQ(std::vector<std::wstring>{AppData() + L"\\LimeWire\\fileurns.cache"},
              FoundBy(&Privacy_FISLWInfabtSharFiles));
    EXPECT_EQ(std::vector<std::wstring>{profile + L"\\My Channels\\Bin\\channel.bin"},
              FoundBy(&Privacy_FISLWChannels));
}

// Windows 10 has "AppData" where XP has the profile: the clients' folders
// are found in the documents and in the profile, and LimeWire's plainly
// named profile folders only while LimeWire keeps its settings there.
TEST_F(FileSharingItems, OnAWindows10ProfileTheDocumentsAndProfileFoldersAreFound) {
    TestFolder morpheus = TestFolder::At(Documents() + L"\\Morpheus Shared");
    TestFolder bitTorrent = TestFolder::At(Documents() + L"\\BitTorrent Downloads");
    TestFolder shared = TestFolder::At(SpecialFolderPath(CSIDL_PROFILE) + L"\\Shared");
    TestFolder incomplete = TestFolder::At(SpecialFolderPath(CSIDL_PROFILE) + L"\\Incomplete");
    TestFolder channels = TestFolder::At(SpecialFolderPath(CSIDL_PROFILE) + L"\\My Channels");
    const std::wstring track = shared.File(L"Track 1.mp3", 100);
    const std::wstring song = morpheus.File(L"Downloads\\Song.mp3", 4096);
    const std::wstring partial = morpheus.File(L"Downloads\\Partials\\Movie.avi.part", 2048);
    const std::wstring torrent = morpheus.File(L"Downloads\\Torrents\\linux.torrent", 512);
    const struct {
        Item item;
        std::vector<std::wstring> found;
    } cases[] = {
        {&Privacy_FISMorCompDownLoadFol, Sorted({song, partial, torrent})},
        {&Privacy_FISMorParDownLoadFol, {partial}},
        {&Privacy_FISMorTorrents, {torrent}},
        {&Privacy_FISMorPlayLists, {morpheus.File(L"Morpheus Playlists\\Party.m3u", 100)}},
        {&Privacy_FISMorPodcasts, {morpheus.File(L"Podcasts\\Episode 12.mp3", 1024)}},
        {&Privacy_FISBTDownLoadFolder, {bitTorrent.File(L"album\\01 intro.ogg", 1024)}},
        {&Privacy_FISLWIncompleteFolder, {incomplete.File(L"T-3000-Track 2.mp3", 100)}},
        {&Privacy_FISLWChannels, {channels.File(L"Bin\\channel.bin", 100)}},
        {&Privacy_FISLWSharedFolder, {track}},
    };
    EXPECT_TRUE(FoundBy(&Privacy_FISLWSharedFolder).empty()) << "a folder named Shared, and no LimeWire";
    TestFolder settings = TestFolder::At(AppData() + L"\\LimeWire");
    settings.File(L"limewire.props", 100);
    for (const auto& c : cases) {
        EXPECT_EQ(c.found, FoundBy(c.item)) << c.found.front();
    }
    EXPECT_EQ(5u, FoundBy(&Privacy_FISMorSharedFolder).size()) << "the shared folder holds all five";
}

TEST_F(FileSharingItems, BitCometAndThePeerNetworkingCache) {
    TestFolder program = TestFolder::At(L"C:\\Program Files\\BitComet");
    program.File(L"BitComet.exe", 100);
    program.File(L"Downloads\\show.avi", 100);
    program.File(L"torrents\\show.torrent", 100);
    EXPECT_TRUE(FoundBy(&Privacy_FISBCDownLoadsFolder).empty()) << "not registered with Windows";

    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"BitComet.exe", L"",
                    L"C:\\Program Files\\BitComet\\BitComet.exe");
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Program Files\\BitComet\\Downloads\\show.avi"},
              FoundBy(&Privacy_FISBCDownLoadsFolder));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Program Files\\BitComet\\torrents\\show.torrent"},
              FoundBy(&Privacy_FISBCTorrents));
    EXPECT_TRUE(FoundBy(&Privacy_FISBCDownLoadHis).empty());
    program.File(L"Downloads.xml", 100);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\Program Files\\BitComet\\Downloads.xml"},
              FoundBy(&Privacy_FISBCDownLoadHis));

    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring cache = std::wstring(windows) + L"\\system32\\P2P Networking\\Cache";
    TestFolder peer = TestFolder::At(std::wstring(windows) + L"\\system32\\P2P Networking");
    peer.File(L"Cache\\idcache.dat", 100);
    peer.File(L"Cache\\Database\\graph.edb", 100);
    EXPECT_EQ(Sorted({cache + L"\\idcache.dat", cache + L"\\Database\\graph.edb"}),
              FoundBy(&Privacy_FISSRCacheDir));
    EXPECT_EQ(std::vector<std::wstring>{cache + L"\\Database\\graph.edb"},
              FoundBy(&Privacy_FISSRDatabaseDir));
}

TEST_F(FileSharingItems, StopPressedDuringAWalkEndsIt) {
    TestFolder history = TestFolder::At(AppData() + L"\\Morpheus");
    history.File(L"a.dat", 10);
    history.File(L"b.dat", 10);
    history.File(L"c.dat", 10);
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_FISMorCache(0);
    EXPECT_EQ(1u, recorder.found.size());
}

TEST(FileSharingItemsDll, ExportsEveryFileSharingItemAndTheSharedMorpheusBody) {
    const std::vector<const char*> names = {"Privacy_FISMorTempFolder",
                                            "Privacy_FISMorCompDownLoadFol",
                                            "Privacy_FISMorParDownLoadFol",
                                            "Privacy_FISMorSharedFolder",
                                            "Privacy_FISMorSearchInfor",
                                            "Privacy_FISMorPlayLists",
                                            "Privacy_FISMorPodcasts",
                                            "Privacy_FISMorTorrents",
                                            "Privacy_FISMorRecPlaVideo",
                                            "Privacy_FISMorRecPlaAudio",
                                            "Privacy_FISMorTollBarSearHis",
                                            "Privacy_FISMorToolCache",
                                            "Privacy_FISMorCache",
                                            "Privacy_FISMorLogs",
                                            "Privacy_FISKazSharFolder",
                                            "Privacy_FISKazInfabtFilTransfer",
                                            "Privacy_FISKazInfabtUserDetails",
                                            "Privacy_FISKazRecFileList",
                                            "Privacy_FISKazPersonalFileOrg",
                                            "Privacy_FISKazSearchInformation",
                                            "Privacy_FISKazSearchAgents",
                                            "Privacy_FISKazFilters",
                                            "Privacy_FISBTDownLoadFolder",
                                            "Privacy_FISBTIncompleteFolder",
                                            "Privacy_FISBTTorrents",
                                            "Privacy_FISBTLogs",
                                            "Privacy_FISUTTorandHisinFor",
                                            "Privacy_FISUTDownLoadsFolder",
                                            "Privacy_FISAzuTorrents",
                                            "Privacy_FISAzuDownLoadHis",
                                            "Privacy_FISAzuShareFile",
                                            "Privacy_FISAzuLogs",
                                            "Privacy_FISLWSharedFolder",
                                            "Privacy_FISLWIncompleteFolder",
                                            "Privacy_FISLWInfabtSharFiles",
                                            "Privacy_FISLWChannels",
                                            "Privacy_FISBCDownLoadsFolder",
                                            "Privacy_FISBCTorrents",
                                            "Privacy_FISBCDownLoadHis",
                                            "Privacy_FISSRCacheDir",
                                            "Privacy_FISSRDatabaseDir"};
    ASSERT_EQ(41u, names.size());
    std::set<FARPROC> bodies;
    for (const char* name : names) {
        const FARPROC body = ScrubcoreExport(name);
        EXPECT_NE(nullptr, body) << name;
        bodies.insert(body);
    }
    EXPECT_EQ(38u, bodies.size()) << "four Morpheus options share one body";
    const FARPROC morpheusHistory = ScrubcoreExport("Privacy_FISMorRecPlaVideo");
    for (const char* alias : {"Privacy_FISMorRecPlaAudio", "Privacy_FISMorCache", "Privacy_FISMorLogs"}) {
        EXPECT_EQ(morpheusHistory, ScrubcoreExport(alias)) << alias;
    }
    size_t fileSharing = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        fileSharing += name.rfind("Privacy_FIS", 0) == 0;
    }
    EXPECT_EQ(41u, fileSharing);

    // Stopped and in delete mode, no item touches the traces it knows.
    TestFolder history = TestFolder::At(AppData() + L"\\Morpheus");
    const std::wstring kept = history.File(L"recent.xml", 100);
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Kazaa\\Search", L"History1", L"jazz");
    const DllItemCalls calls = CallStoppedItems(names);
    EXPECT_TRUE(calls.allReturnedOne);
    EXPECT_TRUE(calls.found.empty());
    EXPECT_EQ(0, calls.pumps);
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, L"Software\\Kazaa\\Search", L"History1"));
}
TEST_F(FileSharingItems, CleaningATraceThatTwoOptionsReachCountsItsSizeOnce) {
    const std::wstring sharedPath = ProfileAboveAppData() + L"\\My Documents\\Morpheus Shared";
    TestFolder shared = TestFolder::At(sharedPath);
    const std::wstring torrent = shared.File(L"Downloads\\Torrents\\linux.torrent", 2048);
    registry.String(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\SearchRecent", L"0", L"live concert");

    // "Shared Folder" and "Torrents" both reach the torrent. A host may still
    // hand a trace over twice; its size counts once all the same.
    Privacy_FISMorSharedFolder(0);
    Privacy_FISMorTorrents(0);
    Privacy_FISMorSearchInfor(0);
    EXPECT_EQ(
        (std::vector<std::wstring>{torrent, L"HKEY_CURRENT_USER||Software\\Morpheus\\GUI\\SearchRecent=0"}),
        recorder.found)
        << "one scan shows a trace once, under the first option that reaches it";
    EXPECT_EQ("2.000000", EngineRecorder::SizeText());
    std::vector<std::wstring> chosen = recorder.found;
    chosen.push_back(torrent);
    chosen.push_back(L"HKEY_CURRENT_USER||Software\\Morpheus\\GUI\\SearchRecent=0");

    Privacy_ClearFilesSize();
    for (const std::wstring& text : chosen) {
        EXPECT_EQ(1, Privacy_CleanSelitems(text.c_str()));
    }
    EXPECT_EQ("2.000000", EngineRecorder::SizeText()) << "a file already gone adds nothing";
    EXPECT_FALSE(FileExists(torrent));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\SearchRecent", L"0"));
}
