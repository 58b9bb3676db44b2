// Multimedia: image viewers (ACDSee 3 to 9 and Pro) and media players.
#include "scrubcore/MultimediaItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "discovery/Discovery.h"
#include "files/FilePrimitives.h"
#include "registry/RegistryPrimitives.h"
#include "registry/RegistryText.h"

#include <cstdio>
#include <vector>

namespace scrub {
namespace {

// Each ACDSee version keeps its histories as values of its own key.
constexpr wchar_t kAcd3[] = L"Software\\ACD Systems\\ACDSee";
constexpr wchar_t kAcd5[] = L"Software\\ACD Systems\\ACDSee\\50";
constexpr wchar_t kAcd6[] = L"Software\\ACD Systems\\ACDSee\\60";
constexpr wchar_t kAcd7[] = L"Software\\ACD Systems\\ACDSee\\70";
constexpr wchar_t kAcd8[] = L"Software\\ACD Systems\\ACDSee\\80";
constexpr wchar_t kAcd9[] = L"Software\\ACD Systems\\ACDSee\\90";
constexpr wchar_t kAcdPro[] = L"Software\\ACD Systems\\ACDSee\\80Pro";

Target AcdValue(const wchar_t* key, const wchar_t* value) {
    return NamedValue(HKEY_CURRENT_USER, key, value);
}

// [Winamp]: the folder Winamp records as the default value of its key (none
// when that is no absolute folder).
std::wstring WinampFolder() {
    return InstallationRoot(ReadRegistryText(HKEY_CURRENT_USER, L"Software\\Winamp", L""));
}

// QuickTime keeps its favourites with the user's settings in [AppData]; the
// program folder holds no such folder. Looked at only while QuickTime is
// installed.
std::wstring QuickTimeUserFolder() {
    if (AppPathsFolder(L"QuickTimePlayer.exe").empty()) {
        return {};
    }
    return AppDataFolder();
}

} // namespace
} // namespace scrub

using namespace scrub;

// ACDSee 3
SCRUB_ITEM(Privacy_MULACD3ImageDatabase, FolderAt(&AppDataFolder, L"\\ACD Systems\\ACDSee"));
SCRUB_ITEM(Privacy_MULACD3PathHis, AcdValue(kAcd3, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD3CopyandMovDest, AcdValue(kAcd3, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD3LastOpenFoldinView, AcdValue(kAcd3, L"OpenFolder"));
SCRUB_ITEM(Privacy_MULACD3SearchHis, AcdValue(kAcd3, L"HistPaths"), AcdValue(kAcd3, L"HistSearchFileName"),
           AcdValue(kAcd3, L"HistSearchQuickText"), AcdValue(kAcd3, L"HistFindScope"),
           AcdValue(kAcd3, L"HistMCFDestFolder"), AcdValue(kAcd3, L"HistSearchAuthor"));

// ACDSee 5 and 6 share one image database folder.
SCRUB_ITEM(Privacy_MULACD6ImageDatabase, FolderAt(&AppDataFolder, L"\\ACD Systems\\ImageDB"));
SCRUB_ITEM_ALIAS(Privacy_MULACD5ImageDatabase, Privacy_MULACD6ImageDatabase);

// ACDSee 5
SCRUB_ITEM(Privacy_MULACD5PathHis, AcdValue(kAcd5, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD5CopyandMovDest, AcdValue(kAcd5, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD5LastOpenFoldinView, AcdValue(kAcd5, L"OpenFolder"));
SCRUB_ITEM_ALIAS(Privacy_MULACD5SearchHis, Privacy_MULACD5PathHis);

// ACDSee 6
SCRUB_ITEM(Privacy_MULACD6PathHis, AcdValue(kAcd6, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD6CopyandMovDest, AcdValue(kAcd6, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD6LastOpenFoldinView, AcdValue(kAcd6, L"OpenFolder"));
SCRUB_ITEM_ALIAS(Privacy_MULACD6SearchHis, Privacy_MULACD6PathHis);

// ACDSee 7
SCRUB_ITEM(Privacy_MULACD7ImageDatabase,
           FolderAt(&LocalAppDataFolder, L"\\ACD Systems\\Catalogs\\70\\Default"));
SCRUB_ITEM(Privacy_MULACD7SearchSimpleHis, AcdValue(kAcd7, L"SimpleSearchHistory"));
SCRUB_ITEM(Privacy_MULACD7PathHis, AcdValue(kAcd7, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD7CopyandMovDest, AcdValue(kAcd7, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD7LastOpenFoldinView, AcdValue(kAcd7, L"OpenFolder"));
SCRUB_ITEM(Privacy_MULACD7SearchHis, AcdValue(kAcd7, L"HistMCFDestFolder"), AcdValue(kAcd7, L"HistPaths"));

// ACDSee 8 (its catalogue is numbered 81)
SCRUB_ITEM(Privacy_MULACD8ImageDatabase,
           FolderAt(&LocalAppDataFolder, L"\\ACD Systems\\Catalogs\\81\\Default"));
SCRUB_ITEM(Privacy_MULACD8SearchSimpleHis, AcdValue(kAcd8, L"SimpleSearchHistory"));
SCRUB_ITEM(Privacy_MULACD8PathHis, AcdValue(kAcd8, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD8CopyandMovDest, AcdValue(kAcd8, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD8LastOpenFoldinView, AcdValue(kAcd8, L"OpenFolder"));
SCRUB_ITEM(Privacy_MULACD8SearchHis, AcdValue(kAcd8, L"HistMCFDestFolder"), AcdValue(kAcd8, L"HistPaths"));

// ACDSee 9
SCRUB_ITEM(Privacy_MULACD9ImageDatabase,
           FolderAt(&LocalAppDataFolder, L"\\ACD Systems\\Catalogs\\90\\Default"));
SCRUB_ITEM(Privacy_MULACD9SearchSimpleHis, AcdValue(kAcd9, L"SimpleSearchHistory"));
SCRUB_ITEM(Privacy_MULACD9PathHis, AcdValue(kAcd9, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACD9CopyandMovDest, AcdValue(kAcd9, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACD9LastOpenFoldinView, AcdValue(kAcd9, L"OpenFolder"));
SCRUB_ITEM(Privacy_MULACD9SearchHis, AcdValue(kAcd9, L"HistMCFDestFolder"), AcdValue(kAcd9, L"HistPaths"));

// ACDSee Pro
SCRUB_ITEM(Privacy_MULACDProImageDatabase,
           FolderAt(&LocalAppDataFolder, L"\\ACD Systems\\Catalogs\\80Pro\\Default"));
SCRUB_ITEM(Privacy_MULACDProRawImagPrevCache,
           FolderAt(&LocalAppDataFolder, L"\\ACD Systems\\RIPCache\\80Pro"));
SCRUB_ITEM(Privacy_MULACDProSearchSimpleHis, AcdValue(kAcdPro, L"SimpleSearchHistory"));
SCRUB_ITEM(Privacy_MULACDProPathHis, AcdValue(kAcdPro, L"HistPaths"));
SCRUB_ITEM(Privacy_MULACDProCopyandMovDest, AcdValue(kAcdPro, L"HistMCFDestFolder"));
SCRUB_ITEM(Privacy_MULACDProLastOpenFoldinView, AcdValue(kAcdPro, L"OpenFolder"));
SCRUB_ITEM(Privacy_MULACDProSearchHis, AcdValue(kAcdPro, L"HistPaths"),
           AcdValue(kAcdPro, L"HistMCFDestFolder"));

// Windows Media Player
SCRUB_ITEM(Privacy_MULWMPRecOpenFileList,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList"));
SCRUB_ITEM(Privacy_MULWMPRecOpenURLList,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"));
// The pictures of albums and the converted copies Windows Media Player 12
// keeps for the user, beside its library database, which holds the user's
// ratings and play counts and has an item of its own, off by default.
SCRUB_ITEM(Privacy_MULWMPCache, FolderAt(&CommonAppDataFolder, L"\\Microsoft\\Media Index"),
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Media Player\\Art Cache"),
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Media Player\\Transcoded Files Cache"));
SCRUB_ITEM(Privacy_MULWMPLibrary, FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Media Player", L"*.wmdb"));

// Winamp keeps its playlists, bookmarks and media library in its own folder.
SCRUB_ITEM(Privacy_MULWAPRecOpenFileList, FileAt(&WinampFolder, L"\\Winamp.m3u"),
           FileAt(&WinampFolder, L"\\Winamp.m3u8"));
SCRUB_ITEM(Privacy_MULWAPBookMarks, FileAt(&WinampFolder, L"\\Winamp.bm"));
// The media library's folder also holds the library database and the
// user's playlists: only its views go.
SCRUB_ITEM(Privacy_MULWAPMediaLibViewPla, FolderAt(&WinampFolder, L"\\Plugins\\ml\\views"),
           FileAt(&WinampFolder, L"\\Plugins\\gen_ml.ini"));

// ACDSee Shared Resources ("Favorites" is the do-nothing body of the Windows items)
SCRUB_ITEM(Privacy_MULACDSRScrCapLasSavFol,
           NamedValue(HKEY_CURRENT_USER, L"Software\\ACD Systems\\ACDScreenCapture", L"SCLastFolder"));

// VLC Media Player: its caches and the album pictures it fetched; the media
// opened lately, which VLC 3 keeps as one section of the file that also
// holds the user's settings; the media library, a list the user fills, off
// by default.
SCRUB_ITEM(Privacy_MULVLCCache, FolderAt(&AppDataFolder, L"\\vlc\\cache"),
           FolderAt(&AppDataFolder, L"\\vlc\\art"));
SCRUB_ITEM(Privacy_MULVLCRecentFiles,
           IniSectionAt(&AppDataFolder, L"\\vlc\\vlc-qt-interface.ini", L"RecentsMRU"));
SCRUB_ITEM(Privacy_MULVLCMediaLibrary, FileAt(&AppDataFolder, L"\\vlc\\ml.xspf"));

// Real Player
namespace scrub {
namespace {

constexpr wchar_t kRealPlayerPreferences[] = L"Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\";

// Real Player keeps one numbered key per remembered clip: MostRecentClips0
// to 10 and, for opened locations, OpenLocationClips10 to 110.
void RealPlayerHistory(unsigned char) {
    const std::wstring preferences = kRealPlayerPreferences;
    std::vector<std::wstring> keys{preferences + L"LastOpenFileDir"};
    for (const wchar_t* format : {L"MostRecentClips%d", L"OpenLocationClips1%d"}) {
        for (int n = 0; n <= 10; ++n) {
            wchar_t name[32];
            std::swprintf(name, 32, format, n);
            keys.push_back(preferences + name);
        }
    }
    keys.push_back(preferences + L"HistoryList");
    for (const std::wstring& key : keys) {
        if (theApp.stopRequested) {
            return;
        }
        WalkRegistryKey(HKEY_CURRENT_USER, key);
    }
    for (const Target& target : {FolderAt(&AppDataFolder, L"\\Real\\RealPlayer\\History"),
                                 FolderAt(&AppDataFolder, L"\\Real\\RealPlayer\\ErrorLogs"),
                                 FileAt(&AppDataFolder, L"\\Real\\RealPlayer\\cookies.txt")}) {
        if (theApp.stopRequested) {
            return;
        }
        RunTarget(target);
    }
}

} // namespace
} // namespace scrub

SCRUB_SPECIAL_ITEM(Privacy_MULRealPlayerHis, scrub::RealPlayerHistory);

// Quick Time Player
SCRUB_ITEM(Privacy_MULQTRecOpenFileList,
           KeyValues(HKEY_CURRENT_USER, L"SOFTWARE\\Apple Computer, Inc.\\QuickTime\\Recent Movies"));
SCRUB_ITEM(Privacy_MULQTRecURLList, FolderAt(&CommonAppDataFolder, L"\\QuickTime"));
SCRUB_ITEM(Privacy_MULQTFavorites, FolderAt(&QuickTimeUserFolder, L"\\Apple Computer\\QuickTime"));

// DivX Player
SCRUB_ITEM(Privacy_MULDivxRecOpenFileList,
           KeyValues(HKEY_CURRENT_USER, L"Software\\DivXNetworks\\DivX Player\\RecentFiles"));
SCRUB_ITEM(Privacy_MULDivxMoviesFolder, FolderAt(&DocumentsFolder, L"\\My Videos\\DivX Movies"),
           FolderAt(&VideosFolder, L"\\DivX Movies"));
