// Multimedia: a user who browses photos with ACDSee and plays music and
// videos with several players.
#include "Demo.h"

#include <shlobj.h>

namespace {

using namespace demo;

void SeedAcdSee(const std::wstring& key) {
    SeedString(HKEY_CURRENT_USER, key, L"HistPaths", L"C:\\Photos\\2006|C:\\Photos\\Holiday");
    SeedString(HKEY_CURRENT_USER, key, L"HistMCFDestFolder", L"D:\\Backup\\Photos");
    SeedString(HKEY_CURRENT_USER, key, L"OpenFolder", L"C:\\Photos\\Holiday");
    SeedString(HKEY_CURRENT_USER, key, L"HistSearchFileName", L"IMG_*.jpg");
    SeedString(HKEY_CURRENT_USER, key, L"SimpleSearchHistory", L"beach|sunset");
}

void Seed() {
    const std::wstring appData = SpecialFolder(CSIDL_APPDATA);
    const std::wstring localAppData = SpecialFolder(CSIDL_LOCAL_APPDATA);
    const std::wstring commonAppData = SpecialFolder(CSIDL_COMMON_APPDATA);
    const std::wstring documents = SpecialFolder(CSIDL_PERSONAL);

    SeedAcdSee(L"Software\\ACD Systems\\ACDSee");
    SeedAcdSee(L"Software\\ACD Systems\\ACDSee\\50");
    SeedAcdSee(L"Software\\ACD Systems\\ACDSee\\90");
    SeedAcdSee(L"Software\\ACD Systems\\ACDSee\\80Pro");
    SeedFile(appData + L"\\ACD Systems\\ACDSee\\ImageDB.ddf", 24576);
    SeedFile(appData + L"\\ACD Systems\\ImageDB\\ImageDB.ddf", 32768);
    SeedFile(localAppData + L"\\ACD Systems\\Catalogs\\90\\Default\\Default.ddf", 65536);
    SeedFile(localAppData + L"\\ACD Systems\\Catalogs\\80Pro\\Default\\Default.ddf", 40960);
    SeedFile(localAppData + L"\\ACD Systems\\RIPCache\\80Pro\\DSC_0042.NEF.cache", 180000);
    SeedString(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDScreenCapture", L"SCLastFolder",
               documents + L"\\Screenshots");

    const std::wstring player = L"Software\\Microsoft\\MediaPlayer\\Player";
    SeedString(HKEY_CURRENT_USER, player + L"\\RecentFileList", L"File0", L"C:\\Music\\track01.wma");
    SeedString(HKEY_CURRENT_USER, player + L"\\RecentFileList", L"File1", L"C:\\Videos\\party.wmv");
    SeedString(HKEY_CURRENT_USER, player + L"\\RecentURLList", L"URL0", L"mms://radio.example.com/live");
    SeedFile(commonAppData + L"\\Microsoft\\Media Index\\wmplibrary_v_0_12.db", 131072);

    const std::wstring winamp = SpecialFolder(CSIDL_PROGRAM_FILES) + L"\\Winamp";
    SeedString(HKEY_CURRENT_USER, L"Software\\Winamp", L"", winamp);
    SeedFile(winamp + L"\\winamp.ini", 3000);
    SeedFile(winamp + L"\\Winamp.m3u", 420);
    SeedFile(winamp + L"\\Winamp.m3u8", 460);
    SeedFile(winamp + L"\\Winamp.bm", 96);
    SeedFile(winamp + L"\\Plugins\\ml\\main.dat", 8192);
    SeedFile(winamp + L"\\Plugins\\ml\\main.idx", 1024);
    SeedFile(winamp + L"\\Plugins\\ml\\views\\view_1.vdt", 256);
    SeedFile(winamp + L"\\Plugins\\gen_ml.ini", 600);

    SeedFile(appData + L"\\vlc\\cache\\plugins-04041e4a.dat", 90000);
    // VLC 3: its settings, of which only the recent list is a trace, the
    // pictures it fetched and the media library.
    SeedFile(appData + L"\\vlc\\vlcrc", 180000);
    SeedText(appData + L"\\vlc\\vlc-qt-interface.ini",
             "[General]\r\nfilters-config=@ByteArray()\r\n\r\n[MainWindow]\r\nplaylist-visible=true\r\n\r\n"
             "[RecentsMRU]\r\nlist=file:///C:/Users/jsmith/Videos/wedding.mp4, "
             "file:///C:/Users/jsmith/Music/demo.mp3\r\n"
             "times=0, 131000\r\n");
    SeedFile(appData + L"\\vlc\\art\\artistalbum\\The Band\\Live\\art.jpg", 45000);
    SeedFile(appData + L"\\vlc\\ml.xspf", 2400);
    const std::wstring mediaPlayer = SpecialFolder(CSIDL_LOCAL_APPDATA) + L"\\Microsoft\\Media Player";
    SeedFile(mediaPlayer + L"\\CurrentDatabase_400.wmdb", 1048576);
    SeedFile(mediaPlayer + L"\\Art Cache\\LocalMLS\\{5B2E7A90}.jpg", 12000);

    const std::wstring real = L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";
    SeedString(HKEY_CURRENT_USER, real + L"LastOpenFileDir", L"", L"C:\\Videos");
    SeedString(HKEY_CURRENT_USER, real + L"MostRecentClips1", L"", L"file://C:\\Videos\\concert.rm");
    SeedString(HKEY_CURRENT_USER, real + L"HistoryList", L"Item0", L"http://news.example.com/clip.ram");
    SeedFile(appData + L"\\Real\\RealPlayer\\History\\history.rpl", 2048);
    SeedFile(appData + L"\\Real\\RealPlayer\\cookies.txt", 512);

    SeedString(HKEY_CURRENT_USER, L"Software\\Apple Computer, Inc.\\QuickTime\\Recent Movies", L"Movie1",
               L"C:\\Videos\\keynote.mov");
    SeedFile(commonAppData + L"\\QuickTime\\QTPlayerSession.xml", 900);
    const std::wstring quickTime = SpecialFolder(CSIDL_PROGRAM_FILES) + L"\\QuickTime";
    SeedFile(quickTime + L"\\QuickTimePlayer.exe", 4096);
    SeedString(HKEY_LOCAL_MACHINE,
               L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\QuickTimePlayer.exe", L"",
               quickTime + L"\\QuickTimePlayer.exe");
    SeedFile(appData + L"\\Apple Computer\\QuickTime\\QuickTime.qtp", 1500);

    SeedString(HKEY_CURRENT_USER, L"Software\\DivXNetworks\\DivX Player\\RecentFiles", L"File1",
               L"C:\\Videos\\trailer.divx");
    SeedFile(documents + L"\\My Videos\\DivX Movies\\trailer.divx", 250000);
}

} // namespace

DEMO_CATEGORY(multimedia,
              {4,
               L"Multimedia",
               &Seed,
               {
                   {"Privacy_MULACD3ImageDatabase", L"ACDSee 3 Image Database"},
                   {"Privacy_MULACD3PathHis", L"ACDSee 3 Path History"},
                   {"Privacy_MULACD3CopyandMovDest", L"ACDSee 3 Copy And Move"},
                   {"Privacy_MULACD3LastOpenFoldinView", L"ACDSee 3 Last Opened Folder"},
                   {"Privacy_MULACD3SearchHis", L"ACDSee 3 Search History"},
                   {"Privacy_MULACD5ImageDatabase", L"ACDSee 5 Image Database"},
                   {"Privacy_MULACD5PathHis", L"ACDSee 5 Path History"},
                   {"Privacy_MULACD5CopyandMovDest", L"ACDSee 5 Copy And Move"},
                   {"Privacy_MULACD5LastOpenFoldinView", L"ACDSee 5 Last Opened Folder"},
                   {"Privacy_MULACD5SearchHis", L"ACDSee 5 Search History"},
                   {"Privacy_MULACD6ImageDatabase", L"ACDSee 6 Image Database"},
                   {"Privacy_MULACD6PathHis", L"ACDSee 6 Path History"},
                   {"Privacy_MULACD6CopyandMovDest", L"ACDSee 6 Copy And Move"},
                   {"Privacy_MULACD6LastOpenFoldinView", L"ACDSee 6 Last Opened Folder"},
                   {"Privacy_MULACD6SearchHis", L"ACDSee 6 Search History"},
                   {"Privacy_MULACD7ImageDatabase", L"ACDSee 7 Image Database"},
                   {"Privacy_MULACD7SearchSimpleHis", L"ACDSee 7 Simple Search History"},
                   {"Privacy_MULACD7PathHis", L"ACDSee 7 Path History"},
                   {"Privacy_MULACD7CopyandMovDest", L"ACDSee 7 Copy And Move"},
                   {"Privacy_MULACD7LastOpenFoldinView", L"ACDSee 7 Last Opened Folder"},
                   {"Privacy_MULACD7SearchHis", L"ACDSee 7 Search History"},
                   {"Privacy_MULACD8ImageDatabase", L"ACDSee 8 Image Database"},
                   {"Privacy_MULACD8SearchSimpleHis", L"ACDSee 8 Simple Search History"},
                   {"Privacy_MULACD8PathHis", L"ACDSee 8 Path History"},
                   {"Privacy_MULACD8CopyandMovDest", L"ACDSee 8 Copy And Move"},
                   {"Privacy_MULACD8LastOpenFoldinView", L"ACDSee 8 Last Opened Folder"},
                   {"Privacy_MULACD8SearchHis", L"ACDSee 8 Search History"},
                   {"Privacy_MULACD9ImageDatabase", L"ACDSee 9 Image Database"},
                   {"Privacy_MULACD9SearchSimpleHis", L"ACDSee 9 Simple Search History"},
                   {"Privacy_MULACD9PathHis", L"ACDSee 9 Path History"},
                   {"Privacy_MULACD9CopyandMovDest", L"ACDSee 9 Copy And Move"},
                   {"Privacy_MULACD9LastOpenFoldinView", L"ACDSee 9 Last Opened Folder"},
                   {"Privacy_MULACD9SearchHis", L"ACDSee 9 Search History"},
                   {"Privacy_MULACDProImageDatabase", L"ACDSee Pro Image Database"},
                   {"Privacy_MULACDProRawImagPrevCache", L"ACDSee Pro Image Cache"},
                   {"Privacy_MULACDProSearchSimpleHis", L"ACDSee Pro Simple Search History"},
                   {"Privacy_MULACDProPathHis", L"ACDSee Pro Path History"},
                   {"Privacy_MULACDProCopyandMovDest", L"ACDSee Pro Copy And Move"},
                   {"Privacy_MULACDProLastOpenFoldinView", L"ACDSee Pro Last Opened Folder"},
                   {"Privacy_MULACDProSearchHis", L"ACDSee Pro Search History"},
                   {"Privacy_MULWMPRecOpenFileList", L"Windows Media Player Recently Opened Files List"},
                   {"Privacy_MULWMPRecOpenURLList", L"Windows Media Player Recently Opened URL List"},
                   {"Privacy_MULWMPCache", L"Windows Media Player Cache"},
                   {"Privacy_MULWMPLibrary", L"Windows Media Player Library Database"},
                   {"Privacy_MULWAPRecOpenFileList", L"Winamp Recently Opened Files List"},
                   {"Privacy_MULWAPBookMarks", L"Winamp Bookmarks"},
                   {"Privacy_MULWAPMediaLibViewPla", L"Winamp Media Lib Views"},
                   {"Privacy_MULACDSRFavorites", L"ACDSee Shared Resources Favorites"},
                   {"Privacy_MULACDSRScrCapLasSavFol", L"ACDSee Shared Resources Last Saved Folder"},
                   {"Privacy_MULVLCCache", L"VLC Media Player Cache"},
                   {"Privacy_MULVLCRecentFiles", L"VLC Media Player Recently Opened Files List"},
                   {"Privacy_MULVLCMediaLibrary", L"VLC Media Player Media Library"},
                   {"Privacy_MULRealPlayerHis", L"Real Player History"},
                   {"Privacy_MULQTRecOpenFileList", L"Quick Time Player Recently Opened Files List"},
                   {"Privacy_MULQTRecURLList", L"Quick Time Player Recently Opened URL List"},
                   {"Privacy_MULQTFavorites", L"Quick Time Player Favorites"},
                   {"Privacy_MULDivxRecOpenFileList", L"DivX Player Recently Opened Files List"},
                   {"Privacy_MULDivxMoviesFolder", L"DivX Player Movies Folder"},
               }});
