// Third-party applications: a user who reads PDF files, searches the desktop
// with several tools and watches Flash videos.
#include "Demo.h"

#include <shlobj.h>

namespace {

using namespace demo;

void Seed() {
    const std::wstring appData = SpecialFolder(CSIDL_APPDATA);
    const std::wstring localAppData = SpecialFolder(CSIDL_LOCAL_APPDATA);

    SeedString(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", L"File1",
               L"/C/My Documents/tax return.pdf");
    for (int n = 1; n <= 3; ++n) {
        SeedString(HKEY_CURRENT_USER,
                   L"Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles\\c" + std::to_wstring(n),
                   L"tDIText", L"/C/My Documents/statement" + std::to_wstring(n) + L".pdf");
    }
    // Acrobat Reader DC: a key per recent document and folder, beside its settings.
    const std::wstring readerDC = L"Software\\Adobe\\Acrobat Reader\\DC\\AVGeneral";
    SeedDword(HKEY_CURRENT_USER, readerDC, L"bExpandRHPInViewingMode", 1);
    SeedString(HKEY_CURRENT_USER, readerDC + L"\\cRecentFiles\\c1", L"tDIText",
               L"/C/Users/jsmith/Documents/lease.pdf");
    SeedString(HKEY_CURRENT_USER, readerDC + L"\\cRecentFolders\\c1", L"tDIText",
               L"/C/Users/jsmith/Documents");

    const std::wstring google = localAppData + L"\\Google\\Google Desktop";
    SeedFile(google + L"\\desktop.log", 700);
    SeedFile(google + L"\\user_1\\repository\\index.idx", 262144);
    SeedFile(google + L"\\user_1\\Links\\Mail.lnk", 420);
    SeedFile(google + L"\\user_1\\Temp\\snippet.tmp", 3000);
    SeedString(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"cheap flights", L"");
    SeedDword(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"weather paris", 0x45a1b2c3);

    const std::wstring yahoo = localAppData + L"\\Yahoo! Desktop Search";
    SeedFile(yahoo + L"\\index\\main.idx", 98304);
    SeedFile(yahoo + L"\\logs\\ydsprocess.log", 4096);
    SeedFile(yahoo + L"\\saved searches\\invoices.yds", 800);

    const std::wstring search = localAppData + L"\\Microsoft\\Desktop Search";
    SeedFile(search + L"\\Applications\\RSApp\\Projects\\MyIndex\\Indexer\\CiFiles\\00010001.ci", 131072);
    SeedFile(search + L"\\Applications\\RSApp\\GatherLogs\\SystemIndex.1.gthr", 2048);
    SeedFile(search + L"\\Logs\\WindowsDesktopSearch.log", 6000);

    SeedFile(appData + L"\\AOL\\DTS\\Index\\segments.gen", 20480);
    SeedFile(appData + L"\\Macromedia\\Flash Player\\#SharedObjects\\K7Q2\\video.example.com\\player.sol",
             700);
}

} // namespace

DEMO_CATEGORY(thirdParty,
              {7,
               L"Third-party applications",
               &Seed,
               {
                   {"Privacy_THPAdobeAcrobat4", L"Adobe Acrobat Acrobat 4"},
                   {"Privacy_THPAdobeAcrobat5", L"Adobe Acrobat Acrobat 5"},
                   {"Privacy_THPAdobeAcrobat6", L"Adobe Acrobat Acrobat 6"},
                   {"Privacy_THPAdobeAcrobat7", L"Adobe Acrobat Acrobat 7"},
                   {"Privacy_THPAdobeAcrobatDC", L"Adobe Acrobat Acrobat DC"},
                   {"Privacy_THPAdobeAcrobat2015", L"Adobe Acrobat Acrobat 2015"},
                   {"Privacy_THPAdobeAcrobat2017", L"Adobe Acrobat Acrobat 2017"},
                   {"Privacy_THPAdobeAcrobat2020", L"Adobe Acrobat Acrobat 2020"},
                   {"Privacy_THPGDSIndDataFolder", L"Google Desktop Search Index And Data Folder"},
                   {"Privacy_THPGDSLinksFolder", L"Google Desktop Search Links Folder"},
                   {"Privacy_THPGDSTemporayFolder", L"Google Desktop Search Temporary Folder"},
                   {"Privacy_THPGDSGogToolBarSearHis", L"Google Desktop Search Tool Bar Search History"},
                   {"Privacy_THPGDSDontSearTheseItemSettings",
                    L"Google Desktop Search Don't Search These Items"},
                   {"Privacy_THPYDSIndex", L"Yahoo Desktop search Index"},
                   {"Privacy_THPYDSSavedSearches", L"Yahoo Desktop search Saved Searches"},
                   {"Privacy_THPYDSLogs", L"Yahoo Desktop search Logs"},
                   {"Privacy_THPWDSIndex", L"Windows Desktop Search Index"},
                   {"Privacy_THPWDSLogs", L"Windows Desktop Search Logs"},
                   {"Privacy_THPADSIndex", L"AOL Desktop Search Index"},
                   {"Privacy_THPMMFPHisandTempFiles", L"Macromedia Flash Player History And Temp Files"},
               }});
