// The Windows category of the demonstration: what a Windows XP user leaves
// behind after a week of documents, searches, dialogs and a crash or two,
// and what Windows 10 keeps of the same week in its own places.
#include "Demo.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kApplets = L"Software\\Microsoft\\Windows\\CurrentVersion\\Applets";
const std::wstring kSearchBar =
    L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";

std::wstring Parent(const std::wstring& path) {
    return path.substr(0, path.rfind(L'\\'));
}

// A PIDL-like MRU entry: the registry keeps these lists as binary blobs.
std::string Blob(const char* name) {
    return std::string(name) + std::string(8, '\0');
}

void SeedFileTraces() {
    const std::wstring recent = demo::SpecialFolder(CSIDL_RECENT);
    demo::SeedFile(recent + L"\\Quarterly report.doc.lnk", 612);
    demo::SeedFile(recent + L"\\Holiday pictures.lnk", 540);
    demo::SeedFile(recent + L"\\salaries 2006.xls.lnk", 598);

    const std::wstring localSettings = Parent(demo::SpecialFolder(CSIDL_LOCAL_APPDATA));
    demo::SeedFile(localSettings + L"\\Temp\\~DF3A21.tmp", 16384);
    demo::SeedFile(localSettings + L"\\Temp\\setup log 2006-12-01.txt", 2210);
    demo::SeedPicture(localSettings + L"\\Temp\\Temporary Directory 1 for photos.zip\\IMG_0042.JPG", 200,
                      120);

    const std::wstring windows = demo::SpecialFolder(CSIDL_WINDOWS);
    demo::SeedFile(windows + L"\\temp\\MSI5f2a1.LOG", 7300);
    demo::SeedFile(windows + L"\\temp\\Perflib_Perfdata_5d4.dat", 16384);
    demo::SeedFile(windows + L"\\DirectX.log", 3912);
    demo::SeedFile(windows + L"\\setupapi.log", 125000);
    demo::SeedFile(windows + L"\\Minidump\\Mini120406-01.dmp", 65536);
    demo::SeedFile(windows + L"\\Debug\\netsetup.log", 1024);
    demo::SeedFile(windows + L"\\Debug\\UserMode\\userenv.log", 4096);
    demo::SeedFile(Parent(windows) + L"\\scandisk.log", 800);
    demo::SeedFile(Parent(windows) + L"\\msdownld.tmp\\AS00F3.tmp\\flash.cab", 24576);

    const std::wstring profile = Parent(demo::SpecialFolder(CSIDL_FAVORITES));
    demo::SeedFile(profile + L"\\UserData\\0XM3ZSRW\\search[1].xml", 350);

    const std::wstring local = demo::SpecialFolder(CSIDL_LOCAL_APPDATA);
    demo::SeedFile(local + L"\\Temp\\~WRS0001.tmp", 8192);
    demo::SeedFile(local + L"\\Temp\\7zS1A2B\\setup.exe", 120000);
    demo::SeedFile(local + L"\\Microsoft\\Windows\\Explorer\\thumbcache_256.db", 1048576);
    demo::SeedFile(local + L"\\Microsoft\\Windows\\Explorer\\iconcache_32.db", 262144);
    demo::SeedFile(local + L"\\Microsoft\\Windows\\WER\\ReportArchive\\AppCrash_WINWORD.EXE_1a2b\\Report.wer",
                   5400);
    demo::SeedFile(local + L"\\CrashDumps\\WINWORD.EXE.4242.dmp", 65536);
    demo::SeedFile(local + L"\\ConnectedDevicesPlatform\\L.jsmith\\ActivitiesCache.db", 1048576);
    demo::SeedFile(windows + L"\\MEMORY.DMP", 262144);
    demo::SeedFile(local + L"\\D3DSCache\\8d2a41b6c3f0e5a7\\game.idx", 32768);
    demo::SeedFile(recent + L"\\AutomaticDestinations\\f01b4d95cf55d32a.automaticDestinations-ms", 24576);
}

void SeedRegistryTraces() {
    demo::SeedBinary(HKCU, kExplorer + L"\\RecentDocs\\.doc", L"0", Blob("Quarterly report.doc"));
    demo::SeedBinary(HKCU, kExplorer + L"\\RecentDocs\\.doc", L"MRUListEx",
                     std::string("\0\0\0\0\xff\xff\xff\xff", 8));
    demo::SeedBinary(HKCU, kExplorer + L"\\RecentDocs\\Folder", L"0", Blob("My Pictures"));
    demo::SeedBinary(HKCU, kExplorer + L"\\RecentDocs", L"0", Blob("Quarterly report.doc"));

    demo::SeedString(HKCU, L"Software\\Microsoft\\Search Assistant\\ACMru\\5603", L"000", L"salaries");
    demo::SeedString(HKCU, kExplorer + L"\\Doc Find Spec MRU", L"a", L"*.xls");
    demo::SeedString(HKCU, kExplorer + L"\\Doc Find Spec MRU", L"MRUList", L"a");
    demo::SeedString(HKCU, kSearchBar + L"\\FilesNamedMRU", L"000", L"letter");

    demo::SeedBinary(HKCU, kExplorer + L"\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count",
                     L"HRZR_EHACNGU:P:\\Cebtenz Svyrf\\Zbmvyyn Sversbk\\sversbk.rkr",
                     std::string(16, '\x01'));
    demo::SeedBinary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu", L"Order", std::string(24, '\x02'));
    demo::SeedBinary(HKCU, kExplorer + L"\\MenuOrder\\Start Menu\\Programs\\Accessories", L"Order",
                     std::string(24, '\x03'));

    demo::SeedString(HKCU, kExplorer + L"\\RunMRU", L"a", L"notepad C:\\boot.ini\\1");
    demo::SeedString(HKCU, kExplorer + L"\\RunMRU", L"b", L"regedit\\1");
    demo::SeedString(HKCU, kExplorer + L"\\RunMRU", L"MRUList", L"ba");

    demo::SeedString(HKLM, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", L"DefaultUserName",
                     L"jsmith");
    demo::SeedString(HKCU, kExplorer, L"Logon User Name", L"jsmith");

    demo::SeedBinary(HKCU, kExplorer + L"\\ComDlg32\\LastVisitedMRU", L"a", Blob("EXCEL.EXE"));
    demo::SeedString(HKCU, kExplorer + L"\\ComDlg32\\OpenSaveMRU", L"a", L"C:\\salaries 2006.xls");
    demo::SeedString(HKCU, kExplorer + L"\\ComDlg32\\OpenSaveMRU\\xls", L"a", L"C:\\salaries 2006.xls");

    demo::SeedString(HKCU, kApplets + L"\\Paint\\Recent File List", L"File1", L"C:\\holiday.bmp");
    demo::SeedString(HKCU, kApplets + L"\\Wordpad\\Recent File List", L"File1", L"C:\\letter.rtf");
    demo::SeedString(HKCU, kApplets + L"\\Regedit", L"LastKey", L"My Computer\\HKEY_CURRENT_USER\\Software");
    demo::SeedString(HKCU, kExplorer + L"\\Map Network Drive MRU", L"a", L"\\\\fileserver\\private");
    demo::SeedString(HKCU, kExplorer + L"\\PrnPortsMRU", L"a", L"\\\\printserver\\laser");

    demo::SeedString(HKCU, kExplorer + L"\\TypedPaths", L"url1", L"C:\\Users\\jsmith\\Documents\\Taxes");
    demo::SeedBinary(HKCU, kExplorer + L"\\WordWheelQuery", L"0", std::string("s\0a\0l\0a\0r\0y\0\0\0", 14));
    demo::SeedBinary(HKCU, kExplorer + L"\\ComDlg32\\OpenSavePidlMRU\\docx", L"0", Blob("taxes 2023.docx"));
    demo::SeedBinary(HKCU, kExplorer + L"\\ComDlg32\\LastVisitedPidlMRU", L"0", Blob("WINWORD.EXE"));
    // Every folder opened in Explorer, with its view.
    const std::wstring shell = L"Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell";
    demo::SeedBinary(HKCU, shell + L"\\BagMRU", L"0", Blob("Taxes"));
    demo::SeedBinary(HKCU, shell + L"\\BagMRU\\0", L"0", Blob("2023"));
    demo::SeedDword(HKCU, shell + L"\\Bags\\12\\Shell\\{5C4F28B5-F869-4E84-8E60-F11DB97C5CC7}", L"Mode", 4);
    demo::SeedBinary(HKCU, kExplorer + L"\\FeatureUsage\\AppLaunch", L"Microsoft.Windows.Explorer",
                     Blob("\x07"));
}

// A letter the user deleted from the desktop: it waits in the Recycle Bin.
void SeedRecycleBin() {
    const std::wstring letter = demo::SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\letter to the bank.txt";
    demo::SeedFile(letter, 3000);
    std::wstring from = letter;
    from.push_back(L'\0'); // the list ends with an empty name
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&operation);
}

void SeedWindows() {
    SeedFileTraces();
    SeedRegistryTraces();
    SeedRecycleBin();
}

} // namespace

DEMO_CATEGORY(windowsCategory, {0,
                                L"Windows",
                                &SeedWindows,
                                {
                                    {"Privacy_WindocHis", L"Document History"},
                                    {"Privacy_WNDFindSearHis", L"Find Search History"},
                                    {"Privacy_WNDTempFilesDir", L"Temp Folder"},
                                    {"Privacy_WNDFlushRecycleBin", L"Flush Recycle Bin"},
                                    {"Privacy_WNDStartMenuClickHis", L"Start Menu Click History"},
                                    {"Privacy_WNDStartMenuOrderHis", L"Start Menu Order History"},
                                    {"Privacy_WNDWindLogFiles", L"Log Files"},
                                    {"Privacy_WNDPagingFile", L"Paging File"},
                                    {"Privacy_WNDTempFolder", L"Windows Temp Folder"},
                                    {"Privacy_WNDRunCommandHis", L"Run Command History"},
                                    {"Privacy_WNDDiskErrorLogFile", L"Disk Error Log Files"},
                                    {"Privacy_WNDMsDowLoadTempfol", L"Download Temp Folder"},
                                    {"Privacy_WNDTempWindUpdateFol", L"Temp Windows Update Folder"},
                                    {"Privacy_WNDMemoryDumpFile", L"Memory Dump File"},
                                    {"Privacy_WNDCDBurnStorageFolder", L"Burn Storage Folder"},
                                    {"Privacy_WNDRecLogedOnUser", L"Recent Log User"},
                                    {"Privacy_WNDAppDebugHis", L"Debug History"},
                                    {"Privacy_WNDCommonDialogHis", L"Common Dialog History"},
                                    {"Privacy_WNDMSPaintRecFilList", L"Paint Recently Opened Files List"},
                                    {"Privacy_WNDRecNetworkConnections", L"Network Connections"},
                                    {"Privacy_WNDRecPrinterConnections", L"Printer Connections"},
                                    {"Privacy_WNDLastRegKeyViewed", L"Last Registry Key Viewed"},
                                    {"Privacy_WNDWordPadRecFilList", L"WordPad Recent History"},
                                    {"Privacy_WNDTypedPaths", L"Typed Paths"},
                                    {"Privacy_WNDSearchBoxHis", L"Search Box History"},
                                    {"Privacy_WNDOpenSavePidlHis", L"Open And Save Dialog Lists"},
                                    {"Privacy_WNDThumbnailCache", L"Thumbnail Cache"},
                                    {"Privacy_WNDIconCache", L"Icon Cache"},
                                    {"Privacy_WNDErrorReports", L"Error Reports"},
                                    {"Privacy_WNDAppCrashDumps", L"Crash Dumps"},
                                    {"Privacy_WNDShaderCache", L"DirectX Shader Cache"},
                                    {"Privacy_WNDJumpLists", L"Jump Lists"},
                                    {"Privacy_WNDShellBags", L"Shell Bags"},
                                    {"Privacy_WNDActivityHistory", L"Activity History"},
                                }});
