// Third-party applications: Acrobat's recent files, desktop search tools and
// the Flash Player's history.
#include "scrubcore/ThirdPartyItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/FilePrimitives.h"
#include "registry/RegistryPrimitives.h"

#include <string>

namespace scrub {
namespace {

// Acrobat 5 to 7 keep the recent-file list as the keys c1 to c8 below
// cRecentFiles, one key per document.
void AcrobatRecentFiles(const wchar_t* version) {
    const std::wstring list =
        std::wstring(L"Software\\Adobe\\Acrobat Reader\\") + version + L"\\AVGeneral\\cRecentFiles\\c";
    for (int n = 1; n <= 8; ++n) {
        if (theApp.stopRequested) {
            return;
        }
        WalkRegistryKey(HKEY_CURRENT_USER, list + std::to_wstring(n));
    }
}

void Acrobat5(unsigned char) {
    AcrobatRecentFiles(L"5.0");
}
void Acrobat6(unsigned char) {
    AcrobatRecentFiles(L"6.0");
}
void Acrobat7(unsigned char) {
    AcrobatRecentFiles(L"7.0");
}

// Acrobat Reader and Acrobat DC, 2015, 2017 and 2020 keep one key per
// document (c1, c2 ...) below cRecentFiles and one per folder below
// cRecentFolders, as many as the user asked for; their settings beside
// them in AVGeneral stay.
void AcrobatRecentLists(const wchar_t* version) {
    for (const wchar_t* product : {L"Acrobat Reader", L"Adobe Acrobat"}) {
        const std::wstring general =
            std::wstring(L"Software\\Adobe\\") + product + L"\\" + version + L"\\AVGeneral";
        for (const wchar_t* list : {L"\\cRecentFiles", L"\\cRecentFolders"}) {
            if (theApp.stopRequested) {
                return;
            }
            WalkRegistrySubkeys(HKEY_CURRENT_USER, general + list);
        }
    }
}

void AcrobatDC(unsigned char) {
    AcrobatRecentLists(L"DC");
}
void Acrobat2015(unsigned char) {
    AcrobatRecentLists(L"2015");
}
void Acrobat2017(unsigned char) {
    AcrobatRecentLists(L"2017");
}
void Acrobat2020(unsigned char) {
    AcrobatRecentLists(L"2020");
}

// Google Desktop keeps one folder per user below [LocalAppData]\Google\Google
// Desktop; each item walks the same part of every one of them. Files beside
// those folders are not a user's data, and a link never leads the walk out.
void WalkGoogleDesktopUserFolders(const wchar_t* suffix) {
    const std::wstring base = UnderRoot(LocalAppDataFolder(), L"\\Google\\Google Desktop");
    if (base.empty()) {
        return;
    }
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find(FindFirstFileW((base + L"\\*").c_str(), &entry));
    if (!find) {
        return;
    }
    do {
        if (theApp.stopRequested) {
            return;
        }
        if (IsDotEntry(entry.cFileName) || !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            IsLinkedFolder(entry.dwFileAttributes)) {
            continue;
        }
        WalkFolder(win32::JoinPath(base, entry.cFileName) + suffix);
    } while (FindNextFileW(find.Get(), &entry));
}

void GoogleDesktopIndexAndData(unsigned char) {
    WalkGoogleDesktopUserFolders(L"");
}
void GoogleDesktopLinks(unsigned char) {
    WalkGoogleDesktopUserFolders(L"\\Links");
}
void GoogleDesktopTemp(unsigned char) {
    WalkGoogleDesktopUserFolders(L"\\Temp");
}

} // namespace
} // namespace scrub

using namespace scrub;

// Adobe Acrobat
// Acrobat 4 keeps its recent files (File1, File2 ...) among its settings:
// the licence acceptance and the window state stay.
SCRUB_ITEM(Privacy_THPAdobeAcrobat4,
           KeyValuesNamed(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", L"File#"));
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat5, Acrobat5);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat6, Acrobat6);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat7, Acrobat7);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobatDC, AcrobatDC);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat2015, Acrobat2015);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat2017, Acrobat2017);
SCRUB_SPECIAL_ITEM(Privacy_THPAdobeAcrobat2020, Acrobat2020);

// Google Desktop Search ("Don't Search These Items" is the do-nothing body of
// the Windows items)
SCRUB_SPECIAL_ITEM(Privacy_THPGDSIndDataFolder, GoogleDesktopIndexAndData);
SCRUB_SPECIAL_ITEM(Privacy_THPGDSLinksFolder, GoogleDesktopLinks);
SCRUB_SPECIAL_ITEM(Privacy_THPGDSTemporayFolder, GoogleDesktopTemp);
SCRUB_ITEM(Privacy_THPGDSGogToolBarSearHis,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History"));

// Yahoo Desktop search: the index and the logs share one folder, which holds
// the saved searches too.
SCRUB_ITEM(Privacy_THPYDSLogs, FolderAt(&LocalAppDataFolder, L"\\Yahoo! Desktop Search"));
SCRUB_ITEM_ALIAS(Privacy_THPYDSIndex, Privacy_THPYDSLogs);
SCRUB_ITEM(Privacy_THPYDSSavedSearches,
           FolderAt(&LocalAppDataFolder, L"\\Yahoo! Desktop Search\\saved searches"));

// Windows Desktop Search
SCRUB_ITEM(Privacy_THPWDSIndex,
           FolderAt(&LocalAppDataFolder,
                    L"\\Microsoft\\Desktop Search\\Applications\\RSApp\\Projects\\MyIndex"));
SCRUB_ITEM(Privacy_THPWDSLogs, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Desktop Search\\Logs"),
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Desktop Search\\Applications\\RSApp\\GatherLogs"));

// AOL Desktop Search
SCRUB_ITEM(Privacy_THPADSIndex, FolderAt(&AppDataFolder, L"\\AOL\\DTS\\Index"));

// Macromedia Flash Player
// Its sites' stored objects and settings; the player's global settings stay.
SCRUB_ITEM(Privacy_THPMMFPHisandTempFiles,
           FolderKeeping(&AppDataFolder, L"\\Macromedia\\Flash Player",
                         L"macromedia.com\\support\\flashplayer\\sys\\settings.sol"));
