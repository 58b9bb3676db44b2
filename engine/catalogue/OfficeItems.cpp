// The "MS Office" category: the most-recently-used lists that Office 97 to
// 365 keep under the current user's Office keys, and the folder of
// recent-folder shortcuts.
#include "scrubcore/OfficeItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "registry/RegistryPrimitives.h"

#include <string>
#include <vector>

// The keys of one Office version ("11.0" is Office 2003, "10.0" XP, "9.0"
// 2000, "8.0" 97), and its file dialogs' lists below "Common\Open Find".
#define OFFICE_KEY(version) L"Software\\Microsoft\\Office\\" version
#define OPEN_FIND(version) OFFICE_KEY(version) L"\\Common\\Open Find"

using namespace scrub;

namespace {

// Access keeps its recent databases as numbered values MRU1, MRU2 ... each
// with a companion MRUFlags1, MRUFlags2 ...; the pairs are cleaned from the
// newest on, as many as the version shows in its File menu.
void AccessRecentDatabases(const std::wstring& office, int count) {
    const std::wstring dialogs = office + L"\\Common\\Open Find\\Microsoft Access\\Settings";
    for (const wchar_t* list :
         {L"\\Open\\File Name MRU", L"\\Save As\\File Name MRU", L"\\File New Database\\File Name MRU"}) {
        if (theApp.stopRequested) {
            return;
        }
        WalkRegistryKey(HKEY_CURRENT_USER, dialogs + list);
    }
    const std::wstring settings = office + L"\\Access\\Settings";
    for (int n = 1; n <= count; ++n) {
        if (theApp.stopRequested) {
            return;
        }
        HandleRegistryValue(HKEY_CURRENT_USER, settings, L"MRU" + std::to_wstring(n));
        HandleRegistryValue(HKEY_CURRENT_USER, settings, L"MRUFlags" + std::to_wstring(n));
    }
}

void Access2003(unsigned char) {
    AccessRecentDatabases(OFFICE_KEY("11.0"), 4);
    RunItem({NamedValue(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office Access\\Settings\\Open",
                        L"PositionInfo-Monitor1")});
}
void AccessXP(unsigned char) {
    AccessRecentDatabases(OFFICE_KEY("10.0"), 10);
}
void Access2000(unsigned char) {
    AccessRecentDatabases(OFFICE_KEY("9.0"), 10);
}
void Access97(unsigned char) {
    AccessRecentDatabases(OFFICE_KEY("8.0"), 10);
}

} // namespace

// Word XP, 2000 and 97 share one layout: the dialogs' lists under both of
// Word's names, the recent-file list inside the binary "Settings" value, and
// the "Recent Files" key.
#define WORD_LISTS(version)                                                                                  \
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND(version) L"\\Microsoft Word\\Settings\\Open\\File Name MRU"),     \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Word\\Settings\\Save As\\File Name MRU"),                 \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Word\\Settings\\Insert Picture\\File Name MRU"),          \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Word\\Settings\\Print to file\\File Name MRU"),           \
        NamedValue(HKEY_CURRENT_USER, OFFICE_KEY(version) L"\\Word\\Data", L"Settings"),                     \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office Word\\Settings\\Open\\File Name MRU"),             \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office Word\\Settings\\Save As\\File Name MRU"),          \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office Word\\Settings\\Insert Picture\\File Name MRU"),   \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office Word\\Settings\\Print to file\\File Name MRU"),    \
        KeyValues(HKEY_CURRENT_USER, OFFICE_KEY(version) L"\\Word\\Recent Files")

// Excel 2000 and 97.
#define EXCEL_LISTS(version)                                                                                 \
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND(version) L"\\Microsoft Excel\\Settings\\Open\\File Name MRU"),    \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Excel\\Settings\\Save As\\File Name MRU"),                \
        KeyValues(HKEY_CURRENT_USER, OFFICE_KEY(version) L"\\Excel\\Recent Files")

// PowerPoint 2000 and 97.
#define POWERPOINT_LISTS(version)                                                                            \
    KeyValues(HKEY_CURRENT_USER,                                                                             \
              OPEN_FIND(version) L"\\Microsoft Powerpoint\\Settings\\Open\\File Name MRU"),                  \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Powerpoint\\Settings\\Save As\\File Name MRU"),           \
        KeyValues(HKEY_CURRENT_USER, OFFICE_KEY(version) L"\\Powerpoint\\Recent File List"),                 \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office PowerPoint\\Settings\\Save As\\File Name MRU"),    \
        KeyValues(HKEY_CURRENT_USER,                                                                         \
                  OPEN_FIND(version) L"\\Microsoft Office PowerPoint\\Settings\\Save As\\View"),             \
        NamedValue(HKEY_CURRENT_USER,                                                                        \
                   OPEN_FIND(version) L"\\Microsoft Office PowerPoint\\Settings\\Save As",                   \
                   L"PositionInfo-Monitor1"),                                                                \
        KeyValues(HKEY_CURRENT_USER, OFFICE_KEY(version) L"\\PowerPoint\\RecentTemplateList")

// Office 2003 -----------------------------------------------------------------

// Word 2003 keeps the lists of Open, Insert Picture and Print to file in one
// key each; every key is looked at once, so a scan shows each entry once.
SCRUB_ITEM(Privacy_OFFWord03,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Open\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Save As\\view"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Insert Picture\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Print to file\\File Name MRU"),
           NamedValue(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Word\\Data", L"Settings"),
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Save As"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Word\\Settings\\Save As\\File Name MRU"))

SCRUB_SPECIAL_ITEM(Privacy_OFFAccess03, Access2003)

SCRUB_ITEM(Privacy_OFFExcel03,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office Excel\\Settings\\Save As\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Excel\\Settings\\Save As\\View"),
           NamedValue(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office Excel\\Settings\\Save As",
                      L"PositionInfo-Monitor1"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Excel\\Recent Files"))

// Visio's recent files (LastFile1 ...) share their key with its settings,
// such as the folders of the user's shapes and templates.
SCRUB_ITEM(Privacy_OFFVisio03,
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office Visio\\Settings"),
           KeyValuesNamed(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Visio\\Application", L"LastFile#"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Visio\\Recent Templates"))

SCRUB_ITEM(Privacy_OFFPowerPoint03,
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Powerpoint\\Settings"),
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Powerpoint\\Recent Templates"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Powerpoint\\Recent File List"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Powerpoint\\Recent FolderList"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As\\View"),
           NamedValue(HKEY_CURRENT_USER,
                      OPEN_FIND("11.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As",
                      L"PositionInfo-Monitor1"))

SCRUB_ITEM(
    Privacy_OFFPublisher03,
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office Publisher\\Settings\\Publish to the Web\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office Publisher\\Settings\\Publish to the Web\\View"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Publisher\\Recent File List"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office Publisher\\Settings\\Save As\\File Name MRU"),
    NamedValue(HKEY_CURRENT_USER,
               OPEN_FIND("11.0") L"\\Microsoft Office Publisher\\Settings\\Publish to the Web",
               L"PositionInfo-Monitor1"))

// FrontPage's own Publish to the Web dialog: Publisher's window position is
// Publisher's trace, cleaned by its own option.
SCRUB_ITEM(Privacy_OFFFrontPage03,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office FrontPage\\Settings\\Open\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("11.0") L"\\Microsoft Office FrontPage\\Settings\\Save As\\File Name MRU"),
           NamedValue(HKEY_CURRENT_USER,
                      OPEN_FIND("11.0") L"\\Microsoft Office FrontPage\\Settings\\Publish to the Web",
                      L"PositionInfo-Monitor1"))

// Project's recent lists; a key written with one trailing blank in its name
// is looked at as well.
SCRUB_ITEM(Privacy_OFFProject03,
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office Project\\Settings"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\MS Project\\Recent File List"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\MS Project\\Recent File List "),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\MS Project\\Recent Templates"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\MS Project\\Recent Templates "))

SCRUB_ITEM(
    Privacy_OFFInfopath03,
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Open\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Open\\View"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Open in Design Mode\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Select Data Source\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Select Data Source\\View"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\InfoPath\\Recent Templates"),
    NamedValue(HKEY_CURRENT_USER,
               OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Open in Design Mode",
               L"PositionInfo-Monitor1"),
    NamedValue(HKEY_CURRENT_USER,
               OPEN_FIND("11.0") L"\\Microsoft Office InfoPath\\Settings\\Select Data Source",
               L"PositionInfo-Monitor1"))

SCRUB_ITEM(
    Privacy_OFFClipOrganizer,
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND("11.0") L"\\Add Clips to Organizer\\Settings"),
    KeyValues(
        HKEY_CURRENT_USER,
        OPEN_FIND(
            "11.0") L"\\Clip Organizer\\Settings\\Add Directory to Collection Properties\\File Name MRU"))

// Picture Manager's options hold the folder it last showed beside its
// settings (the folder it edits pictures in, among others).
SCRUB_ITEM(
    Privacy_OFFPictureManager,
    KeyValuesNamed(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\OIS\\Options", L"LastFolder"),
    KeyValues(
        HKEY_CURRENT_USER,
        OPEN_FIND(
            "11.0") L"\\Microsoft Office Picture Manager\\Settings\\Add Picture Shortcut\\File Name MRU"))

SCRUB_ITEM(Privacy_OFFSnapShotViewer,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\Snapshot Viewer\\Recent File List"))

SCRUB_ITEM(Privacy_OFFSaveMySettings,
           KeyValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\OfficeProfileWizard\\11.0\\RecentFileList"))

// Office XP --------------------------------------------------------------------

SCRUB_ITEM(Privacy_OFFWordXP, WORD_LISTS("10.0"))

SCRUB_ITEM(Privacy_OFFExcelXP,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("10.0") L"\\Microsoft Excel\\Settings\\Open\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("10.0") L"\\Microsoft Excel\\Settings\\Save As\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("10.0") L"\\Microsoft Office Excel\\Settings\\Save As\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER, OPEN_FIND("10.0") L"\\Microsoft Excel\\Settings\\Save As\\View"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\Excel\\Recent Files"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\Excel\\Recent Templates"),
           NamedValue(HKEY_CURRENT_USER, OPEN_FIND("10.0") L"\\Microsoft Office Excel\\Settings\\Save As",
                      L"PositionInfo-Monitor1"))

SCRUB_SPECIAL_ITEM(Privacy_OFFAccessXP, AccessXP)

SCRUB_ITEM(
    Privacy_OFFPowerPointXP,
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND("10.0") L"\\Microsoft Powerpoint\\Settings\\Open\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("10.0") L"\\Microsoft Powerpoint\\Settings\\Save As\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\PowerPoint\\Recent Templates"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\PowerPoint\\RecentTemplateList"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\Powerpoint\\Recent File List"),
    KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\Powerpoint\\RecentFolderList"),
    KeyValues(HKEY_CURRENT_USER,
              OPEN_FIND("10.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As\\File Name MRU"),
    KeyValues(HKEY_CURRENT_USER, OPEN_FIND("10.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As\\View"),
    NamedValue(HKEY_CURRENT_USER, OPEN_FIND("10.0") L"\\Microsoft Office PowerPoint\\Settings\\Save As",
               L"PositionInfo-Monitor1"))

SCRUB_ITEM(Privacy_OFFFrontPageXP,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("10.0") L"\\Microsoft FrontPage\\Settings\\Open\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("10.0") L"\\Microsoft FrontPage\\Settings\\Save As\\File Name MRU"),
           NamedValue(HKEY_CURRENT_USER,
                      OPEN_FIND("10.0") L"\\Microsoft FrontPage\\Settings\\Publish to the Web",
                      L"PositionInfo-Monitor1"))

// Office 2000 ------------------------------------------------------------------

SCRUB_ITEM(Privacy_OFFWord00, WORD_LISTS("9.0"))
SCRUB_ITEM(Privacy_OFFExcel00, EXCEL_LISTS("9.0"))
SCRUB_SPECIAL_ITEM(Privacy_OFFAccess00, Access2000)
SCRUB_ITEM(Privacy_OFFPowerPoint00, POWERPOINT_LISTS("9.0"))

SCRUB_ITEM(Privacy_OFFFrontPage00,
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("9.0") L"\\Microsoft Office FrontPage\\Settings\\Open\\File Name MRU"),
           KeyValues(HKEY_CURRENT_USER,
                     OPEN_FIND("9.0") L"\\Microsoft Office FrontPage\\Settings\\Save As\\File Name MRU"),
           NamedValue(HKEY_CURRENT_USER,
                      OPEN_FIND("9.0") L"\\Microsoft FrontPage\\Settings\\Publish to the Web",
                      L"PositionInfo-Monitor1"),
           KeyValues(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List"))

// Office 97 --------------------------------------------------------------------

SCRUB_ITEM(Privacy_OFFWord97, WORD_LISTS("8.0"))
SCRUB_ITEM(Privacy_OFFExcel97, EXCEL_LISTS("8.0"))
SCRUB_SPECIAL_ITEM(Privacy_OFFAccess97, Access97)
SCRUB_ITEM(Privacy_OFFPowerPoint97, POWERPOINT_LISTS("8.0"))

// Shared resources -------------------------------------------------------------

// Office puts its own "Welcome to Word" (OneNote, Visio ...) shortcuts
// among the user's: they stay.
SCRUB_ITEM(Privacy_OFFOfficeRecentFolders,
           FolderKeeping(&AppDataFolder, L"\\Microsoft\\Office\\Recent", L"Welcome to *.lnk"))

SCRUB_ITEM(Privacy_OFFInternetServerCache,
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Common\\Internet\\Server Cache"))

// The search boxes of every version, oldest first.
SCRUB_ITEM(Privacy_OFFSearchHis,
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("8.0") L"\\Common\\Search\\Last Query"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("9.0") L"\\Common\\Search\\Last Query"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("10.0") L"\\Common\\Search\\Last Query"),
           KeyValues(HKEY_CURRENT_USER, OFFICE_KEY("11.0") L"\\Common\\Search\\Last Query"))

SCRUB_ITEM(Privacy_OFFFrontPageAll,
           KeyValues(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List"),
           KeyValues(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List"),
           KeyValues(HKEY_CURRENT_USER,
                     L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List"),
           KeyValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\FrontPage\\Explorer\\FindMRU"))

// Office 2007 to 365 -----------------------------------------------------------

namespace {

// The registry versions from Office 2007 on, oldest first: "12.0" is Office
// 2007, "14.0" 2010, "15.0" 2013, "16.0" 2016, 2019, 2021 and 365 alike.
// Every version keeps each application's lists under the same names.
const wchar_t* const kVersions2007To365[] = {L"12.0", L"14.0", L"15.0", L"16.0"};

// The recent lists name their entries "Item 1", "Item 2" ... (2016 adds
// "Item Metadata 1" ...); the user's "Max Display" beside them stays.
constexpr wchar_t kListEntries[] = L"Item *";

std::vector<std::wstring> SubkeyNames(const std::wstring& key) {
    std::vector<std::wstring> names;
    win32::UniqueKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, opened.Put()) != ERROR_SUCCESS) {
        return names;
    }
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(opened.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return names;
        }
        names.emplace_back(name, length);
    }
}

// One version's lists of one application: the recent files and places of
// the File menu, the same lists for each account the user signed in with
// (below "User MRU"), the recent templates, the documents the user let edit
// or run their macros (by path: such a document asks again when next
// opened), and its file dialogs' lists below "Common\Open Find".
void RecentListsOf(const std::wstring& office, const wchar_t* application, const wchar_t* dialogs) {
    const std::wstring lists = office + L"\\" + application;
    std::vector<std::wstring> keys = {lists + L"\\File MRU", lists + L"\\Place MRU",
                                      lists + L"\\Recent Templates", lists + L"\\Recent Templates\\File MRU"};
    for (const std::wstring& account : SubkeyNames(lists + L"\\User MRU")) {
        keys.push_back(lists + L"\\User MRU\\" + account + L"\\File MRU");
        keys.push_back(lists + L"\\User MRU\\" + account + L"\\Place MRU");
    }
    for (const std::wstring& key : keys) {
        if (theApp.stopRequested) {
            return;
        }
        WalkRegistryKey(HKEY_CURRENT_USER, key, kListEntries);
    }
    WalkRegistryKey(HKEY_CURRENT_USER, lists + L"\\Security\\Trusted Documents\\TrustRecords");
    WalkRegistrySubkeys(HKEY_CURRENT_USER, office + L"\\Common\\Open Find\\" + dialogs);
}

// Every version's lists of the application, then what the application keeps
// beside them (`more`, given the version's key).
template <class More>
void ListsOfEveryVersion(const wchar_t* application, const wchar_t* dialogs, More more) {
    for (const wchar_t* version : kVersions2007To365) {
        if (theApp.stopRequested) {
            return;
        }
        const std::wstring office = OFFICE_KEY("") + std::wstring(version);
        RecentListsOf(office, application, dialogs);
        if (!theApp.stopRequested) {
            more(office);
        }
    }
}

void Nothing(const std::wstring&) {}

void Word2007To365(unsigned char) {
    ListsOfEveryVersion(L"Word", L"Microsoft Office Word", [](const std::wstring& office) {
        // Where the user stopped reading each document ("Document 0" ...),
        // and the files Word printed to.
        WalkRegistrySubkeys(HKEY_CURRENT_USER, office + L"\\Word\\Reading Locations");
        WalkRegistryKey(HKEY_CURRENT_USER,
                        office +
                            L"\\Common\\Open Find\\Microsoft Word\\Settings\\Print to file\\File Name MRU");
    });
}
void Excel2007To365(unsigned char) {
    ListsOfEveryVersion(L"Excel", L"Microsoft Office Excel", Nothing);
}
void PowerPoint2007To365(unsigned char) {
    ListsOfEveryVersion(L"PowerPoint", L"Microsoft Office PowerPoint", Nothing);
}
void Access2007To365(unsigned char) {
    ListsOfEveryVersion(L"Access", L"Microsoft Office Access", [](const std::wstring& office) {
        // Access 2007 still numbers its recent databases among its settings.
        WalkRegistryKey(HKEY_CURRENT_USER, office + L"\\Access\\Settings", L"MRU#;MRUFlags#");
    });
}
void Publisher2007To365(unsigned char) {
    ListsOfEveryVersion(L"Publisher", L"Microsoft Office Publisher", [](const std::wstring& office) {
        WalkRegistryKey(HKEY_CURRENT_USER, office + L"\\Publisher\\Recent File List");
    });
}
void Visio2007To365(unsigned char) {
    ListsOfEveryVersion(L"Visio", L"Microsoft Office Visio", [](const std::wstring& office) {
        // Visio 2007 and 2010 keep their recent files among their settings,
        // and every version its recent templates by name and path.
        WalkRegistryKey(HKEY_CURRENT_USER, office + L"\\Visio\\Application", L"LastFile#");
        WalkRegistryKey(HKEY_CURRENT_USER, office + L"\\Visio\\Recent Templates", L"Template#;Friendly#");
    });
}

void OneNote2007To365(unsigned char) {
    ListsOfEveryVersion(L"OneNote", L"Microsoft Office OneNote", [](const std::wstring& office) {
        // The notebooks the user opened, one key or value each.
        WalkRegistryKey(HKEY_CURRENT_USER, office + L"\\OneNote\\RecentNotebooks");
        WalkRegistrySubkeys(HKEY_CURRENT_USER, office + L"\\OneNote\\RecentNotebooks");
    });
}

} // namespace

SCRUB_SPECIAL_ITEM(Privacy_OFFWord07to365, Word2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFExcel07to365, Excel2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFPowerPoint07to365, PowerPoint2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFAccess07to365, Access2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFPublisher07to365, Publisher2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFVisio07to365, Visio2007To365)
SCRUB_SPECIAL_ITEM(Privacy_OFFOneNote07to365, OneNote2007To365)

// What Office keeps of documents the user never saved, for "Recover Unsaved
// Documents": the user's own unfinished work, off by default.
SCRUB_ITEM(Privacy_OFFUnsavedFiles, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Office\\UnsavedFiles"))
// The copies of documents kept on a server that Office keeps to upload (the
// Upload Center's cache): it holds edits not yet sent, off by default.
SCRUB_ITEM(Privacy_OFFOfficeFileCache,
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Office\\14.0\\OfficeFileCache"),
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Office\\15.0\\OfficeFileCache"),
           FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Office\\16.0\\OfficeFileCache"))
