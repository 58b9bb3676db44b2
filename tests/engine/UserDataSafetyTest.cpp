// A profile as a user leaves it: the usual traces, and beside them the
// user's own documents, mail stores, saved sessions, playlists, bookmarks
// and program settings, with links to documents inside the temporary
// folders. Cleaning in delete mode with the default selection and then with
// every item must take the traces and nothing else.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "WindowsTraces.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <sstream>

using namespace testing_support;

namespace {

const char kControlExports[] =
    "PrivacyInit Privacy_ClearAll Scrubcore_SetScanCallBack Scrubcore_SetProcessMessage "
    "Privacy_CheckDelete Privacy_StopScan Privacy_Nooffiles Privacy_NoRegvalues Privacy_GetFilesSize "
    "Privacy_ClearFilesSize Scrubcore_NoofTimesOverwrite Privacy_CleanSelitems "
    "Scrubcore_SetCookieSitesToKeep "
    "Scrubcore_CompactDatabases Scrubcore_ListCookieSites "
    "Scrubcore_LoadRules Scrubcore_RulesCount Scrubcore_RulesSkipped Scrubcore_RuleText "
    "Scrubcore_RuleDetected Scrubcore_RunRule Scrubcore_RuleRemoveEmptied Scrubcore_KeepFile";

// Items no option offers, and the options a fresh installation leaves off.
const char kNotSelectedByDefault[] =
    "Privacy_EMLOL6OutBoxMails Privacy_EMLOL6LastUserid Privacy_EMLOL03RulesWizard "
    "Privacy_EMLOL03CustSysFolView Privacy_EMLOL03CustTollBarSettings Privacy_EMLOL03MacrosandVBAProg "
    "Privacy_EMLOL03Nicknames Privacy_EMLOL03OutLookBarShor Privacy_EMLOL03RefToAddins "
    "Privacy_EMLOL03Signatures Privacy_EMLOL03Stationary Privacy_EMLOL03Templates "
    "Privacy_EMLOL03Dictonary Privacy_IESavePasswords Privacy_IEFavorites Privacy_AQAddBarHis "
    "Privacy_AQHis Privacy_AQCookies Privacy_FFSavPasswords Privacy_FFKeyDataMasPass "
    "Privacy_MSGRICQBReceivedFiles Privacy_MSGRICQBBookMarks Privacy_MSGRICQBDownLoads "
    "Privacy_MSGRICQBContactList Privacy_MSGRICQBSharedFiles Privacy_MSGRICQBPictures "
    "Privacy_MSGRICQ5ReceivedFiles Privacy_MSGRICQ5ContactList Privacy_MSGRAQLReceivandSharFiles "
    "Privacy_MSGRTrilReceivedFiles Privacy_MULACD3ImageDatabase Privacy_MULACD5ImageDatabase "
    "Privacy_MULACD6ImageDatabase Privacy_MULACD7ImageDatabase Privacy_MULACD8ImageDatabase "
    "Privacy_MULACD9ImageDatabase Privacy_MULACDProImageDatabase Privacy_MULACDSRFavorites "
    "Privacy_MULQTFavorites Privacy_MULDivxMoviesFolder Privacy_FISMorCompDownLoadFol "
    "Privacy_FISMorSharedFolder Privacy_FISKazSharFolder Privacy_FISBTDownLoadFolder "
    "Privacy_FISUTDownLoadsFolder Privacy_FISLWSharedFolder Privacy_FISBCDownLoadsFolder "
    "Privacy_EMLOL6SentMails Privacy_EMLTBSavePasswords Privacy_EMLTBKeyDatabaseMasPass "
    "Privacy_EMLTBSentMails Privacy_EMLTBDrafts Privacy_EMLTBUnsentMails Privacy_EMLTBDownLoadNews "
    "Privacy_EMLEDOutFolder Privacy_EMLEDNicknamesofEmailadd Privacy_EMLEDEmailAttachments "
    "Privacy_EMLIMOutFolder Privacy_EMLIMSentFolder Privacy_EMLIMDraftFolder "
    "Privacy_EMLPMEmailAttachments Privacy_EMLPMOutFolder Privacy_EMLPMSentFolder "
    "Privacy_EMLPMDraftFolder Privacy_GCFormData Privacy_GCPasswords Privacy_MEFormData Privacy_MEPasswords "
    "Privacy_BRFormData Privacy_BRPasswords Privacy_VIFormData Privacy_VIPasswords Privacy_OPNFormData "
    "Privacy_OPNPasswords Privacy_WNDJumpLists Privacy_MSGRSkyReceivedFiles Privacy_FFSession "
    "Privacy_GCSessions Privacy_MESessions Privacy_BRSessions Privacy_VISessions Privacy_OPNSessions "
    "Privacy_FFSiteSettings Privacy_EMLTBSession Privacy_EMLTBSearchIndex Privacy_OFFUnsavedFiles "
    "Privacy_OFFOfficeFileCache Privacy_MULVLCMediaLibrary Privacy_MULWMPLibrary "
    "Privacy_MSGRMSNChatLogandRecvFiles";

bool Lists(const char* names, const std::string& name) {
    return (" " + std::string(names) + " ").find(" " + name + " ") != std::string::npos;
}

// Runs the engine's items (linked into this program, so that the recorder
// answers their messages) in delete mode; false when one is missing.
bool CleanWith(bool everyItem) {
    Privacy_CheckDelete(1);
    bool complete = true;
    for (const std::string& name : ScrubcoreExportNames()) {
        if (Lists(kControlExports, name) || (!everyItem && Lists(kNotSelectedByDefault, name))) {
            continue;
        }
        const auto item = reinterpret_cast<ItemFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), name.c_str())));
        complete = complete && item && item(0) == 1;
    }
    Privacy_CheckDelete(0);
    return complete;
}

} // namespace

TEST(UserDataSafety, CleaningTakesTheTracesAndLeavesTheUsersOwnData) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring appData = SpecialFolderPath(CSIDL_APPDATA);
    const std::wstring localAppData = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
    TestFolder documents = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL));
    TestFolder temp = TestFolder::At(ParentOf(localAppData) + L"\\Temp");
    TestFolder windows10Temp = TestFolder::At(localAppData + L"\\Temp");
    TestFolder explorer = TestFolder::At(localAppData + L"\\Microsoft\\Windows\\Explorer");
    TestFolder windowsTemp = TestFolder::At(SpecialFolderPath(CSIDL_WINDOWS) + L"\\temp");
    TestFolder outlook = TestFolder::At(localAppData + L"\\Microsoft\\Outlook");
    TestFolder opera = TestFolder::At(appData + L"\\Opera");
    TestFolder uTorrent = TestFolder::At(appData + L"\\uTorrent");
    TestFolder limeWire = TestFolder::At(appData + L"\\LimeWire");
    TestFolder flash = TestFolder::At(appData + L"\\Macromedia");
    TestFolder cookies = TestFolder::At(SpecialFolderPath(CSIDL_COOKIES));
    TestFolder chrome = TestFolder::At(localAppData + L"\\Google");
    TestFolder mozilla = TestFolder::At(appData + L"\\Mozilla");
    TestFolder thunderbird = TestFolder::At(appData + L"\\Thunderbird");
    TestFolder recent = TestFolder::At(SpecialFolderPath(CSIDL_RECENT));
    TestFolder received = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\My Skype Received Files");
    TestFolder office = TestFolder::At(localAppData + L"\\Microsoft\\Office");
    TestFolder officeRecent = TestFolder::At(appData + L"\\Microsoft\\Office\\Recent");
    TestFolder vlc = TestFolder::At(appData + L"\\vlc");
    TestFolder winamp;
    registry.String(HKEY_CURRENT_USER, L"Software\\Winamp", L"", winamp.Path());

    const std::vector<std::wstring> usersData = {
        documents.File(L"letter.doc", 3000),
        documents.File(L"Downloads\\old mail.pst", 4000),
        documents.File(L"Temp\\draft letter.docx", 2000),
        documents.File(L"History\\family tree.txt", 500),
        explorer.File(L"ExplorerStartupLog.etl", 300),
        outlook.File(L"Outlook.pst", 9000),
        outlook.File(L"Outlook.ost", 9000),
        opera.File(L"Opera\\profile\\sessions\\holiday research.win", 900),
        winamp.File(L"Plugins\\ml\\main.dat", 2000),
        winamp.File(L"Plugins\\ml\\plf1A2B.m3u8", 300),
        uTorrent.File(L"settings.dat", 700),
        limeWire.File(L"limewire.props", 600),
        flash.File(L"Flash Player\\macromedia.com\\support\\flashplayer\\sys\\settings.sol", 80),
        chrome.File(L"Chrome\\User Data\\Local State", 400),
        chrome.File(L"Chrome\\User Data\\Default\\Preferences", 400),
        chrome.File(L"Chrome\\User Data\\Default\\Bookmarks", 400),
        mozilla.File(L"Firefox\\Profiles\\h4k9w2qz.default-release\\places.sqlite", 400),
        thunderbird.File(L"Profiles\\r5t8y1u4.default-release\\ImapMail\\imap.example.org\\INBOX", 400),
        recent.File(L"AutomaticDestinations\\f01b4d95cf55d32a.automaticDestinations-ms",
                    9000), // Quick Access
        officeRecent.File(L"Welcome to Word.LNK", 800),
        mozilla.File(L"Firefox\\Profiles\\h4k9w2qz.default-release\\storage\\default\\moz-extension+++"
                     L"1a2b\\idb\\1.sqlite",
                     300),
        vlc.File(L"vlcrc", 500)};
    const std::vector<std::wstring> traces = {
        temp.File(L"~DF3A21.tmp", 100),
        windows10Temp.File(L"~WRS0001.tmp", 100),
        explorer.File(L"thumbcache_96.db", 100),
        recent.File(L"letter.doc.lnk", 600),
        windowsTemp.File(L"setup.log", 100),
        outlook.File(L"Outlook.rwz", 300),
        opera.File(L"Opera\\profile\\sessions\\autosave.win", 900),
        winamp.File(L"Plugins\\ml\\views\\view_1.vdt", 24),
        uTorrent.File(L"resume.dat", 100),
        limeWire.File(L"fileurns.cache", 100),
        flash.File(L"Flash Player\\#SharedObjects\\K7Q2\\video.example\\player.sol", 70),
        chrome.File(L"Chrome\\User Data\\Default\\History", 100),
        mozilla.File(L"Firefox\\Profiles\\h4k9w2qz.default-release\\cookies.sqlite", 100),
        vlc.File(L"art\\arturl\\a1\\art.jpg", 100)};
    // VLC's settings file stays, less its recent list.
    const std::string vlcSettings = "[MainWindow]\r\nplaylist-visible=true\r\n";
    const std::wstring vlcInterface = MakeFileWithContent(
        vlc.Path(L"vlc-qt-interface.ini"), vlcSettings + "[RecentsMRU]\r\nlist=file:///C:/a.mp4\r\n");
    // The user's own, taken only by items a fresh installation leaves off:
    // a received contract, the tabs the browsers restore, the site settings,
    // the unsaved and the unsynced documents, the player's library, and the
    // documents pinned to a program's jump list.
    const std::vector<std::wstring> keptByDefault = {
        received.File(L"contract.pdf", 5000),
        documents.File(L"My Received Files\\holiday photo.jpg", 4000),
        chrome.File(L"Chrome\\User Data\\Default\\Sessions\\Session_13350000000000000", 700),
        mozilla.File(L"Firefox\\Profiles\\h4k9w2qz.default-release\\sessionstore.jsonlz4", 700),
        mozilla.File(L"Firefox\\Profiles\\h4k9w2qz.default-release\\permissions.sqlite", 700),
        thunderbird.File(L"Profiles\\r5t8y1u4.default-release\\session.json", 700),
        office.File(L"UnsavedFiles\\Book1((Unsaved-308189468571023716)).xlsb", 700),
        office.File(L"16.0\\OfficeFileCache\\0\\FSD-{A1B2}.FSD", 700),
        vlc.File(L"ml.xspf", 700),
        recent.File(L"AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 9000)};
    // Links to a document inside the temporary folders and as the cookie index.
    ASSERT_TRUE(MakeUnixSymlink(usersData[0], temp.Path(L"letter.tmp")));
    ASSERT_TRUE(MakeUnixSymlink(usersData[0], windowsTemp.Path(L"letter.tmp")));
    ASSERT_TRUE(MakeUnixSymlink(documents.Path(), temp.Path(L"documents")));
    ASSERT_TRUE(MakeUnixSymlink(usersData[0], cookies.Path(L"index.dat")));
    // Program settings beside the recent-file lists in the same keys.
    const std::wstring visio = L"Software\\Microsoft\\Office\\11.0\\Visio\\Application";
    const std::wstring pictures = L"Software\\Microsoft\\Office\\11.0\\OIS\\Options";
    const std::wstring acrobat = L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer";
    registry.String(HKEY_CURRENT_USER, visio, L"MyShapesPath", L"C:\\Shapes");
    registry.String(HKEY_CURRENT_USER, visio, L"LastFile1", L"C:\\plan.vsd");
    registry.String(HKEY_CURRENT_USER, pictures, L"EditFolder", L"C:\\Pictures");
    registry.String(HKEY_CURRENT_USER, pictures, L"LastFolder", L"C:\\Holiday");
    registry.Dword(HKEY_CURRENT_USER, acrobat, L"EULA", 1);
    registry.String(HKEY_CURRENT_USER, acrobat, L"File1", L"/C/tax return.pdf");
    const std::wstring word = L"Software\\Microsoft\\Office\\16.0\\Word\\File MRU";
    registry.Dword(HKEY_CURRENT_USER, word, L"Max Display", 25);
    registry.String(HKEY_CURRENT_USER, word, L"Item 1", L"[F00000000][T01D9]*C:\\Users\\ann\\tax.docx");
    // The view the user set for every folder and the desktop's icon layout,
    // beside the folders opened.
    const std::wstring bags = L"Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\Shell\\Bags";
    registry.String(HKEY_CURRENT_USER, bags + L"\\AllFolders\\Shell", L"KnownFolderDerivedFolderType",
                    L"{7d49d726}");
    registry.Binary(HKEY_CURRENT_USER, bags + L"\\1\\Desktop", L"IconLayouts", "\x01\x02");
    registry.Binary(HKEY_CURRENT_USER, bags + L"\\12\\Shell", L"Mode", "\x04");
    const std::vector<std::pair<std::wstring, std::wstring>> settings = {
        {visio, L"MyShapesPath"},
        {pictures, L"EditFolder"},
        {acrobat, L"EULA"},
        {word, L"Max Display"},
        {bags + L"\\AllFolders\\Shell", L"KnownFolderDerivedFolderType"},
        {bags + L"\\1\\Desktop", L"IconLayouts"}};

    auto expectUsersDataIntact = [&](const char* after) {
        for (const std::wstring& file : usersData) {
            EXPECT_TRUE(FileExists(file)) << after << ": " << std::string(file.begin(), file.end());
        }
        for (const auto& [key, value] : settings) {
            EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, key, value)) << after;
        }
        EXPECT_EQ(3000u, FileSize(usersData[0])) << after;
        EXPECT_EQ(vlcSettings, ReadAll(vlcInterface)) << after;
    };
    ASSERT_TRUE(CleanWith(false));
    expectUsersDataIntact("the default selection");
    for (const std::wstring& file : keptByDefault) {
        EXPECT_TRUE(FileExists(file)) << std::string(file.begin(), file.end());
    }
    ASSERT_TRUE(CleanWith(true));
    expectUsersDataIntact("every item");
    for (const std::wstring& file : keptByDefault) {
        EXPECT_FALSE(FileExists(file)) << std::string(file.begin(), file.end());
    }
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, bags + L"\\12\\Shell", L"Mode"));
    for (const std::wstring& file : traces) {
        EXPECT_FALSE(FileExists(file)) << std::string(file.begin(), file.end());
    }
    for (const std::wstring& link : {temp.Path(L"letter.tmp"), cookies.Path(L"index.dat")}) {
        EXPECT_FALSE(recorder.Found(link)) << "a link is no trace";
    }
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, visio, L"LastFile1"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, pictures, L"LastFolder"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, acrobat, L"File1"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, word, L"Item 1"));
}
