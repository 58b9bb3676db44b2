// Sample traces of a file-sharing user: Morpheus, Kazaa, BitTorrent,
// uTorrent, Azureus, LimeWire and BitComet downloads, torrents and searches.
#include "Demo.h"

#include <shlobj.h>

namespace {

std::wstring Before(const std::wstring& path, wchar_t which) {
    const auto pos = which == L'F' ? path.find(L'\\') : path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}

void SeedFileSharing() {
    using namespace demo;
    const std::wstring appData = SpecialFolder(CSIDL_APPDATA);
    const std::wstring documents = SpecialFolder(CSIDL_PERSONAL);
    const std::wstring programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    // The clients find the profile as the folder above the application data,
    // and BitTorrent puts its "My Documents" beside the documents folder.
    const std::wstring profile = Before(appData, L'L');
    const std::wstring appPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

    SeedString(HKEY_LOCAL_MACHINE, L"Software\\Morpheus", L"Install_Dir", programFiles + L"\\Morpheus");
    SeedFile(programFiles + L"\\Morpheus\\Temp\\search_0001.tmp", 300);
    SeedFile(profile + L"\\My Documents\\Morpheus Shared\\Downloads\\Song.mp3", 40960);
    SeedFile(profile + L"\\My Documents\\Morpheus Shared\\Downloads\\Partials\\Movie.avi.part", 8192);
    SeedFile(appData + L"\\Morpheus\\recent.xml", 200);
    SeedString(HKEY_CURRENT_USER, L"Software\\Morpheus\\GUI\\SearchRecent", L"0", L"live concert");

    SeedString(HKEY_LOCAL_MACHINE, appPaths + L"Kazaa.exe", L"", programFiles + L"\\Kazaa\\Kazaa.exe");
    SeedFile(programFiles + L"\\Kazaa\\db\\data1024.dbb", 1024);
    SeedFile(Before(documents, L'F') + L"\\My Shared Folder\\Holiday.avi", 20480);
    SeedString(HKEY_CURRENT_USER, L"Software\\Kazaa\\Search", L"History1", L"jazz");

    SeedFile(Before(documents, L'L') + L"\\My Documents\\BitTorrent Downloads\\album\\01 intro.ogg", 4096);
    SeedFile(appData + L"\\BitTorrent\\data\\torrents\\album.torrent", 512);
    SeedFile(appData + L"\\BitTorrent\\bittorrent.log", 256);
    SeedFile(appData + L"\\uTorrent\\resume.dat", 700);
    SeedFile(appData + L"\\Azureus\\downloads.config", 900);
    SeedFile(appData + L"\\Azureus\\logs\\debug_1.log", 300);
    SeedFile(profile + L"\\Shared\\Track 1.mp3", 5000);
    SeedFile(appData + L"\\LimeWire\\fileurns.cache", 800);

    SeedString(HKEY_LOCAL_MACHINE, appPaths + L"BitComet.exe", L"",
               programFiles + L"\\BitComet\\BitComet.exe");
    SeedFile(programFiles + L"\\BitComet\\Downloads.xml", 600);
    SeedFile(programFiles + L"\\BitComet\\torrents\\show.torrent", 400);
}

} // namespace

DEMO_CATEGORY(fileSharingCategory,
              {5,
               L"File sharing",
               &SeedFileSharing,
               {
                   {"Privacy_FISMorTempFolder", L"Morpheus Temp Folder"},
                   {"Privacy_FISMorCompDownLoadFol", L"Morpheus Completed Downloads Folder"},
                   {"Privacy_FISMorParDownLoadFol", L"Morpheus Partial Downloads Folder"},
                   {"Privacy_FISMorSharedFolder", L"Morpheus Shared Folder"},
                   {"Privacy_FISMorSearchInfor", L"Morpheus Search Information"},
                   {"Privacy_FISMorPlayLists", L"Morpheus Play Lists"},
                   {"Privacy_FISMorPodcasts", L"Morpheus Podcasts"},
                   {"Privacy_FISMorTorrents", L"Morpheus Torrents"},
                   {"Privacy_FISMorRecPlaVideo", L"Morpheus Recently Played Video"},
                   {"Privacy_FISMorRecPlaAudio", L"Morpheus Recently Played Audio"},
                   {"Privacy_FISMorTollBarSearHis", L"Morpheus Search History"},
                   {"Privacy_FISMorToolCache", L"Morpheus Tool Cache"},
                   {"Privacy_FISMorCache", L"Morpheus Cache"},
                   {"Privacy_FISMorLogs", L"Morpheus Logs"},
                   {"Privacy_FISKazSharFolder", L"Kazaa Shared Folder"},
                   {"Privacy_FISKazInfabtFilTransfer", L"Kazaa File Transfers Information"},
                   {"Privacy_FISKazInfabtUserDetails", L"Kazaa User Details Information"},
                   {"Privacy_FISKazRecFileList", L"Kazaa Recently Opened Files List"},
                   {"Privacy_FISKazPersonalFileOrg", L"Kazaa Personal File Organizer"},
                   {"Privacy_FISKazSearchInformation", L"Kazaa Search Information"},
                   {"Privacy_FISKazSearchAgents", L"Kazaa Search Agents"},
                   {"Privacy_FISKazFilters", L"Kazaa Filters"},
                   {"Privacy_FISBTDownLoadFolder", L"Bit Torrent Downloads Folder"},
                   {"Privacy_FISBTIncompleteFolder", L"Bit Torrent Incomplete Folder"},
                   {"Privacy_FISBTTorrents", L"Bit Torrent Torrents"},
                   {"Privacy_FISBTLogs", L"Bit Torrent Logs"},
                   {"Privacy_FISUTTorandHisinFor", L"uTorrent Torrents History"},
                   {"Privacy_FISUTDownLoadsFolder", L"uTorrent Downloads Folder"},
                   {"Privacy_FISAzuTorrents", L"Azureus Torrents"},
                   {"Privacy_FISAzuDownLoadHis", L"Azureus Downloads History"},
                   {"Privacy_FISAzuShareFile", L"Azureus Shared File"},
                   {"Privacy_FISAzuLogs", L"Azureus Logs"},
                   {"Privacy_FISLWSharedFolder", L"Limewire Shared Folder"},
                   {"Privacy_FISLWIncompleteFolder", L"Limewire Incomplete Folder"},
                   {"Privacy_FISLWInfabtSharFiles", L"Limewire Shared File Information"},
                   {"Privacy_FISLWChannels", L"Limewire Channels"},
                   {"Privacy_FISBCDownLoadsFolder", L"Bit Comet Downloads Folder"},
                   {"Privacy_FISBCTorrents", L"Bit Comet Torrents"},
                   {"Privacy_FISBCDownLoadHis", L"Bit Comet Downloads History"},
                   {"Privacy_FISSRCacheDir", L"Bit Comet Cache Folder"},
                   {"Privacy_FISSRDatabaseDir", L"Bit Comet Database Folder"},
               }});
