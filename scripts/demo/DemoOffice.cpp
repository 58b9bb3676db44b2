// Sample traces of an Office 97 to 2003 user: recent documents in Word,
// Excel, PowerPoint and Access, a search, and Office's recent-folder links;
// and of the same user on Office 365, signed in with an account.
#include "Demo.h"

#include <shlobj.h>

namespace {

const std::wstring kOffice = L"Software\\Microsoft\\Office\\";

void SeedOffice() {
    using namespace demo;
    const std::wstring word03 = kOffice + L"11.0\\Common\\Open Find\\Microsoft Office Word\\Settings";
    SeedBinary(HKEY_CURRENT_USER, word03 + L"\\Open\\File Name MRU", L"Value", "C:\\Letters\\bank.doc");
    SeedBinary(HKEY_CURRENT_USER, word03 + L"\\Save As\\File Name MRU", L"Value",
               "C:\\Letters\\tax 2005.doc");
    SeedBinary(HKEY_CURRENT_USER, kOffice + L"11.0\\Word\\Data", L"Settings", std::string(120, '\x07'));
    SeedString(HKEY_CURRENT_USER, kOffice + L"11.0\\Excel\\Recent Files", L"File1", L"C:\\Budget\\2006.xls");
    SeedString(HKEY_CURRENT_USER, kOffice + L"11.0\\PowerPoint\\Recent File List", L"File1",
               L"C:\\Talks\\launch.ppt");
    SeedString(HKEY_CURRENT_USER, kOffice + L"11.0\\Access\\Settings", L"MRU1", L"C:\\Data\\contacts.mdb");
    SeedDword(HKEY_CURRENT_USER, kOffice + L"11.0\\Access\\Settings", L"MRUFlags1", 0);
    SeedString(HKEY_CURRENT_USER, kOffice + L"11.0\\Common\\Search\\Last Query", L"Text", L"salary review");
    SeedString(HKEY_CURRENT_USER, kOffice + L"10.0\\Word\\Recent Files", L"File1", L"C:\\Old\\minutes.doc");
    SeedString(HKEY_CURRENT_USER, kOffice + L"9.0\\Excel\\Recent Files", L"File1", L"C:\\Old\\loans.xls");
    SeedString(HKEY_CURRENT_USER,
               L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List", L"Web1",
               L"http://intranet/team");
    const std::wstring recent = SpecialFolder(CSIDL_APPDATA) + L"\\Microsoft\\Office\\Recent";
    SeedFile(recent + L"\\Budget.LNK", 1024);
    SeedFile(recent + L"\\Letters on server.LNK", 512);
    SeedFile(recent + L"\\Welcome to Word.LNK", 900); // Office's own: it stays

    const std::wstring office365 = kOffice + L"16.0";
    SeedString(HKEY_CURRENT_USER, office365 + L"\\Word\\File MRU", L"Item 1",
               L"[F00000000][T01D9A1B2C3D4E5F6][O00000000]*C:\\Users\\jsmith\\Documents\\CV.docx");
    SeedDword(HKEY_CURRENT_USER, office365 + L"\\Word\\File MRU", L"Max Display", 50);
    SeedString(HKEY_CURRENT_USER, office365 + L"\\Word\\Reading Locations\\Document 0", L"File Path",
               L"C:\\Users\\jsmith\\Documents\\CV.docx");
    SeedString(HKEY_CURRENT_USER, office365 + L"\\Excel\\User MRU\\ADAL_8F3A21\\File MRU", L"Item 1",
               L"[F00000000][T01D9A1B2C3D4E5F7][O00000000]*https://files.example/budget.xlsx");
    SeedString(HKEY_CURRENT_USER, office365 + L"\\PowerPoint\\Place MRU", L"Item 1",
               L"[F00000000][T01D9A1B2C3D4E5F8][O00000000]*C:\\Users\\jsmith\\Documents\\Talks\\");
    SeedBinary(HKEY_CURRENT_USER, office365 + L"\\Excel\\Security\\Trusted Documents\\TrustRecords",
               L"%USERPROFILE%/Documents/payroll.xlsm", std::string(24, '\x01'));
    SeedString(HKEY_CURRENT_USER, office365 + L"\\OneNote\\RecentNotebooks", L"Notebook1",
               L"https://files.example/Notebooks/Family");
    SeedFile(SpecialFolder(CSIDL_LOCAL_APPDATA) +
                 L"\\Microsoft\\Office\\UnsavedFiles\\Book1((Unsaved-308189468571023716)).xlsb",
             18000);
}

} // namespace

DEMO_CATEGORY(officeCategory,
              {3,
               L"MS Office",
               &SeedOffice,
               {
                   {"Privacy_OFFWord03", L"Office 2003 Word 2003"},
                   {"Privacy_OFFAccess03", L"Office 2003 Access 2003"},
                   {"Privacy_OFFExcel03", L"Office 2003 Excel 2003"},
                   {"Privacy_OFFVisio03", L"Office 2003 Visio 2003"},
                   {"Privacy_OFFPowerPoint03", L"Office 2003 PowerPoint 2003"},
                   {"Privacy_OFFPublisher03", L"Office 2003 Publisher 2003"},
                   {"Privacy_OFFFrontPage03", L"Office 2003 FrontPage 2003"},
                   {"Privacy_OFFProject03", L"Office 2003 Project 2003"},
                   {"Privacy_OFFInfopath03", L"Office 2003 Infopath 2003"},
                   {"Privacy_OFFClipOrganizer", L"Office 2003 Clip Organizer"},
                   {"Privacy_OFFPictureManager", L"Office 2003 Picture Manager"},
                   {"Privacy_OFFSnapShotViewer", L"Office 2003 SnapShot Viewer"},
                   {"Privacy_OFFSaveMySettings", L"Office 2003 Saved Settings"},
                   {"Privacy_OFFWordXP", L"Office XP Word XP"},
                   {"Privacy_OFFExcelXP", L"Office XP Excel XP"},
                   {"Privacy_OFFAccessXP", L"Office XP Access XP"},
                   {"Privacy_OFFPowerPointXP", L"Office XP PowerPoint XP"},
                   {"Privacy_OFFFrontPageXP", L"Office XP FrontPage XP"},
                   {"Privacy_OFFWord00", L"Office 2000 Word 2000"},
                   {"Privacy_OFFExcel00", L"Office 2000 Excel 2000"},
                   {"Privacy_OFFAccess00", L"Office 2000 Access 2000"},
                   {"Privacy_OFFPowerPoint00", L"Office 2000 PowerPoint 2000"},
                   {"Privacy_OFFFrontPage00", L"Office 2000 FrontPage 2000"},
                   {"Privacy_OFFWord97", L"Office 97 Word 97"},
                   {"Privacy_OFFExcel97", L"Office 97 Excel 97"},
                   {"Privacy_OFFAccess97", L"Office 97 Access 97"},
                   {"Privacy_OFFPowerPoint97", L"Office 97 PowerPoint 97"},
                   {"Privacy_OFFOfficeRecentFolders", L"Shared Resources Recent Folder"},
                   {"Privacy_OFFInternetServerCache", L"Shared Resources Internet Server Cache"},
                   {"Privacy_OFFSearchHis", L"Shared Resources Search History"},
                   {"Privacy_OFFFrontPageAll", L"Shared Resources FrontPage All"},
                   {"Privacy_OFFWord07to365", L"Office 2007-365 Word"},
                   {"Privacy_OFFExcel07to365", L"Office 2007-365 Excel"},
                   {"Privacy_OFFPowerPoint07to365", L"Office 2007-365 PowerPoint"},
                   {"Privacy_OFFAccess07to365", L"Office 2007-365 Access"},
                   {"Privacy_OFFPublisher07to365", L"Office 2007-365 Publisher"},
                   {"Privacy_OFFVisio07to365", L"Office 2007-365 Visio"},
                   {"Privacy_OFFOneNote07to365", L"Office 2007-365 OneNote"},
                   {"Privacy_OFFUnsavedFiles", L"Office 2007-365 Unsaved Documents"},
                   {"Privacy_OFFOfficeFileCache", L"Office 2007-365 Upload Center Cache"},
               }});
