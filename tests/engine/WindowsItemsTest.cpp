// The Windows items, each run against the folders and keys a Windows XP user
// leaves behind, created where the platform says they live, and against
// those of a Windows 10 user.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowsTraces.h"

#include "scrubcore/WindowsItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>

using namespace testing_support;

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kApplets = L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets";
const std::wstring kWinlogon = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

std::wstring User(const std::wstring& keyAndValue) {
    return L"HKEY_CURRENT_USER||" + keyAndValue;
}
std::wstring Machine(const std::wstring& keyAndValue) {
    return L"HKEY_LOCAL_MACHINE||" + keyAndValue;
}

// A file seeded in a folder the test must not remove (the Windows folder, a
// drive root): only the file goes afterwards.
struct SeededFile {
    explicit SeededFile(const std::wstring& at, uint64_t size) : path(MakeFile(at, size)) {}
    ~SeededFile() {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
    std::wstring path;
};

using Item = int (*)(unsigned char);

const Item kEveryItem[] = {
    Privacy_WindocHis,
    Privacy_WNDFindSearHis,
    Privacy_WNDTempFilesDir,
    Privacy_WNDFlushRecycleBin,
    Privacy_WNDStartMenuClickHis,
    Privacy_WNDStartMenuOrderHis,
    Privacy_WNDWindLogFiles,
    Privacy_WNDPagingFile,
    Privacy_WNDTempFolder,
    Privacy_WNDRunCommandHis,
    Privacy_WNDDiskErrorLogFile,
    Privacy_WNDMsDowLoadTempfol,
    Privacy_WNDTempWindUpdateFol,
    Privacy_WNDMemoryDumpFile,
    Privacy_WNDCDBurnStorageFolder,
    Privacy_WNDRecLogedOnUser,
    Privacy_WNDAppDebugHis,
    Privacy_WNDCommonDialogHis,
    Privacy_WNDMSPaintRecFilList,
    Privacy_WNDRecNetworkConnections,
    Privacy_WNDRecPrinterConnections,
    Privacy_WNDLastRegKeyViewed,
    Privacy_WNDWordPadRecFilList,
    Privacy_WNDTypedPaths,
    Privacy_WNDSearchBoxHis,
    Privacy_WNDOpenSavePidlHis,
    Privacy_WNDThumbnailCache,
    Privacy_WNDIconCache,
    Privacy_WNDErrorReports,
    Privacy_WNDAppCrashDumps,
    Privacy_WNDShaderCache,
    Privacy_WNDJumpLists,
    Privacy_WNDShellBags,
    Privacy_WNDActivityHistory,
};

class WindowsItems : public ::testing::Test {
protected:
    void TearDown() override { EmptyRecycleBin(); }

    std::vector<std::wstring> Scan(Item item) {
        recorder.Clear();
        EXPECT_EQ(1, item(0));
        return recorder.found;
    }
    TestFolder& Folder(const std::wstring& path) {
        folders.push_back(std::make_unique<TestFolder>(TestFolder::At(path)));
        return *folders.back();
    }

    // One trace of every kind a Windows item looks for.
    void SeedEveryTrace() {
        Folder(recent).File(L"letter to the bank.doc.lnk", 612);
        registry.Binary(HKCU, kExplorer + L"\\RecentDocs\\.doc", L"0", "letter to the bank.doc");
        registry.String(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru\\5603", L"000", L"salaries");
        Folder(localSettings + L"\\Temp").File(L"~DF3A21.tmp", 4096);
        registry.Binary(HKCU, kExplorer + L"\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count",
                        L"HRZR_EHACNGU", "\x01\x02");
        registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu", L"Order", "\x03");
        files.push_back(std::make_unique<SeededFile>(windows + L"\\setupapi.log", 2000));
        Folder(windows + L"\\temp\\nimbrel").File(L"MSI5f2a1.LOG", 100, FILE_ATTRIBUTE_READONLY);
        registry.String(HKCU, kExplorer + L"\\RunMRU", L"a", L"regedit\\1");
        files.push_back(std::make_unique<SeededFile>(drive + L"\\scandisk.log", 800));
        Folder(drive + L"\\msdownld.tmp").File(L"AS00F3.tmp\\flash.cab", 300);
        Folder(profile + L"\\UserData").File(L"0XM3ZSRW\\search[1].xml", 350);
        Folder(windows + L"\\Minidump").File(L"Mini120406-01.dmp", 65536);
        registry.String(HKLM, kWinlogon, L"DefaultUserName", L"jsmith");
        Folder(windows + L"\\Debug").File(L"netsetup.log", 1024);
        registry.String(HKCU, kExplorer + L"\\ComDlg32\\OpenSaveMRU", L"a", L"C:\\salaries.xls");
        registry.String(HKCU, kApplets + L"\\Paint\\Recent File List", L"File1", L"C:\\holiday.bmp");
        registry.String(HKCU, kExplorer + L"\\PrnPortsMRU", L"a", L"\\\\printserver\\laser");
        registry.String(HKCU, kExplorer + L"\\Map Network Drive MRU", L"a", L"\\\\fileserver\\accounts");
        registry.String(HKCU, kApplets + L"\\Wordpad\\Recent File List", L"File1", L"C:\\letter.rtf");
        registry.String(HKCU, kApplets + L"\\Regedit", L"LastKey", L"My Computer\\HKEY_CURRENT_USER");
        Folder(local + L"\\Temp").File(L"wct8F21.tmp", 512);
        registry.String(HKCU, kExplorer + L"\\TypedPaths", L"url1", L"C:\\Users\\ann\\Documents");
        registry.Binary(HKCU, kExplorer + L"\\ComDlg32\\OpenSavePidlMRU\\docx", L"0", "taxes.docx");
        Folder(local + L"\\Microsoft\\Windows\\Explorer").File(L"thumbcache_256.db", 1024);
        Folder(local + L"\\CrashDumps").File(L"WINWORD.EXE.4242.dmp", 4096);
        if (RecycleBinIsIsolated()) {
            ASSERT_TRUE(MoveToRecycleBin(Folder(drive + L"\\nimbrel-bin").File(L"old letter.txt", 3000)));
        }
    }

    EngineRecorder recorder;
    TestRegistry registry;
    std::vector<std::unique_ptr<TestFolder>> folders;
    std::vector<std::unique_ptr<SeededFile>> files;
    const std::wstring recent = SpecialFolderPath(CSIDL_RECENT);
    const std::wstring windows = SpecialFolderPath(CSIDL_WINDOWS);
    const std::wstring drive = ParentOf(windows); // the system drive, "C:"
    // XP keeps "Local Settings" above "Application Data" and the profile above "Favorites".
    const std::wstring localSettings = ParentOf(SpecialFolderPath(CSIDL_LOCAL_APPDATA));
    const std::wstring profile = ParentOf(SpecialFolderPath(CSIDL_FAVORITES));
    const std::wstring local = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
};

} // namespace

TEST_F(WindowsItems, DocumentHistoryIsTheRecentFolderAndThePerTypeLists) {
    TestFolder& folder = Folder(recent);
    const std::wstring letter = folder.File(L"letter to the bank.doc.lnk", 612);
    const std::wstring budget = folder.File(L"budget 2006.xls.lnk", 412);
    // Windows 7 on: each program's jump list, the documents the user pinned
    // to it among the recent ones. They stay.
    folder.File(L"AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 9000);
    folder.File(L"CustomDestinations\\7e4dca80246863e3.customDestinations-ms", 9000);
    registry.Binary(HKCU, kExplorer + L"\\RecentDocs", L"MRUListEx", std::string("\1\0\0\0", 4));
    registry.Binary(HKCU, kExplorer + L"\\RecentDocs\\.doc", L"0", "letter to the bank.doc");
    registry.Binary(HKCU, kExplorer + L"\\RecentDocs\\.doc", L"MRUListEx", std::string("\0\0\0\0", 4));
    registry.Binary(HKCU, kExplorer + L"\\RecentDocs\\.xls", L"0", "budget 2006.xls");

    EXPECT_EQ(
        Sorted({budget, letter,
                User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs=MRUListEx"),
                User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.doc=0"),
                User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.doc=MRUListEx"),
                User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\.xls=0")}),
        Sorted(Scan(Privacy_WindocHis)));
    EXPECT_EQ("1.000000", EngineRecorder::SizeText()); // 612 + 412 bytes
    EXPECT_EQ(2u, scrub::theApp.countedFiles);
    EXPECT_EQ(4u, scrub::theApp.registryValues); // RecentDocs' own list of every type too
}

TEST_F(WindowsItems, SearchAndStartMenuHistoriesAreFoundInEverySubkeyInOrder) {
    const std::wstring bar = L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                             L"{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
    registry.String(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru", L"Version", L"1");
    registry.String(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru\\5603", L"000", L"salaries");
    registry.String(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru\\5604", L"000", L"holiday");
    registry.String(HKCU, kExplorer + L"\\Doc Find Spec MRU", L"a", L"*.xls");
    registry.String(HKCU, bar + L"\\ContainingTextMRU", L"a", L"password");
    registry.String(HKCU, bar + L"\\FilesNamedMRU", L"000", L"letter");
    EXPECT_EQ((std::vector<std::wstring>{
                  User(L"Software\\Microsoft\\Search Assistant\\ACMru\\5603=000"),
                  User(L"Software\\Microsoft\\Search Assistant\\ACMru\\5604=000"),
                  User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU=a"),
                  User(L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-"
                       L"00A0C9A83DA1}\\ContainingTextMRU=a"),
                  User(L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-"
                       L"00A0C9A83DA1}\\FilesNamedMRU=000")}),
              Scan(Privacy_WNDFindSearHis));

    const std::wstring count = kExplorer + L"\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count";
    registry.Dword(HKCU, kExplorer + L"\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}", L"Version", 3);
    registry.Binary(HKCU, count, L"HRZR_EHACNGU", "\x01\x02");
    EXPECT_EQ(
        (std::vector<std::wstring>{
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-"
                 L"9888-006097DEACF9}=Version"),
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\{75048700-EF1F-11D0-"
                 L"9888-006097DEACF9}\\Count=HRZR_EHACNGU")}),
        Scan(Privacy_WNDStartMenuClickHis));

    // The Programs menu's own order is not walked, its submenus' and the
    // Start menu's own are.
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu", L"Order", "\x01");
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu\\Programs", L"Order", "\x02");
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu\\Programs\\Accessories", L"Order", "\x03");
    // The newer Start menu keeps its own order beside the classic one.
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu2", L"Order", "\x04");
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu2\\Programs", L"Order", "\x05");
    registry.Binary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu2\\Programs\\Games", L"Order", "\x06");
    EXPECT_EQ(
        (std::vector<std::wstring>{
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu\\Programs\\"
                 L"Accessories=Order"),
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu=Order"),
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu2\\Programs\\"
                 L"Games=Order"),
            User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu2=Order")}),
        Scan(Privacy_WNDStartMenuOrderHis));
}

TEST_F(WindowsItems, DialogAndAppletListsAreTheirKeysOwnValues) {
    registry.String(HKCU, kExplorer + L"\\RunMRU", L"a", L"notepad C:\\boot.ini\\1");
    registry.String(HKCU, kExplorer + L"\\RunMRU", L"b", L""); // an emptied entry is no trace
    registry.Binary(HKCU, kExplorer + L"\\ComDlg32\\LastVisitedMRU", L"a", "EXCEL.EXE");
    registry.String(HKCU, kExplorer + L"\\ComDlg32\\OpenSaveMRU", L"a", L"C:\\salaries.xls");
    registry.String(HKCU, kExplorer + L"\\ComDlg32\\OpenSaveMRU\\xls", L"a", L"C:\\salaries.xls");
    registry.String(HKCU, kApplets + L"\\Paint\\Recent File List", L"File1", L"C:\\holiday.bmp");
    registry.String(HKCU, kExplorer + L"\\PrnPortsMRU", L"a", L"\\\\printserver\\laser");
    registry.String(HKCU, kExplorer + L"\\Map Network Drive MRU", L"a", L"\\\\fileserver\\accounts");
    registry.String(HKCU, kApplets + L"\\Wordpad\\Recent File List", L"File1", L"C:\\letter.rtf");
    registry.String(HKCU, kApplets + L"\\Regedit", L"LastKey", L"My Computer\\HKEY_CURRENT_USER\\Software");
    registry.String(HKCU, kApplets + L"\\Regedit", L"View", L"1");

    using List = std::vector<std::wstring>;
    EXPECT_EQ(List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU=a")},
              Scan(Privacy_WNDRunCommandHis));
    EXPECT_EQ(2u, scrub::theApp.registryValues);
    EXPECT_EQ(
        (List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU=a"),
              User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU=a")}),
        Scan(Privacy_WNDCommonDialogHis));
    EXPECT_EQ(
        List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List=File1")},
        Scan(Privacy_WNDMSPaintRecFilList));
    EXPECT_EQ(List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\PrnPortsMRU=a")},
              Scan(Privacy_WNDRecPrinterConnections));
    EXPECT_EQ(List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU=a")},
              Scan(Privacy_WNDRecNetworkConnections));
    EXPECT_EQ(
        List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List=File1")},
        Scan(Privacy_WNDWordPadRecFilList));
    EXPECT_EQ(List{User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit=LastKey")},
              Scan(Privacy_WNDLastRegKeyViewed));
}

TEST_F(WindowsItems, RecentLogonUserNamesAreFoundWhereWindowsKeepsThem) {
    registry.String(HKLM, kWinlogon, L"DefaultUserName", L"jsmith");
    registry.String(HKLM, kWinlogon, L"AltDefaultUserName", L"");
    registry.String(HKCU, kExplorer, L"Logon User Name", L"jsmith");
    EXPECT_EQ((std::vector<std::wstring>{
                  Machine(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon=DefaultUserName"),
                  User(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer=Logon User Name")}),
              Scan(Privacy_WNDRecLogedOnUser));
    EXPECT_EQ(3u, scrub::theApp.registryValues);
    EXPECT_EQ(L"explorer.exe", ReadString(HKLM, kWinlogon, L"Shell")) << "the rest of Winlogon stays";
}

TEST_F(WindowsItems, TemporaryFoldersLogsAndDumpsAreEachItemsOwnPlace) {
    const std::wstring userTemp =
        Folder(localSettings + L"\\Temp").File(L"Temporary Directory 1\\IMG_0042.JPG", 2048);
    const std::wstring windowsTemp = Folder(windows + L"\\temp\\nimbrel").File(L"MSI5f2a1.LOG", 1024);
    const SeededFile directX(windows + L"\\DirectX.log", 512);
    const SeededFile setupApi(windows + L"\\setupapi.log", 1536);
    const SeededFile otherLog(windows + L"\\WindowsUpdate.log", 100);
    const std::wstring dump = Folder(windows + L"\\Minidump").File(L"Mini120406-01.dmp", 65536);
    const std::wstring debug = Folder(windows + L"\\Debug").File(L"UserMode\\userenv.log", 4096);
    const std::wstring userData = Folder(profile + L"\\UserData").File(L"0XM3ZSRW\\search[1].xml", 350);

    EXPECT_EQ(std::vector<std::wstring>{userTemp}, Scan(Privacy_WNDTempFilesDir));
    Scan(Privacy_WNDTempFolder); // Wine may keep files of its own there
    EXPECT_TRUE(recorder.Found(windowsTemp));
    EXPECT_TRUE(recorder.FoundUnder(localSettings).empty()) << "the Windows folder's temp, not the user's";
    scrub::theApp.totalKilobytes = 0;
    EXPECT_EQ((std::vector<std::wstring>{directX.path, setupApi.path}), Scan(Privacy_WNDWindLogFiles));
    EXPECT_EQ("2.000000", EngineRecorder::SizeText());
    EXPECT_EQ(std::vector<std::wstring>{dump}, Scan(Privacy_WNDMemoryDumpFile));
    EXPECT_EQ(std::vector<std::wstring>{debug}, Scan(Privacy_WNDAppDebugHis));
    EXPECT_EQ(std::vector<std::wstring>{userData}, Scan(Privacy_WNDTempWindUpdateFol));
}

// Windows 10 keeps these where its shell folders and keys say: each item
// finds its own traces there and no file of the user's beside them.
TEST_F(WindowsItems, OnAWindows10ProfileEachItemFindsItsOwnTracesAndNoUserFile) {
    const std::wstring machine = SpecialFolderPath(CSIDL_COMMON_APPDATA);
    const std::wstring dialogs = kExplorer + L"\\ComDlg32";
    TestFolder& explorer = Folder(local + L"\\Microsoft\\Windows\\Explorer");
    TestFolder& reports = Folder(local + L"\\Microsoft\\Windows\\WER");
    TestFolder& machineReports = Folder(machine + L"\\Microsoft\\Windows\\WER");
    TestFolder& temp = Folder(local + L"\\Temp");
    TestFolder& jumpLists = Folder(recent);
    wchar_t reported[MAX_PATH] = {}; // where TEMP leads (in this prefix, the profile's "Temp")
    TestFolder& reportedTemp = Folder(ParentOf(std::wstring(reported, GetTempPathW(MAX_PATH, reported))));
    const std::wstring documents = SpecialFolderPath(CSIDL_PERSONAL);
    const std::wstring search = L"Software\\Microsoft\\Windows\\CurrentVersion\\Search";
    const std::wstring bags = L"Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell";
    TestFolder& activities = Folder(local + L"\\ConnectedDevicesPlatform");
    auto value = [&](const std::wstring& key, const std::wstring& name) {
        registry.Binary(HKCU, key, name, "C:\\Users\\ann\\Documents\\taxes.docx");
        return User(key + L"=" + name);
    };
    auto file = [&](TestFolder& folder, const std::wstring& name) { return folder.File(name, 2048); };
    // Explorer's own log beside its caches, and the user's "Temp" and
    // "History" folders among the documents: never reported.
    file(explorer, L"ExplorerStartupLog.etl");
    file(Folder(documents + L"\\Temp"), L"draft letter.docx");
    file(Folder(documents + L"\\History"), L"family tree.txt");
    const std::pair<Item, std::vector<std::wstring>> cases[] = {
        {Privacy_WindocHis,
         {value(kExplorer + L"\\RecentDocs", L"0"), value(kExplorer + L"\\RecentDocs", L"MRUListEx"),
          value(kExplorer + L"\\RecentDocs\\.docx", L"0")}},
        {Privacy_WNDTempFilesDir,
         {file(temp, L"~DF3A21.tmp"), file(temp, L"7zS1A2B\\setup.exe"), file(reportedTemp, L"wct8F21.tmp")}},
        {Privacy_WNDTypedPaths, {value(kExplorer + L"\\TypedPaths", L"url1")}},
        // With the programs Windows Search lists as used lately.
        {Privacy_WNDSearchBoxHis,
         {value(kExplorer + L"\\WordWheelQuery", L"0"), value(search + L"\\JumplistData", L"Chrome"),
          value(search + L"\\RecentApps\\{2B1C3D4E}", L"AppId"),
          value(search + L"\\RecentApps\\{2B1C3D4E}\\RecentItems\\{5F6A7B8C}", L"Path")}},
        {Privacy_WNDOpenSavePidlHis,
         {value(dialogs + L"\\OpenSavePidlMRU\\docx", L"0"), value(dialogs + L"\\LastVisitedPidlMRU", L"0"),
          value(dialogs + L"\\LastVisitedPidlMRULegacy", L"0"), value(dialogs + L"\\FirstFolder", L"0"),
          value(dialogs + L"\\CIDSizeMRU", L"0")}},
        {Privacy_WNDThumbnailCache, {file(explorer, L"thumbcache_256.db")}},
        {Privacy_WNDIconCache,
         {file(explorer, L"iconcache_32.db"),
          files.emplace_back(std::make_unique<SeededFile>(local + L"\\IconCache.db", 2048))->path}},
        {Privacy_WNDErrorReports,
         {file(reports, L"ReportArchive\\AppCrash_WINWORD.EXE_1a2b\\Report.wer"),
          file(reports, L"ReportQueue\\AppHang_explorer.exe_3c4d\\Report.wer"),
          file(machineReports, L"ReportArchive\\Kernel_141_5e6f\\Report.wer"),
          file(machineReports, L"ReportQueue\\AppCrash_EXCEL.EXE_7a8b\\memory.hdmp")}},
        {Privacy_WNDAppCrashDumps, {file(Folder(local + L"\\CrashDumps"), L"WINWORD.EXE.4242.dmp")}},
        {Privacy_WNDShaderCache, {file(Folder(local + L"\\D3DSCache"), L"8d2a41b6c3f0e5a7\\game.idx")}},
        // Explorer's own list, the folders pinned to Quick Access, stays.
        {Privacy_WNDJumpLists,
         {file(jumpLists, L"AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms"),
          file(jumpLists, L"CustomDestinations\\7e4dca80246863e3.customDestinations-ms")}},
        {Privacy_WNDStartMenuClickHis,
         {value(kExplorer + L"\\FeatureUsage\\AppLaunch", L"Microsoft.Windows.Explorer"),
          value(kExplorer + L"\\FeatureUsage\\AppSwitched", L"Chrome"),
          value(kExplorer + L"\\FeatureUsage\\ShowJumpView", L"Microsoft.Office.WINWORD.EXE.15")}},
        // Every folder opened and its view; the view set for all folders
        // and the desktop's icon layout stay.
        {Privacy_WNDShellBags,
         {value(bags + L"\\BagMRU", L"MRUListEx"), value(bags + L"\\BagMRU\\0", L"0"),
          value(bags + L"\\Bags\\12\\Shell\\{5C4F28B5-F869-4E84-8E60-F11DB97C5CC7}", L"Mode"),
          value(L"Software\\Microsoft\\Windows\\Shell\\BagMRU", L"0"),
          value(kExplorer + L"\\StreamMRU", L"a")}},
        // Timeline's database, less the platform's own settings.
        {Privacy_WNDActivityHistory,
         {file(activities, L"L.ann\\ActivitiesCache.db"),
          file(activities, L"L.ann\\ActivitiesCache.db-wal")}},
        {Privacy_WNDMemoryDumpFile,
         {file(Folder(SpecialFolderPath(CSIDL_WINDOWS) + L"\\Minidump"), L"Mini042423-01.dmp"),
          files
              .emplace_back(
                  std::make_unique<SeededFile>(SpecialFolderPath(CSIDL_WINDOWS) + L"\\MEMORY.DMP", 8192))
              ->path}},
    };
    file(jumpLists, L"AutomaticDestinations\\f01b4d95cf55d32a.automaticDestinations-ms");
    value(bags + L"\\Bags\\AllFolders\\Shell", L"KnownFolderDerivedFolderType");
    value(bags + L"\\Bags\\1\\Desktop", L"IconLayouts");
    file(activities, L"CDPGlobalSettings.cdp");
    for (const auto& [item, found] : cases) {
        EXPECT_EQ(Sorted(found), Sorted(Scan(item))) << found.front();
    }
    // Windows' service holds the database while the user is logged on: it
    // is left for a scan when it is free.
    HeldOpen service(activities.Path(L"L.ann\\ActivitiesCache.db"), GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(service.Valid());
    EXPECT_EQ(std::vector<std::wstring>{activities.Path(L"L.ann\\ActivitiesCache.db-wal")},
              Scan(Privacy_WNDActivityHistory));
}

TEST_F(WindowsItems, DownloadTempFolderIsTheOneBesideTheWindowsFolder) {
    const std::wstring cab = Folder(drive + L"\\msdownld.tmp").File(L"AS00F3.tmp\\flash.cab", 300);
    Folder(windows + L"msdownld.tmp").File(L"AS1.tmp\\a.cab", 10);
    Folder(windows + L"\\msdownld.tmp").File(L"AS2.tmp\\b.cab", 10);
    EXPECT_EQ(std::vector<std::wstring>{cab}, Scan(Privacy_WNDMsDowLoadTempfol));
}

TEST_F(WindowsItems, DiskErrorLogsOfEveryFixedDriveFollowTheHostsMode) {
    const SeededFile systemDrive(L"C:\\scandisk.log", 800);
    const SeededFile buildDrive(L"N:\\scandisk.log", 224);
    const std::wstring dump = Folder(windows + L"\\Minidump").File(L"Mini120406-01.dmp", 1024);

    EXPECT_EQ((std::vector<std::wstring>{L"C:\\scandisk.log", L"N:\\scandisk.log"}),
              Scan(Privacy_WNDDiskErrorLogFile));
    EXPECT_EQ("1.000000", EngineRecorder::SizeText());
    // A report-only scan stays one: neither the logs nor what later items find go.
    EXPECT_FALSE(scrub::theApp.deleteMode);
    Scan(Privacy_WNDMemoryDumpFile);
    EXPECT_TRUE(FileExists(L"C:\\scandisk.log") && FileExists(L"N:\\scandisk.log") && FileExists(dump));

    Privacy_CheckDelete(1);
    Scan(Privacy_WNDDiskErrorLogFile);
    EXPECT_FALSE(FileExists(L"C:\\scandisk.log") || FileExists(L"N:\\scandisk.log"));
}

TEST_F(WindowsItems, PagingFileIsOfferedOnEveryScanAndNeverTouched) {
    const std::wstring key = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    const auto before = RegistryDump(HKLM, key);
    for (int scan = 0; scan < 2; ++scan) {
        EXPECT_EQ(std::vector<std::wstring>{Machine(L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\"
                                                    L"Memory Management=ClearPageFileAtShutdown")},
                  Scan(Privacy_WNDPagingFile));
        EXPECT_EQ(1, recorder.pumps);
    }
    EXPECT_EQ(before, RegistryDump(HKLM, key));
}

TEST_F(WindowsItems, RecycleBinEntriesAreReportedByNameOrMeasuredSilently) {
    if (!RecycleBinIsIsolated()) {
        GTEST_SKIP() << "the Recycle Bin would be the host's own trash";
    }
    TestFolder& desktop = Folder(drive + L"\\nimbrel-bin");
    ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"letter to the bank.txt", 3000)));
    ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"beach.jpg", 5000)));
    ASSERT_TRUE(MoveToRecycleBin(desktop.Folder(L"old photos")));

    EXPECT_EQ(Sorted({L"beach.jpg", L"letter to the bank.txt", L"old photos"}),
              Sorted(Scan(Privacy_WNDFlushRecycleBin)));
    EXPECT_EQ(std::vector<int>({1, 1, 1}), recorder.flags);
    EXPECT_EQ(0, recorder.pumps);
    const std::string reported = EngineRecorder::SizeText();
    EXPECT_EQ("7.812500", reported); // 3000 + 5000 bytes

    Privacy_ClearFilesSize();
    EXPECT_TRUE(Scan([](unsigned char) { return Privacy_WNDFlushRecycleBin(1); }).empty());
    EXPECT_EQ(reported, EngineRecorder::SizeText()) << "the silent pass measures the same entries";
    Privacy_CheckDelete(1);
    Scan(Privacy_WNDFlushRecycleBin);
    EXPECT_EQ(3, RecycleBinCount()) << "nothing is deleted from the bin by a scan";
}

TEST_F(WindowsItems, StopRequestEndsEveryItemButTheDoNothingOne) {
    SeedEveryTrace();
    Privacy_StopScan(1);
    for (Item item : kEveryItem) {
        EXPECT_EQ(1, item(0));
    }
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
    EXPECT_EQ(1, Privacy_WNDCDBurnStorageFolder(0));
    EXPECT_EQ(1, Privacy_MULACDSRFavorites(1));
    EXPECT_EQ(1, Privacy_THPGDSDontSearTheseItemSettings(0));
}

TEST_F(WindowsItems, AScanOfEveryItemChangesNoFileNoValueAndNoBinEntry) {
    SeedEveryTrace();
    const std::wstring readOnly = windows + L"\\temp\\nimbrel\\MSI5f2a1.LOG";
    auto fileState = [&] {
        std::vector<std::wstring> state;
        for (const auto& folder : folders) {
            for (const auto& line : Snapshot(folder->Path())) {
                state.push_back(folder->Path() + L"|" + line);
            }
        }
        for (const auto& file : files) {
            state.push_back(file->path + L"|" + std::to_wstring(FileSize(file->path)));
        }
        state.push_back(std::to_wstring(Attributes(readOnly)));
        return state;
    };
    auto registryState = [] {
        auto state = RegistryDump(HKCU, L"Software\\Microsoft");
        auto machine = RegistryDump(HKLM, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon");
        state.insert(state.end(), machine.begin(), machine.end());
        machine = RegistryDump(HKLM, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager");
        state.insert(state.end(), machine.begin(), machine.end());
        return state;
    };
    const auto filesBefore = fileState();
    const auto registryBefore = registryState();
    const long long binBefore = RecycleBinCount();

    for (Item item : kEveryItem) {
        EXPECT_EQ(1, item(0));
    }

    EXPECT_GE(recorder.found.size(), 26u); // every seeded trace and the paging-file offer
    EXPECT_EQ(filesBefore, fileState());
    EXPECT_EQ(registryBefore, registryState());
    EXPECT_EQ(binBefore, RecycleBinCount());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(ScrubcoreDll, ExportsEveryWindowsItemAndTheSharedDoNothingBody) {
    const char* names[] = {
        "Privacy_WindocHis",
        "Privacy_WNDFindSearHis",
        "Privacy_WNDTempFilesDir",
        "Privacy_WNDFlushRecycleBin",
        "Privacy_WNDStartMenuClickHis",
        "Privacy_WNDStartMenuOrderHis",
        "Privacy_WNDWindLogFiles",
        "Privacy_WNDPagingFile",
        "Privacy_WNDTempFolder",
        "Privacy_WNDRunCommandHis",
        "Privacy_WNDDiskErrorLogFile",
        "Privacy_WNDMsDowLoadTempfol",
        "Privacy_WNDTempWindUpdateFol",
        "Privacy_WNDMemoryDumpFile",
        "Privacy_WNDCDBurnStorageFolder",
        "Privacy_WNDRecLogedOnUser",
        "Privacy_WNDAppDebugHis",
        "Privacy_WNDCommonDialogHis",
        "Privacy_WNDMSPaintRecFilList",
        "Privacy_WNDRecNetworkConnections",
        "Privacy_WNDRecPrinterConnections",
        "Privacy_WNDLastRegKeyViewed",
        "Privacy_WNDWordPadRecFilList",
        "Privacy_WNDTypedPaths",
        "Privacy_WNDSearchBoxHis",
        "Privacy_WNDOpenSavePidlHis",
        "Privacy_WNDThumbnailCache",
        "Privacy_WNDIconCache",
        "Privacy_WNDErrorReports",
        "Privacy_WNDAppCrashDumps",
        "Privacy_WNDShaderCache",
        "Privacy_WNDJumpLists",
        "Privacy_WNDShellBags",
        "Privacy_WNDActivityHistory",
        "Privacy_MULACDSRFavorites",
        "Privacy_THPGDSDontSearTheseItemSettings",
    };
    const auto& exported = ScrubcoreExportNames();
    ASSERT_FALSE(exported.empty());
    for (const char* name : names) {
        EXPECT_TRUE(exported.count(name)) << name;
    }
    const FARPROC body = ScrubcoreExport("Privacy_WNDCDBurnStorageFolder");
    EXPECT_EQ(body, ScrubcoreExport("Privacy_MULACDSRFavorites"));
    EXPECT_EQ(body, ScrubcoreExport("Privacy_THPGDSDontSearTheseItemSettings"));
    EXPECT_EQ(1, ScrubcoreFunction<Item>("Privacy_THPGDSDontSearTheseItemSettings")(0));
}
