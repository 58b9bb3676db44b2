#include "ItemSelection.h"

#include "CommunityItems.h"
#include "SettingsStore.h"
#include "scrubcore/CommunityRules.h"
#include "scrubcore/BrowserItems.h"
#include "scrubcore/EmailItems.h"
#include "scrubcore/FileSharingItems.h"
#include "scrubcore/MessengerItems.h"
#include "scrubcore/MultimediaItems.h"
#include "scrubcore/OfficeItems.h"
#include "scrubcore/ThirdPartyItems.h"
#include "scrubcore/WindowsItems.h"
#include "win32/Text.h"

#include <windows.h>

namespace nimbrel {

namespace {

using C = ItemCategory;
constexpr bool on = true;
// Off by default: mostly items whose traces are the user's own keepsakes
// (downloads, shared and received files, sent mail, drafts, image
// databases, contact lists, media libraries, unsaved documents), saved
// passwords, the saved addresses and cards of today's browsers, the site
// settings the user chose, and the sessions the programs restore at their
// next start.
constexpr bool off = false;

// One row per item; the scan run keeps this order. Columns: category, group
// and label (the option and its stored value), default, the engine export,
// the found-items node and, where it differs from the node text, the
// activity suffix.
// clang-format off
const std::vector<SelectionItem> kItems = {
    // Windows
    {C::Windows, L"Windows", L"Document History", on, Privacy_WindocHis, L" Document History"},
    {C::Windows, L"Windows", L"Find Search History", on, Privacy_WNDFindSearHis, L" Find Search History", L" Find search History"},
    {C::Windows, L"Windows", L"Temp Folder", on, Privacy_WNDTempFilesDir, L" Temp Folder"},
    {C::Windows, L"Windows", L"Flush Recycle Bin", on, Privacy_WNDFlushRecycleBin, L"Flush Recycle bin", L" Flush RecycleBin"},
    {C::Windows, L"Windows", L"Start Menu Click History", on, Privacy_WNDStartMenuClickHis, L" Start Menu Click History", L" Start menu click History"},
    {C::Windows, L"Windows", L"Start Menu Order History", on, Privacy_WNDStartMenuOrderHis, L" Start Menu Order History", L" Start menu order History"},
    {C::Windows, L"Windows", L"Log Files", on, Privacy_WNDWindLogFiles, L" Windows Log Files", L" Log file"},
    {C::Windows, L"Windows", L"Paging File", on, Privacy_WNDPagingFile, L" Paging file"},
    {C::Windows, L"Windows", L"Windows Temp Folder", on, Privacy_WNDTempFolder, L" Windows Temp Folder"},
    {C::Windows, L"Windows", L"Run Command History", on, Privacy_WNDRunCommandHis, L" Run command History", L" Run cmd History"},
    {C::Windows, L"Windows", L"Disk Error Log Files", on, Privacy_WNDDiskErrorLogFile, L" Disk Error log file", L" Disk Error Log Files"},
    {C::Windows, L"Windows", L"Download Temp Folder", on, Privacy_WNDMsDowLoadTempfol, L" Download Temp Folder"},
    {C::Windows, L"Windows", L"Temp Windows Update Folder", on, Privacy_WNDTempWindUpdateFol, L" Temp Windows Update Folder"},
    {C::Windows, L"Windows", L"Memory Dump File", on, Privacy_WNDMemoryDumpFile, L" Memory Dump File", L" Memory dump file"},
    {C::Windows, L"Windows", L"Burn Storage Folder", on, Privacy_WNDCDBurnStorageFolder, L" Burn Storage Folder"},
    {C::Windows, L"Windows", L"Recent Log User", on, Privacy_WNDRecLogedOnUser, L" Recent Log User"},
    {C::Windows, L"Windows", L"Debug History", on, Privacy_WNDAppDebugHis, L" Debug History"},
    {C::Windows, L"Windows", L"Common Dialog History", on, Privacy_WNDCommonDialogHis, L" Common Dialog History"},
    {C::Windows, L"Windows", L"Paint Recently Opened Files List", on, Privacy_WNDMSPaintRecFilList, L" Paint Recently Opened Files List"},
    {C::Windows, L"Windows", L"Network Connections", on, Privacy_WNDRecNetworkConnections, L" Network Connections"},
    {C::Windows, L"Windows", L"Printer Connections", on, Privacy_WNDRecPrinterConnections, L" Printer Connections"},
    {C::Windows, L"Windows", L"Last Registry Key Viewed", on, Privacy_WNDLastRegKeyViewed, L" Last Registry Key Viewed"},
    {C::Windows, L"Windows", L"WordPad Recent History", on, Privacy_WNDWordPadRecFilList, L" WordPad Recent History"},
    {C::Windows, L"Windows", L"Typed Paths", on, Privacy_WNDTypedPaths, L" Typed Paths"},
    {C::Windows, L"Windows", L"Search Box History", on, Privacy_WNDSearchBoxHis, L" Search Box History"},
    {C::Windows, L"Windows", L"Open And Save Dialog Lists", on, Privacy_WNDOpenSavePidlHis, L" Open And Save Dialog Lists"},
    {C::Windows, L"Windows", L"Thumbnail Cache", on, Privacy_WNDThumbnailCache, L" Thumbnail Cache"},
    {C::Windows, L"Windows", L"Icon Cache", on, Privacy_WNDIconCache, L" Icon Cache"},
    {C::Windows, L"Windows", L"Error Reports", on, Privacy_WNDErrorReports, L" Error Reports"},
    {C::Windows, L"Windows", L"Crash Dumps", on, Privacy_WNDAppCrashDumps, L" Crash Dumps"},
    {C::Windows, L"Windows", L"DirectX Shader Cache", on, Privacy_WNDShaderCache, L" DirectX Shader Cache"},
    {C::Windows, L"Windows", L"Jump Lists", off, Privacy_WNDJumpLists, L" Jump Lists"},
    {C::Windows, L"Windows", L"Shell Bags", on, Privacy_WNDShellBags, L" Shell Bags"},
    {C::Windows, L"Windows", L"Activity History", on, Privacy_WNDActivityHistory, L" Activity History"},
    // Internet browsers
    {C::InternetBrowsers, L"Internet Explorer", L"Temp Internet Folder", on, Privacy_IETempInternetFiles, L"Temp Internet Folder"},
    {C::InternetBrowsers, L"Internet Explorer", L"Visited Sites", on, Privacy_IEHisOfVisitedsites, L"Visited Sites"},
    {C::InternetBrowsers, L"Internet Explorer", L"Favorites", off, Privacy_IEFavorites, L"IE Favorites", L" favorites"},
    {C::InternetBrowsers, L"Internet Explorer", L"Cookies", on, Privacy_IECookies, L"IE Cookies", L" cookies"},
    {C::InternetBrowsers, L"Internet Explorer", L"Start Page", on, Privacy_IEStartpageNSecondarytabs, L"Start Page"},
    {C::InternetBrowsers, L"Internet Explorer", L"Index.dat", on, Privacy_IEIndexDat, L"Index.dat"},
    {C::InternetBrowsers, L"Internet Explorer", L"Auto Complete Form Data", on, Privacy_IEAutoComplData, L"Auto Complete Form Data"},
    {C::InternetBrowsers, L"Internet Explorer", L"Download Dir Memory", on, Privacy_IEDowDirMemory, L"Download Dir Memory"},
    {C::InternetBrowsers, L"Internet Explorer", L"Saved Dir Memory", on, Privacy_IESavedDirMemory, L"Saved Dir Memory"},
    {C::InternetBrowsers, L"Internet Explorer", L"Update Log Files", on, Privacy_IESetUpLogFiles, L"Update Log Files"},
    {C::InternetBrowsers, L"Internet Explorer", L"Saved Passwords", off, Privacy_IESavePasswords, L"IE Saved Passwords", L" Saved Passwords"},
    {C::InternetBrowsers, L"Internet Explorer", L"Downloaded Program Files", on, Privacy_IEDownLoadProgFiles, L"Downloaded Program Files"},
    {C::InternetBrowsers, L"Internet Explorer", L"Address Bar History", on, Privacy_IEAddressbarHis, L"IE Address Bar History", L" Address Bar History"},
    {C::InternetBrowsers, L"Netscape", L"Cache", on, Privacy_NSCache, L"Netscpe Cache", L" Cache"},
    {C::InternetBrowsers, L"Netscape", L"Address Bar History", on, Privacy_NSAddBarPagHis, L"Address Bar History"},
    {C::InternetBrowsers, L"Netscape", L"Saved Forms History", on, Privacy_NSSavedFormHis, L"Saved Forms History"},
    {C::InternetBrowsers, L"Netscape", L"Cookies", on, Privacy_NSCookies, L"Netscape Cookies", L" Cookies"},
    {C::InternetBrowsers, L"Netscape", L"Search History", on, Privacy_NSSearHis, L"Search History"},
    {C::InternetBrowsers, L"Netscape", L"Downloads History", on, Privacy_NSDownLoadManHis, L"Netscape Downloads History", L" Downloads History"},
    {C::InternetBrowsers, L"Netscape", L"Data Card History", on, Privacy_NSDataCardManHis, L"Data Card History"},
    {C::InternetBrowsers, L"Netscape", L"Address Bar Password History", on, Privacy_NSAddBarPagHisPasscardManHis, L"Address Bar Password History"},
    {C::InternetBrowsers, L"Opera", L"Cache", on, Privacy_OPCache, L"Cache"},
    {C::InternetBrowsers, L"Opera", L"Visited Sites", on, Privacy_OPHistoryofvisSites, L"Visited Sites"},
    {C::InternetBrowsers, L"Opera", L"Address Bar History", on, Privacy_OPHisTypedinAddbar, L"Address Bar History"},
    {C::InternetBrowsers, L"Opera", L"Cookies", on, Privacy_OPCookies, L"Cookies"},
    {C::InternetBrowsers, L"Opera", L"Saved Passwords", on, Privacy_OPCacheWandPassWord, L"Saved Passwords"},
    {C::InternetBrowsers, L"Opera", L"Transfer History", on, Privacy_OPHisFilTransfer, L"Transfer History"},
    {C::InternetBrowsers, L"AOL Browser", L"Address Bar History", off, Privacy_AQAddBarHis, L"Address Bar History"},
    {C::InternetBrowsers, L"AOL Browser", L"Internet Cache Folder", on, Privacy_AQInternetCacheFol, L"Internet Cache Folder"},
    {C::InternetBrowsers, L"AOL Browser", L"History", off, Privacy_AQHis, L"History"},
    {C::InternetBrowsers, L"AOL Browser", L"Cookies", off, Privacy_AQCookies, L"Cookies"},
    {C::InternetBrowsers, L"Firefox", L"Browser History", on, Privacy_FFBrowHis, L"Browser History"},
    {C::InternetBrowsers, L"Firefox", L"Saved Forms History", on, Privacy_FFSavForHis, L"Saved Forms History"},
    {C::InternetBrowsers, L"Firefox", L"Cache", on, Privacy_FFCache, L"Firefox Cache", L" Cache"},
    {C::InternetBrowsers, L"Firefox", L"Downloads History", on, Privacy_FFDownHis, L"Firefox Downloads History", L" Downloads History"},
    {C::InternetBrowsers, L"Firefox", L"Cookies", on, Privacy_FFCookies, L"Firefox Cookies", L" Cookies"},
    {C::InternetBrowsers, L"Firefox", L"Saved Passwords", off, Privacy_FFSavPasswords, L"Firefox Saved Passwords", L" Saved Passwords"},
    {C::InternetBrowsers, L"Firefox", L"Key Passwords", off, Privacy_FFKeyDataMasPass, L"Key Passwords"},
    {C::InternetBrowsers, L"Firefox", L"Session", off, Privacy_FFSession, L"Session"},
    {C::InternetBrowsers, L"Firefox", L"Crash Reports", on, Privacy_FFCrashReports, L"Crash Reports"},
    {C::InternetBrowsers, L"Firefox", L"Site Settings", off, Privacy_FFSiteSettings, L"Site Settings"},
    {C::InternetBrowsers, L"Google Chrome", L"Cache", on, Privacy_GCCache, L"Cache"},
    {C::InternetBrowsers, L"Google Chrome", L"Cookies And Site Data", on, Privacy_GCCookies, L"Cookies And Site Data"},
    {C::InternetBrowsers, L"Google Chrome", L"History", on, Privacy_GCHistory, L"History"},
    {C::InternetBrowsers, L"Google Chrome", L"Sessions", off, Privacy_GCSessions, L"Sessions"},
    {C::InternetBrowsers, L"Google Chrome", L"Saved Form Data, Addresses And Cards", off, Privacy_GCFormData, L"Saved Form Data, Addresses And Cards"},
    {C::InternetBrowsers, L"Google Chrome", L"Saved Passwords", off, Privacy_GCPasswords, L"Saved Passwords"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Cache", on, Privacy_MECache, L"Cache"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Cookies And Site Data", on, Privacy_MECookies, L"Cookies And Site Data"},
    {C::InternetBrowsers, L"Microsoft Edge", L"History", on, Privacy_MEHistory, L"History"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Sessions", off, Privacy_MESessions, L"Sessions"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Saved Form Data, Addresses And Cards", off, Privacy_MEFormData, L"Saved Form Data, Addresses And Cards"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Saved Passwords", off, Privacy_MEPasswords, L"Saved Passwords"},
    {C::InternetBrowsers, L"Brave", L"Cache", on, Privacy_BRCache, L"Cache"},
    {C::InternetBrowsers, L"Brave", L"Cookies And Site Data", on, Privacy_BRCookies, L"Cookies And Site Data"},
    {C::InternetBrowsers, L"Brave", L"History", on, Privacy_BRHistory, L"History"},
    {C::InternetBrowsers, L"Brave", L"Sessions", off, Privacy_BRSessions, L"Sessions"},
    {C::InternetBrowsers, L"Brave", L"Saved Form Data, Addresses And Cards", off, Privacy_BRFormData, L"Saved Form Data, Addresses And Cards"},
    {C::InternetBrowsers, L"Brave", L"Saved Passwords", off, Privacy_BRPasswords, L"Saved Passwords"},
    {C::InternetBrowsers, L"Vivaldi", L"Cache", on, Privacy_VICache, L"Cache"},
    {C::InternetBrowsers, L"Vivaldi", L"Cookies And Site Data", on, Privacy_VICookies, L"Cookies And Site Data"},
    {C::InternetBrowsers, L"Vivaldi", L"History", on, Privacy_VIHistory, L"History"},
    {C::InternetBrowsers, L"Vivaldi", L"Sessions", off, Privacy_VISessions, L"Sessions"},
    {C::InternetBrowsers, L"Vivaldi", L"Saved Form Data, Addresses And Cards", off, Privacy_VIFormData, L"Saved Form Data, Addresses And Cards"},
    {C::InternetBrowsers, L"Vivaldi", L"Saved Passwords", off, Privacy_VIPasswords, L"Saved Passwords"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Cache", on, Privacy_OPNCache, L"Cache"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Cookies And Site Data", on, Privacy_OPNCookies, L"Cookies And Site Data"},
    {C::InternetBrowsers, L"Opera 15 and later", L"History", on, Privacy_OPNHistory, L"History"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Sessions", off, Privacy_OPNSessions, L"Sessions"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Saved Form Data, Addresses And Cards", off, Privacy_OPNFormData, L"Saved Form Data, Addresses And Cards"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Saved Passwords", off, Privacy_OPNPasswords, L"Saved Passwords"},

    // Instant messengers
    {C::InstantMessengers, L"ICQ 2003 b", L"Cache And Cookies", on, Privacy_MSGRICQBCacheandCookies, L"Cache And Cookies"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Received Files", off, Privacy_MSGRICQBReceivedFiles, L"Received files"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Bookmarks", off, Privacy_MSGRICQBBookMarks, L"Bookmarks", L" BookMarks"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Downloads", off, Privacy_MSGRICQBDownLoads, L"Downloads", L" DownLoads"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Contact List", off, Privacy_MSGRICQBContactList, L"Contact List"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Shared File", off, Privacy_MSGRICQBSharedFiles, L"Shared File"},
    {C::InstantMessengers, L"ICQ 2003 b", L"Pictures", off, Privacy_MSGRICQBPictures, L"Pictures"},
    {C::InstantMessengers, L"ICQ 5.1", L"Chat History", on, Privacy_MSGRICQ5ChatHis, L"Chat History"},
    {C::InstantMessengers, L"ICQ 5.1", L"Log Files", on, Privacy_MSGRICQ5LogFiles, L"Log Files"},
    {C::InstantMessengers, L"ICQ 5.1", L"Received Files", off, Privacy_MSGRICQ5ReceivedFiles, L"Received files", L" Received Files"},
    {C::InstantMessengers, L"ICQ 5.1", L"Contact List", off, Privacy_MSGRICQ5ContactList, L"Contact List"},
    {C::InstantMessengers, L"ICQ 5.1", L"Browser Cache", on, Privacy_MSGRICQ5BrowserCache, L"Browser Cache"},
    {C::InstantMessengers, L"Yahoo", L"Cache", on, Privacy_MSGRYahCache, L"Cache"},
    {C::InstantMessengers, L"Yahoo", L"Chat And Voice History", on, Privacy_MSGRYahChatandVoiceHis, L"Chat And Voice History"},
    {C::InstantMessengers, L"Yahoo", L"Program Logs", on, Privacy_MSGRYahProgLogs, L"Program Logs"},
    {C::InstantMessengers, L"AOL", L"Chat History", on, Privacy_MSGRAQLChatHis, L"Chat History"},
    {C::InstantMessengers, L"AOL", L"Received And Shared Files", off, Privacy_MSGRAQLReceivandSharFiles, L"Received And Shared Files"},
    {C::InstantMessengers, L"AOL", L"Recent Screen Name", on, Privacy_MSGRAQLRecentScreenName, L"Recent Screen Name"},
    {C::InstantMessengers, L"Skype", L"Voice And Chat History", on, Privacy_MSGRSkyChatandVoiceHis, L"Chat And Voice History"},
    {C::InstantMessengers, L"Skype", L"File Transfer History", on, Privacy_MSGRSkyFileTransferHis, L"File Transfer History"},
    {C::InstantMessengers, L"Skype", L"Voice Mail History", on, Privacy_MSGRSkyVoiceMailHis, L"Voice Mail History"},
    {C::InstantMessengers, L"Skype", L"Received Files", off, Privacy_MSGRSkyReceivedFiles, L"Received files", L" Received Files"},
    {C::InstantMessengers, L"Trillian", L"Chat Logs", on, Privacy_MSGRTrilChatLogs, L"Chat Logs"},
    {C::InstantMessengers, L"Trillian", L"Received Files", off, Privacy_MSGRTrilReceivedFiles, L"Received files", L" Received Files"},
    {C::InstantMessengers, L"MSN Messenger", L"Chat Logs And Received Files", off, Privacy_MSGRMSNChatLogandRecvFiles, L"Chat Logs And Received Files"},
    {C::InstantMessengers, L"Google Talk", L"Chat Logs", on, Privacy_MSGRGogChatLogs, L"Chat Logs"},
    {C::InstantMessengers, L"Gaim", L"Chat Logs", on, Privacy_MSGRGMChatLogs, L"Chat Logs"},
    // MS Office
    {C::MSOffice, L"Office 2003", L"Word 2003", on, Privacy_OFFWord03, L"Word 2003", L" Word "},
    {C::MSOffice, L"Office 2003", L"Access 2003", on, Privacy_OFFAccess03, L"Access 2003", L" Access"},
    {C::MSOffice, L"Office 2003", L"Excel 2003", on, Privacy_OFFExcel03, L"Excel 2003", L" Excel"},
    {C::MSOffice, L"Office 2003", L"Visio 2003", on, Privacy_OFFVisio03, L"Visio 2003", L" Vision"},
    {C::MSOffice, L"Office 2003", L"PowerPoint 2003", on, Privacy_OFFPowerPoint03, L"PowerPoint 2003", L" PowerPoint"},
    {C::MSOffice, L"Office 2003", L"Publisher 2003", on, Privacy_OFFPublisher03, L"Publisher 2003", L" Publisher"},
    {C::MSOffice, L"Office 2003", L"FrontPage 2003", on, Privacy_OFFFrontPage03, L"FrontPage 2003", L" FrontPage"},
    {C::MSOffice, L"Office 2003", L"Project 2003", on, Privacy_OFFProject03, L"Project 2003", L" Project"},
    {C::MSOffice, L"Office 2003", L"Infopath 2003", on, Privacy_OFFInfopath03, L"Infopath 2003"},
    {C::MSOffice, L"Office 2003", L"Clip Organizer", on, Privacy_OFFClipOrganizer, L"Clip Organizer"},
    {C::MSOffice, L"Office 2003", L"Picture Manager", on, Privacy_OFFPictureManager, L"Picture Manager"},
    {C::MSOffice, L"Office 2003", L"SnapShot Viewer", on, Privacy_OFFSnapShotViewer, L"SnapShot Viewer"},
    {C::MSOffice, L"Office 2003", L"Saved Settings", on, Privacy_OFFSaveMySettings, L"Saved Settings"},
    {C::MSOffice, L"Office XP", L"Word XP", on, Privacy_OFFWordXP, L"Word XP", L" Word"},
    {C::MSOffice, L"Office XP", L"Excel XP", on, Privacy_OFFExcelXP, L"Excel XP", L" Excel"},
    {C::MSOffice, L"Office XP", L"Access XP", on, Privacy_OFFAccessXP, L"Access XP", L" Access"},
    {C::MSOffice, L"Office XP", L"PowerPoint XP", on, Privacy_OFFPowerPointXP, L"PowerPoint XP", L" PowerPoint"},
    {C::MSOffice, L"Office XP", L"FrontPage XP", on, Privacy_OFFFrontPageXP, L"FrontPage XP ", L" FrontPage"},
    {C::MSOffice, L"Office 2000", L"Word 2000", on, Privacy_OFFWord00, L"Word 2000", L" Word"},
    {C::MSOffice, L"Office 2000", L"Excel 2000", on, Privacy_OFFExcel00, L"Excel 2000", L" Excel"},
    {C::MSOffice, L"Office 2000", L"Access 2000", on, Privacy_OFFAccess00, L"Access 2000", L" Access"},
    {C::MSOffice, L"Office 2000", L"PowerPoint 2000", on, Privacy_OFFPowerPoint00, L"PowerPoint 2000", L" PowerPoint"},
    {C::MSOffice, L"Office 2000", L"FrontPage 2000", on, Privacy_OFFFrontPage00, L"FrontPage 2000", L" FrontPage"},
    {C::MSOffice, L"Office 97", L"Word 97", on, Privacy_OFFWord97, L"Word 97", L" Word"},
    {C::MSOffice, L"Office 97", L"Excel 97", on, Privacy_OFFExcel97, L"Excel 97", L" Excel"},
    {C::MSOffice, L"Office 97", L"Access 97", on, Privacy_OFFAccess97, L"Access 97", L" Access"},
    {C::MSOffice, L"Office 97", L"PowerPoint 97", on, Privacy_OFFPowerPoint97, L"PowerPoint 97", L" PowerPoint"},
    {C::MSOffice, L"Shared Resources", L"Recent Folder", on, Privacy_OFFOfficeRecentFolders, L"Recent Folder"},
    {C::MSOffice, L"Shared Resources", L"Internet Server Cache", on, Privacy_OFFInternetServerCache, L"Internet Server Cache"},
    {C::MSOffice, L"Shared Resources", L"Search History", on, Privacy_OFFSearchHis, L"Shred Resourses Search History", L" Shared Resources Search History"},
    {C::MSOffice, L"Shared Resources", L"FrontPage All", on, Privacy_OFFFrontPageAll, L"FrontPage All"},
    {C::MSOffice, L"Office 2007-365", L"Word", on, Privacy_OFFWord07to365, L"Word"},
    {C::MSOffice, L"Office 2007-365", L"Excel", on, Privacy_OFFExcel07to365, L"Excel"},
    {C::MSOffice, L"Office 2007-365", L"PowerPoint", on, Privacy_OFFPowerPoint07to365, L"PowerPoint"},
    {C::MSOffice, L"Office 2007-365", L"Access", on, Privacy_OFFAccess07to365, L"Access"},
    {C::MSOffice, L"Office 2007-365", L"Publisher", on, Privacy_OFFPublisher07to365, L"Publisher"},
    {C::MSOffice, L"Office 2007-365", L"Visio", on, Privacy_OFFVisio07to365, L"Visio"},
    {C::MSOffice, L"Office 2007-365", L"OneNote", on, Privacy_OFFOneNote07to365, L"OneNote"},
    {C::MSOffice, L"Office 2007-365", L"Unsaved Documents", off, Privacy_OFFUnsavedFiles, L"Unsaved Documents"},
    {C::MSOffice, L"Office 2007-365", L"Upload Center Cache", off, Privacy_OFFOfficeFileCache, L"Upload Center Cache"},
    // Multimedia
    {C::Multimedia, L"ACDSee 3", L"Image Database", off, Privacy_MULACD3ImageDatabase, L"Image database", L" Image Database"},
    {C::Multimedia, L"ACDSee 3", L"Path History", on, Privacy_MULACD3PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 3", L"Copy And Move", on, Privacy_MULACD3CopyandMovDest, L"Copy And Move"},
    {C::Multimedia, L"ACDSee 3", L"Last Opened Folder", on, Privacy_MULACD3LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 3", L"Search History", on, Privacy_MULACD3SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee 5", L"Image Database", off, Privacy_MULACD5ImageDatabase, L"Image Database"},
    {C::Multimedia, L"ACDSee 5", L"Path History", on, Privacy_MULACD5PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 5", L"Copy And Move", on, Privacy_MULACD5CopyandMovDest, L"Copy And Move Destination Folder", L" Copy And Move"},
    {C::Multimedia, L"ACDSee 5", L"Last Opened Folder", on, Privacy_MULACD5LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 5", L"Search History", on, Privacy_MULACD5SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee 6", L"Image Database", off, Privacy_MULACD6ImageDatabase, L"Image Database"},
    {C::Multimedia, L"ACDSee 6", L"Path History", on, Privacy_MULACD6PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 6", L"Copy And Move", on, Privacy_MULACD6CopyandMovDest, L"Copy And Move Destination Folder", L" Copy And Move"},
    {C::Multimedia, L"ACDSee 6", L"Last Opened Folder", on, Privacy_MULACD6LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 6", L"Search History", on, Privacy_MULACD6SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee 7", L"Image Database", off, Privacy_MULACD7ImageDatabase, L"Image database", L" Image Database"},
    {C::Multimedia, L"ACDSee 7", L"Simple Search History", on, Privacy_MULACD7SearchSimpleHis, L"Simple Search History"},
    {C::Multimedia, L"ACDSee 7", L"Path History", on, Privacy_MULACD7PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 7", L"Copy And Move", on, Privacy_MULACD7CopyandMovDest, L"Copy And Move Destination Folder", L" Copy And Move"},
    {C::Multimedia, L"ACDSee 7", L"Last Opened Folder", on, Privacy_MULACD7LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 7", L"Search History", on, Privacy_MULACD7SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee 8", L"Image Database", off, Privacy_MULACD8ImageDatabase, L"Image Database"},
    {C::Multimedia, L"ACDSee 8", L"Simple Search History", on, Privacy_MULACD8SearchSimpleHis, L"Simple Search History"},
    {C::Multimedia, L"ACDSee 8", L"Path History", on, Privacy_MULACD8PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 8", L"Copy And Move", on, Privacy_MULACD8CopyandMovDest, L"Copy And Move destination Folder", L" Copy And Move"},
    {C::Multimedia, L"ACDSee 8", L"Last Opened Folder", on, Privacy_MULACD8LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 8", L"Search History", on, Privacy_MULACD8SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee 9", L"Image Database", off, Privacy_MULACD9ImageDatabase, L"Image Database"},
    {C::Multimedia, L"ACDSee 9", L"Simple Search History", on, Privacy_MULACD9SearchSimpleHis, L"Simple Search History"},
    {C::Multimedia, L"ACDSee 9", L"Path History", on, Privacy_MULACD9PathHis, L"Path History"},
    {C::Multimedia, L"ACDSee 9", L"Copy And Move", on, Privacy_MULACD9CopyandMovDest, L"Copy And Move"},
    {C::Multimedia, L"ACDSee 9", L"Last Opened Folder", on, Privacy_MULACD9LastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee 9", L"Search History", on, Privacy_MULACD9SearchHis, L"Search History"},
    {C::Multimedia, L"ACDSee Pro", L"Image Database", off, Privacy_MULACDProImageDatabase, L"Image Database"},
    {C::Multimedia, L"ACDSee Pro", L"Image Cache", on, Privacy_MULACDProRawImagPrevCache, L"Image cache", L" Image Cache"},
    {C::Multimedia, L"ACDSee Pro", L"Simple Search History", on, Privacy_MULACDProSearchSimpleHis, L"Simple Search History"},
    {C::Multimedia, L"ACDSee Pro", L"Path History", on, Privacy_MULACDProPathHis, L"Path History"},
    {C::Multimedia, L"ACDSee Pro", L"Copy And Move", on, Privacy_MULACDProCopyandMovDest, L"Copy And Move"},
    {C::Multimedia, L"ACDSee Pro", L"Last Opened Folder", on, Privacy_MULACDProLastOpenFoldinView, L"Last Opened Folder"},
    {C::Multimedia, L"ACDSee Pro", L"Search History", on, Privacy_MULACDProSearchHis, L"Search History"},
    {C::Multimedia, L"Windows Media Player", L"Recently Opened Files List", on, Privacy_MULWMPRecOpenFileList, L"Recently Opened Files List"},
    {C::Multimedia, L"Windows Media Player", L"Recently Opened URL List", on, Privacy_MULWMPRecOpenURLList, L"Recently Opened URL List"},
    {C::Multimedia, L"Windows Media Player", L"Cache", on, Privacy_MULWMPCache, L"Cache"},
    {C::Multimedia, L"Windows Media Player", L"Library Database", off, Privacy_MULWMPLibrary, L"Library Database"},
    {C::Multimedia, L"Winamp", L"Recently Opened Files List", on, Privacy_MULWAPRecOpenFileList, L"Recently Opened Files List"},
    {C::Multimedia, L"Winamp", L"Bookmarks", on, Privacy_MULWAPBookMarks, L"Bookmarks", L" Book marks"},
    {C::Multimedia, L"Winamp", L"Media Lib Views", on, Privacy_MULWAPMediaLibViewPla, L"Media Lib Views"},
    {C::Multimedia, L"ACDSee Shared Resources", L"Favorites", off, Privacy_MULACDSRFavorites, L"Shared Favorites"},
    {C::Multimedia, L"ACDSee Shared Resources", L"Last Saved Folder", on, Privacy_MULACDSRScrCapLasSavFol, L"Last Saved Folder"},
    {C::Multimedia, L"VLC Media Player", L"Cache", on, Privacy_MULVLCCache, L"Cache"},
    {C::Multimedia, L"VLC Media Player", L"Recently Opened Files List", on, Privacy_MULVLCRecentFiles, L"Recently Opened Files List"},
    {C::Multimedia, L"VLC Media Player", L"Media Library", off, Privacy_MULVLCMediaLibrary, L"Media Library"},
    {C::Multimedia, L"Real Player", L"History", on, Privacy_MULRealPlayerHis, L"History"},
    {C::Multimedia, L"Quick Time Player", L"Recently Opened Files List", on, Privacy_MULQTRecOpenFileList, L"Recently Opened Files List"},
    {C::Multimedia, L"Quick Time Player", L"Recently Opened URL List", on, Privacy_MULQTRecURLList, L"URL list"},
    {C::Multimedia, L"Quick Time Player", L"Favorites", off, Privacy_MULQTFavorites, L"Favorites"},
    {C::Multimedia, L"DivX Player", L"Recently Opened Files List", on, Privacy_MULDivxRecOpenFileList, L"Recently Opened Files List"},
    {C::Multimedia, L"DivX Player", L"Movies Folder", off, Privacy_MULDivxMoviesFolder, L"Movies Folder"},
    // File sharing
    {C::FileSharing, L"Morpheus", L"Temp Folder", on, Privacy_FISMorTempFolder, L"Temp Folder"},
    {C::FileSharing, L"Morpheus", L"Completed Downloads Folder", off, Privacy_FISMorCompDownLoadFol, L"Completed Downloads Folder"},
    {C::FileSharing, L"Morpheus", L"Partial Downloads Folder", on, Privacy_FISMorParDownLoadFol, L"Partial Downloads Folder"},
    {C::FileSharing, L"Morpheus", L"Shared Folder", off, Privacy_FISMorSharedFolder, L"Shared Folder"},
    {C::FileSharing, L"Morpheus", L"Search Information", on, Privacy_FISMorSearchInfor, L"Search Information"},
    {C::FileSharing, L"Morpheus", L"Play Lists", on, Privacy_FISMorPlayLists, L"Play Lists"},
    {C::FileSharing, L"Morpheus", L"Podcasts", on, Privacy_FISMorPodcasts, L"Podcasts"},
    {C::FileSharing, L"Morpheus", L"Torrents", on, Privacy_FISMorTorrents, L"Torrents"},
    {C::FileSharing, L"Morpheus", L"Recently Played Video", on, Privacy_FISMorRecPlaVideo, L"Recently Played Video"},
    {C::FileSharing, L"Morpheus", L"Recently Played Audio", on, Privacy_FISMorRecPlaAudio, L"Recently Played Audio"},
    {C::FileSharing, L"Morpheus", L"Search History", on, Privacy_FISMorTollBarSearHis, L"Search History"},
    {C::FileSharing, L"Morpheus", L"Tool Cache", on, Privacy_FISMorToolCache, L"Tool Cache"},
    {C::FileSharing, L"Morpheus", L"Cache", on, Privacy_FISMorCache, L"Cache"},
    {C::FileSharing, L"Morpheus", L"Logs", on, Privacy_FISMorLogs, L"logs", L" Logs"},
    {C::FileSharing, L"Kazaa", L"Shared Folder", off, Privacy_FISKazSharFolder, L"Shared Folder"},
    {C::FileSharing, L"Kazaa", L"File Transfers Information", on, Privacy_FISKazInfabtFilTransfer, L"File Transfers Information"},
    {C::FileSharing, L"Kazaa", L"User Details Information", on, Privacy_FISKazInfabtUserDetails, L"User Details Information"},
    {C::FileSharing, L"Kazaa", L"Recently Opened Files List", on, Privacy_FISKazRecFileList, L"Recently Opened Files List"},
    {C::FileSharing, L"Kazaa", L"Personal File Organizer", on, Privacy_FISKazPersonalFileOrg, L"Personal File Organizer"},
    {C::FileSharing, L"Kazaa", L"Search Information", on, Privacy_FISKazSearchInformation, L"Search Information"},
    {C::FileSharing, L"Kazaa", L"Search Agents", on, Privacy_FISKazSearchAgents, L"Search Agents"},
    {C::FileSharing, L"Kazaa", L"Filters", on, Privacy_FISKazFilters, L"Filters"},
    {C::FileSharing, L"Bit Torrent", L"Downloads Folder", off, Privacy_FISBTDownLoadFolder, L"Downloads Folder"},
    {C::FileSharing, L"Bit Torrent", L"Incomplete Folder", on, Privacy_FISBTIncompleteFolder, L"Incomplete Folder"},
    {C::FileSharing, L"Bit Torrent", L"Torrents", on, Privacy_FISBTTorrents, L"Torrents"},
    {C::FileSharing, L"Bit Torrent", L"Logs", on, Privacy_FISBTLogs, L"Logs"},
    {C::FileSharing, L"uTorrent", L"Torrents History", on, Privacy_FISUTTorandHisinFor, L"Torrents History"},
    {C::FileSharing, L"uTorrent", L"Downloads Folder", off, Privacy_FISUTDownLoadsFolder, L"Downloads Folder"},
    {C::FileSharing, L"Azureus", L"Torrents", on, Privacy_FISAzuTorrents, L"Torrents"},
    {C::FileSharing, L"Azureus", L"Downloads History", on, Privacy_FISAzuDownLoadHis, L"Downloads History"},
    {C::FileSharing, L"Azureus", L"Shared File", on, Privacy_FISAzuShareFile, L"Shared File"},
    {C::FileSharing, L"Azureus", L"Logs", on, Privacy_FISAzuLogs, L"Logs"},
    {C::FileSharing, L"Limewire", L"Shared Folder", off, Privacy_FISLWSharedFolder, L"Shared Folder"},
    {C::FileSharing, L"Limewire", L"Incomplete Folder", on, Privacy_FISLWIncompleteFolder, L"Incomplete Folder"},
    {C::FileSharing, L"Limewire", L"Shared File Information", on, Privacy_FISLWInfabtSharFiles, L"Shared File Information"},
    {C::FileSharing, L"Limewire", L"Channels", on, Privacy_FISLWChannels, L"Channels"},
    {C::FileSharing, L"Bit Comet", L"Downloads Folder", off, Privacy_FISBCDownLoadsFolder, L"Downloads Folder"},
    {C::FileSharing, L"Bit Comet", L"Torrents", on, Privacy_FISBCTorrents, L"Torrents"},
    {C::FileSharing, L"Bit Comet", L"Downloads History", on, Privacy_FISBCDownLoadHis, L"Downloads History"},
    {C::FileSharing, L"Bit Comet", L"Cache Folder", on, Privacy_FISSRCacheDir, L"Cache Folder"},
    {C::FileSharing, L"Bit Comet", L"Database Folder", on, Privacy_FISSRDatabaseDir, L"Database Folder"},
    // Email
    {C::Email, L"Outlook 6.x", L"Deleted Mails", on, Privacy_EMLOL6DeletedMails, L"Deleted Mails"},
    {C::Email, L"Outlook 6.x", L"Sent Mails", off, Privacy_EMLOL6SentMails, L"Sent Mails"},
    {C::Email, L"Thunderbird", L"Saved Passwords", off, Privacy_EMLTBSavePasswords, L"Saved Passwords"},
    {C::Email, L"Thunderbird", L"Key Database", off, Privacy_EMLTBKeyDatabaseMasPass, L"Key Database"},
    {C::Email, L"Thunderbird", L"Sent Mails", off, Privacy_EMLTBSentMails, L"Sent Mails"},
    {C::Email, L"Thunderbird", L"Trash Mails", on, Privacy_EMLTBTrashMails, L"Trash Mails"},
    {C::Email, L"Thunderbird", L"Drafts", off, Privacy_EMLTBDrafts, L"Drafts"},
    {C::Email, L"Thunderbird", L"Unsent Mails", off, Privacy_EMLTBUnsentMails, L"Unsent Mails"},
    {C::Email, L"Thunderbird", L"Downloaded News", off, Privacy_EMLTBDownLoadNews, L"Downloaded News"},
    {C::Email, L"Thunderbird", L"Cache", on, Privacy_EMLTBCache, L"Cache"},
    {C::Email, L"Thunderbird", L"Cookies", on, Privacy_EMLTBCookies, L"Cookies"},
    {C::Email, L"Thunderbird", L"Saved Forms History", on, Privacy_EMLTBFormHistory, L"Saved Forms History"},
    {C::Email, L"Thunderbird", L"Session", off, Privacy_EMLTBSession, L"Session"},
    {C::Email, L"Thunderbird", L"Search Index", off, Privacy_EMLTBSearchIndex, L"Search Index"},
    {C::Email, L"Eudora", L"Trash Folder", on, Privacy_EMLEDTrashFolder, L"Trash Folder"},
    {C::Email, L"Eudora", L"Out Folder", off, Privacy_EMLEDOutFolder, L"Out Folder"},
    {C::Email, L"Eudora", L"History of Email Address", on, Privacy_EMLEDHisOfEmailaddUsed, L"History of Email Address"},
    {C::Email, L"Eudora", L"Cache", on, Privacy_EMLEDCacheData, L"Cache"},
    {C::Email, L"Eudora", L"Temporary Data", on, Privacy_EMLEDTemporaryData, L"Temporary Data"},
    {C::Email, L"Eudora", L"Nick Names Used", off, Privacy_EMLEDNicknamesofEmailadd, L"Nick Names Used"},
    {C::Email, L"Eudora", L"Logs", on, Privacy_EMLEDLogs, L"Logs"},
    {C::Email, L"Eudora", L"Attachments", off, Privacy_EMLEDEmailAttachments, L"Attachments"},
    {C::Email, L"IncrediMail Xe", L"History of Email Users", on, Privacy_EMLIMHisOfEmailaddUsed, L"History of Email Users"},
    {C::Email, L"IncrediMail Xe", L"Deleted Mails", on, Privacy_EMLIMDeletedMails, L"IM Deleted Mails"},
    {C::Email, L"IncrediMail Xe", L"Out Folder", off, Privacy_EMLIMOutFolder, L"Out Folder", L" IM Out Folder"},
    {C::Email, L"IncrediMail Xe", L"Sent Folder", off, Privacy_EMLIMSentFolder, L"Sent Folder"},
    {C::Email, L"IncrediMail Xe", L"Drafts Folder", off, Privacy_EMLIMDraftFolder, L"Drafts Folder"},
    {C::Email, L"Pocomail", L"Cache Data", on, Privacy_EMLPMCacheData, L"Cache Data"},
    {C::Email, L"Pocomail", L"Attachments", off, Privacy_EMLPMEmailAttachments, L"Attachments"},
    {C::Email, L"Pocomail", L"History of Email Used", on, Privacy_EMLPMHisOfEmailaddUsed, L"History of Email Used"},
    {C::Email, L"Pocomail", L"Trash Folder", on, Privacy_EMLPMTrashFolder, L"Trash Folder"},
    {C::Email, L"Pocomail", L"Out Folder", off, Privacy_EMLPMOutFolder, L"Out Folder"},
    {C::Email, L"Pocomail", L"Sent Folder", off, Privacy_EMLPMSentFolder, L"Sent Folder"},
    {C::Email, L"Pocomail", L"Drafts Folder", off, Privacy_EMLPMDraftFolder, L"Drafts Folder"},
    // Third-party applications
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 4", on, Privacy_THPAdobeAcrobat4, L"Acrobat 4"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 5", on, Privacy_THPAdobeAcrobat5, L"Acrobat 5"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 6", on, Privacy_THPAdobeAcrobat6, L"Acrobat 6"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 7", on, Privacy_THPAdobeAcrobat7, L"Acrobat 7"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat DC", on, Privacy_THPAdobeAcrobatDC, L"Acrobat DC"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 2015", on, Privacy_THPAdobeAcrobat2015, L"Acrobat 2015"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 2017", on, Privacy_THPAdobeAcrobat2017, L"Acrobat 2017"},
    {C::ThirdParty, L"Adobe Acrobat", L"Acrobat 2020", on, Privacy_THPAdobeAcrobat2020, L"Acrobat 2020"},
    {C::ThirdParty, L"Google Desktop Search", L"Index And Data Folder", on, Privacy_THPGDSIndDataFolder, L"Index And Data Folder"},
    {C::ThirdParty, L"Google Desktop Search", L"Links Folder", on, Privacy_THPGDSLinksFolder, L"Links Folder"},
    {C::ThirdParty, L"Google Desktop Search", L"Temporary Folder", on, Privacy_THPGDSTemporayFolder, L"Temporary Folder"},
    {C::ThirdParty, L"Google Desktop Search", L"Tool Bar Search History", on, Privacy_THPGDSGogToolBarSearHis, L"Tool Bar Search History"},
    {C::ThirdParty, L"Google Desktop Search", L"Don't Search These Items", on, Privacy_THPGDSDontSearTheseItemSettings, L"Don't Search these Items"},
    {C::ThirdParty, L"Yahoo Desktop search", L"Index", on, Privacy_THPYDSIndex, L"Index"},
    {C::ThirdParty, L"Yahoo Desktop search", L"Saved Searches", on, Privacy_THPYDSSavedSearches, L"Saved Searches"},
    {C::ThirdParty, L"Yahoo Desktop search", L"Logs", on, Privacy_THPYDSLogs, L"Logs"},
    {C::ThirdParty, L"Windows Desktop Search", L"Index", on, Privacy_THPWDSIndex, L"Index"},
    {C::ThirdParty, L"Windows Desktop Search", L"Logs", on, Privacy_THPWDSLogs, L"Logs"},
    {C::ThirdParty, L"AOL Desktop Search", L"Index", on, Privacy_THPADSIndex, L"Index"},
    {C::ThirdParty, L"Macromedia Flash Player", L"History And Temp Files", on, Privacy_THPMMFPHisandTempFiles, L"History And Temp Files"},
};
// clang-format on

// Columns: category, group label, the group's node (none under Windows) and
// the activity text while its items run.
// clang-format off
const std::vector<ScanGroup> kGroups = {
    {C::Windows, L"Windows", nullptr, L"Currently Scanning: Windows"},
    {C::InternetBrowsers, L"Internet Explorer", L"IE", L"Currently Scanning: Internet Browsers - Internet Explorer"},
    {C::InternetBrowsers, L"Netscape", L"Netscape", L"Currently Scanning: Internet Browsers - Netscape"},
    {C::InternetBrowsers, L"Opera", L"Opera", L"Currently Scanning: Internet Browsers - Opera"},
    {C::InternetBrowsers, L"AOL Browser", L"AOL Browser", L"Currently Scanning: Internet Browsers - AolBrowser "},
    {C::InternetBrowsers, L"Firefox", L"Firefox", L"Currently Scanning: Internet Browsers - Firefox"},
    {C::InternetBrowsers, L"Google Chrome", L"Google Chrome", L"Currently Scanning: Internet Browsers - Google Chrome"},
    {C::InternetBrowsers, L"Microsoft Edge", L"Microsoft Edge", L"Currently Scanning: Internet Browsers - Microsoft Edge"},
    {C::InternetBrowsers, L"Brave", L"Brave", L"Currently Scanning: Internet Browsers - Brave"},
    {C::InternetBrowsers, L"Vivaldi", L"Vivaldi", L"Currently Scanning: Internet Browsers - Vivaldi"},
    {C::InternetBrowsers, L"Opera 15 and later", L"Opera 15 and later", L"Currently Scanning: Internet Browsers - Opera 15 and later"},
    {C::InstantMessengers, L"ICQ 2003 b", L"ICQ 2003b", L"Currently Scanning: Instant Message - ICQ 2003 b"},
    {C::InstantMessengers, L"ICQ 5.1", L"ICQ 5.1", L"Currently Scanning: Instant Message - ICQ 5.1"},
    {C::InstantMessengers, L"Yahoo", L"Yahoo", L"Currently Scanning: Instant Message - Yahoo"},
    {C::InstantMessengers, L"AOL", L"AOL", L"Currently Scanning: Instant Message - AOL"},
    {C::InstantMessengers, L"Skype", L"Skype", L"Currently Scanning: Instant Message - Skype"},
    {C::InstantMessengers, L"Trillian", L"Trillian", L"Currently Scanning: Instant Message - Trillian"},
    {C::InstantMessengers, L"MSN Messenger", L"MSN Messenger", L"Currently Scanning: Instant Message - MSN Messenger"},
    {C::InstantMessengers, L"Google Talk", L"Google Talk", L"Currently Scanning: Instant Message - Google Talk"},
    {C::InstantMessengers, L"Gaim", L"Gaim", L"Currently Scanning: Instant Message - Gaim"},
    {C::MSOffice, L"Office 2003", L"Office 2003", L"Currently Scanning: MS Office - Office 2003"},
    {C::MSOffice, L"Office XP", L"Office XP", L"Currently Scanning: MS Office - Office XP"},
    {C::MSOffice, L"Office 2000", L"Office 2000", L"Currently Scanning: MS Office - Office 2000"},
    {C::MSOffice, L"Office 97", L"Office 97", L"Currently Scanning: MS Office - Office 97"},
    {C::MSOffice, L"Shared Resources", L"Shared Resources", L"Currently Scanning: MS Office - Shared Resources"},
    {C::MSOffice, L"Office 2007-365", L"Office 2007-365", L"Currently Scanning: MS Office - Office 2007-365"},
    {C::Multimedia, L"ACDSee 3", L"ACDSEE 3", L"Currently Scanning: Multimedia - ACDSEE 3"},
    {C::Multimedia, L"ACDSee 5", L"ACDSEE 5", L"Currently Scanning: Multimedia - ACDSEE 5"},
    {C::Multimedia, L"ACDSee 6", L"ACDSEE 6", L"Currently Scanning: Multimedia - ACDSEE 6"},
    {C::Multimedia, L"ACDSee 7", L"ACDSEE 7", L"Currently Scanning: Multimedia - ACDSEE 7"},
    {C::Multimedia, L"ACDSee 8", L"ACDSEE 8", L"Currently Scanning: Multimedia - ACDSEE 8"},
    {C::Multimedia, L"ACDSee 9", L"ACDSEE 9", L"Currently Scanning: Multimedia - ACDSEE 9"},
    {C::Multimedia, L"ACDSee Pro", L"ACDSEE Pro", L"Currently Scanning: Multimedia - ACDSEE pro"},
    {C::Multimedia, L"Windows Media Player", L"Windows Media Player", L"Currently Scanning: Multimedia - Windows Media Player"},
    {C::Multimedia, L"Winamp", L"Winamp", L"Currently Scanning: Multimedia - Winamp"},
    {C::Multimedia, L"ACDSee Shared Resources", L"ACDSEE Shared Resources", L"Currently Scanning: Multimedia - ACDSEE Shared Resources"},
    {C::Multimedia, L"VLC Media Player", L"VLC Media Player", L"Currently Scanning: Multimedia - VLC Media Player"},
    {C::Multimedia, L"Real Player", L"Real Player", L"Currently Scanning: Multimedia - Real Player"},
    {C::Multimedia, L"Quick Time Player", L"Quick Time Player", L"Currently Scanning: Multimedia - Quick Time Player"},
    {C::Multimedia, L"DivX Player", L"DivX Player", L"Currently Scanning: Multimedia - DivX Player"},
    {C::FileSharing, L"Morpheus", L"Morpheus", L"Currently Scanning: File Shareing - Morpheus"},
    {C::FileSharing, L"Kazaa", L"Kazaa", L"Currently Scanning: File Shareing - Kazaa"},
    {C::FileSharing, L"Bit Torrent", L"Bit Torrent", L"Currently Scanning: File Shareing - Bit Torrent"},
    {C::FileSharing, L"uTorrent", L"uTorrent", L"Currently Scanning: File Shareing - u Torrent"},
    {C::FileSharing, L"Azureus", L"Azureus", L"Currently Scanning: File Shareing -Azureus"},
    {C::FileSharing, L"Limewire", L"Limewire", L"Currently Scanning: File Shareing -Limewire"},
    {C::FileSharing, L"Bit Comet", L"Bit Comet", L"Currently Scanning: File Shareing -Bit Comet"},
    {C::Email, L"Outlook 6.x", L"Outlook 6.x", L"Currently Scanning: EMAIL - Outlook 6.x"},
    {C::Email, L"Thunderbird", L"Thunderbird", L"Currently Scanning: EMAIL - Thunderbird"},
    {C::Email, L"Eudora", L"Eudora", L"Currently Scanning: EMAIL - Eudora"},
    {C::Email, L"IncrediMail Xe", L"IncrediMail Xe", L"Currently Scanning: EMAIL - Incrdimail"},
    {C::Email, L"Pocomail", L"Pocomail", L"Currently Scanning: EMAIL - Pocomail"},
    {C::ThirdParty, L"Adobe Acrobat", L"Adobe Acrobat", L"Currently Scanning: Third party application - Adobe"},
    {C::ThirdParty, L"Google Desktop Search", L"Google Desktop Dearch", L"Currently Scanning: Third party application - Google Desktop Search"},
    {C::ThirdParty, L"Yahoo Desktop search", L"Yahoo Desktop Search", L"Currently Scanning: Third party application - Yahoo Desktop Search"},
    {C::ThirdParty, L"Windows Desktop Search", L"Windows Desktop Search", L"Currently Scanning: Third party application - Windows Desktop Search"},
    {C::ThirdParty, L"AOL Desktop Search", L"AOL Desktop Search", L"Currently Scanning: Third party application - AOL Desktop Search"},
    {C::ThirdParty, L"Macromedia Flash Player", L"Macromedia Flash Player", L"Currently Scanning: Third party application - Macromedia Flash Player"},
};

const CategoryLabels kLabels[kCategoryCount] = {
    {L"Windows", L"Windows", L"Windows", L"wnd", L"Windows Logs"},
    {L"Internet Browsers", L"Internet Browsers", L"Internet Browsers", L"int", L"Internet Browser History"},
    {L"Instant Messaging", L"Instant Messaging", L"Instant Message", L"ins", L"IM Logs"},
    {L"MS Office", L"MS Office", L"MS Office", L"mso", L"MS Office History"},
    {L"Multimedia", L"MultiMedia", L"Multimedia", L"mlt", L"Multimedia Logs"},
    {L"File Sharing", L"File Sharing", L"File Shareing", L"fil", L"File Sharing History"},
    {L"Email", L"Emails", L"Email", L"eml", L"Emails History"},
    {L"Third-Party Applications", L"Third Party Applications", L"Third Party Applications", L"thd", L"Third Party Software Logs"},
    {L"Community", L"Community", L"Community", L"cmn", L"Community"},
};
// clang-format on

} // namespace

CategoryLabels LabelsOf(ItemCategory category) {
    return kLabels[static_cast<int>(category)];
}

const std::vector<SelectionItem>& SelectionItems() {
    return kItems;
}

int RunItemOperation(const SelectionItem& item) {
    return item.operation ? item.operation(0) : Scrubcore_RunRule(item.ruleEntry);
}

const ScanGroup& ScanGroupOf(const SelectionItem& item) {
    if (item.category == ItemCategory::Community) {
        if (const ScanGroup* group = CommunityItems().GroupOf(item)) {
            return *group;
        }
    }
    for (const ScanGroup& group : kGroups) {
        if (group.category == item.category && std::wstring(group.group) == item.group) {
            return group;
        }
    }
    return kGroups.front(); // every row's group is in the table (a test holds it to that)
}

std::wstring ActivityText(const SelectionItem& item) {
    std::wstring suffix;
    if (item.activitySuffix) {
        suffix = item.activitySuffix;
    } else {
        suffix = item.nodeText;
        if (suffix.empty() || suffix[0] != L' ') {
            suffix.insert(0, 1, L' ');
        }
    }
    return ScanGroupOf(item).activityPrefix + suffix;
}

std::vector<const SelectionItem*> ItemsOf(ItemCategory category) {
    std::vector<const SelectionItem*> items;
    if (category == ItemCategory::Community) {
        for (const SelectionItem& item : CommunityItems().Items()) {
            items.push_back(&item);
        }
        return items;
    }
    for (const SelectionItem& item : kItems) {
        if (item.category == category) {
            items.push_back(&item);
        }
    }
    return items;
}

bool HasApplicationLevel(ItemCategory category) {
    return category != ItemCategory::Windows;
}

std::wstring SelectionValueName(const SelectionItem& item) {
    if (item.category == ItemCategory::Community) {
        return kCommunityValuePrefix + std::wstring(item.label);
    }
    return std::wstring(item.group) + L" " + item.label;
}

const SelectionItem* FindSelectionItem(const std::wstring& valueName) {
    if (win32::StartsWithNoCase(valueName, kCommunityValuePrefix)) {
        return CommunityItems().Find(valueName.substr(std::wstring(kCommunityValuePrefix).size()));
    }
    for (const SelectionItem& item : kItems) {
        if (win32::EqualsNoCase(SelectionValueName(item), valueName)) {
            return &item;
        }
    }
    return nullptr;
}

bool IsItemSelected(const std::wstring& product, const SelectionItem& item) {
    return GetInt(product, SelectionValueName(item)) != 0;
}

bool IsItemScanned(const std::wstring& product, const SelectionItem& item) {
    return GetInt(product, SelectionValueName(item)) == 1;
}

void SetItemSelected(const std::wstring& product, const SelectionItem& item, bool selected) {
    SetInt(product, SelectionValueName(item), selected ? 1 : 0);
}

namespace {

// Also the choices of entries the rules file in use no longer has, or
// does not apply here: the file is not read for this.
void UnselectCommunityItems(const std::wstring& product) {
    for (const std::wstring& name : ValueNamesStartingWith(product, kCommunityValuePrefix)) {
        SetInt(product, name, 0);
    }
}

} // namespace

void WriteDefaultSelection(const std::wstring& product) {
    for (const SelectionItem& item : kItems) {
        SetItemSelected(product, item, item.onByDefault);
    }
    UnselectCommunityItems(product);
}

void WriteNothingSelected(const std::wstring& product) {
    for (const SelectionItem& item : kItems) {
        SetItemSelected(product, item, false);
    }
    UnselectCommunityItems(product);
}

const std::vector<std::wstring>& ErasingChoices() {
    static const std::vector<std::wstring> choices = {
        L"Delete files without overwriting", L"Overwrite once (Quick)", L"Overwrite three times (Safe)",
        L"Overwrite seven times (Thorough)"};
    return choices;
}

int OverwritePassesFor(int erasingChoice) {
    static const int passes[] = {0, 1, 3, 7};
    return erasingChoice >= 0 && erasingChoice < 4 ? passes[erasingChoice] : 0;
}

} // namespace nimbrel
