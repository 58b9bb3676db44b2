// Instant-messenger items against messengers installed the way their setup
// programs leave them: what each option finds, and what it never touches.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include "scrubcore/MessengerItems.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <iterator>
#include <set>

using namespace testing_support;

namespace {

using Item = ItemFunction;
using Texts = std::vector<std::wstring>;

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Every messenger export, in the order the options tree offers them.
// clang-format off
const std::vector<const char*> kMessengerItems = {
    "Privacy_MSGRICQBCacheandCookies", "Privacy_MSGRICQBReceivedFiles", "Privacy_MSGRICQBBookMarks",
    "Privacy_MSGRICQBDownLoads", "Privacy_MSGRICQBContactList", "Privacy_MSGRICQBSharedFiles",
    "Privacy_MSGRICQBPictures", "Privacy_MSGRICQ5ChatHis", "Privacy_MSGRICQ5LogFiles",
    "Privacy_MSGRICQ5ReceivedFiles", "Privacy_MSGRICQ5ContactList", "Privacy_MSGRICQ5BrowserCache",
    "Privacy_MSGRYahCache", "Privacy_MSGRYahChatandVoiceHis", "Privacy_MSGRYahProgLogs",
    "Privacy_MSGRAQLChatHis", "Privacy_MSGRAQLReceivandSharFiles", "Privacy_MSGRAQLRecentScreenName",
    "Privacy_MSGRSkyChatandVoiceHis", "Privacy_MSGRSkyFileTransferHis", "Privacy_MSGRSkyVoiceMailHis",
    "Privacy_MSGRSkyReceivedFiles", "Privacy_MSGRTrilChatLogs", "Privacy_MSGRTrilReceivedFiles",
    "Privacy_MSGRMSNChatLogandRecvFiles", "Privacy_MSGRGogChatLogs", "Privacy_MSGRGMChatLogs"};
// clang-format on

// ICQ 2003b as its setup leaves it: the program folder holds the program,
// the user's database and everything the user received or browsed.
struct Icq2003b {
    TestRegistry registry;
    TestFolder folder = TestFolder::At(L"C:\\Program Files\\ICQ");
    Icq2003b() {
        registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQ.exe", L"", L"C:\\Program Files\\ICQ\\ICQ.exe");
        folder.File(L"ICQ.exe", 4000);
        folder.File(L"AteBrowser\\cookies.txt", 120);
        folder.File(L"AteBrowser\\Cache\\ad_banner.gif", 900);
        folder.File(L"Received Files\\123456789\\holiday.jpg", 5000);
        folder.File(L"Bookmark\\Favorite Sites.url", 80);
        folder.File(L"ICQ Downloads\\skin_pack.zip", 3000);
        folder.File(L"2003b\\123456789.dat", 2048);
        folder.File(L"Contact List\\contacts.cl", 300);
        folder.File(L"UIN\\123456789.uin", 64);
        folder.File(L"Shared files\\song.mp3", 7000);
        folder.File(L"Pictures\\123456789.bmp", 1000);
    }
};

// ICQ 5.1 (ICQ Lite): contact lists beside the program, history and
// browser cache in the roaming profile, received files in the documents.
struct Icq51 {
    TestRegistry registry;
    TestFolder program = TestFolder::At(L"C:\\Program Files\\ICQLite");
    TestFolder data = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\ICQLite");
    TestFolder received = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\ICQ Lite");
    Icq51() {
        registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQLite.exe", L"",
                        L"C:\\Program Files\\ICQLite\\ICQLite.exe");
        program.File(L"ICQLite.exe", 4000);
        program.File(L"ICQLite.log", 700);
        program.File(L"123456789.fb", 400);
        program.File(L"987654321.FB", 400);
        program.File(L"Backup\\old.fb", 400);
        program.File(L"contacts.txt", 50);
        program.File(L"123456789.fbk", 400);
        data.File(L"HistoryDB\\123456789\\Messages.qdb", 3000);
        data.File(L"HistoryDB\\123456789\\Files.qdb", 1000);
        data.File(L"Bartcache\\buddy_icon.bmp", 500);
        data.File(L"Settings.xml", 100);
        received.File(L"from friend\\party.avi", 9000);
    }
};

struct SkypeUser {
    std::wstring appData = SpecialFolderPath(CSIDL_APPDATA);
    TestFolder skype = TestFolder::At(appData + L"\\Skype");
    SkypeUser() {
        skype.File(L"alice\\chat256.dbb", 2048);
        skype.File(L"alice\\chatmsg256.dbb", 4096);
        skype.File(L"alice\\call256.dbb", 512);
        skype.File(L"alice\\transfer256.dbb", 256);
        skype.File(L"alice\\config.xml", 900);
        skype.File(L"alice\\voicemail\\voicemail-1.dat", 3000);
        skype.File(L"bob\\chat512.dbb", 2048);
        skype.File(L"bob\\chatmember256.dbb", 256);
        skype.File(L"bob\\callmember256.dbb", 256);
        skype.File(L"bob\\voicemail\\voicemail-7.dat", 3000);
        skype.File(L"shared.xml", 1500);
    }
    std::wstring Path(const std::wstring& relative) const { return appData + L"\\Skype\\" + relative; }
};

} // namespace

TEST(MessengerItems, Icq2003bFindsEachKindOfTraceInItsProgramFolder) {
    EngineRecorder recorder;
    Icq2003b icq;
    const std::wstring root = L"C:\\Program Files\\ICQ\\";

    EXPECT_EQ(Sorted({root + L"AteBrowser\\cookies.txt", root + L"AteBrowser\\Cache\\ad_banner.gif"}),
              Sorted(FoundBy(recorder, &Privacy_MSGRICQBCacheandCookies)));
    EXPECT_EQ(Texts{root + L"Received Files\\123456789\\holiday.jpg"},
              FoundBy(recorder, &Privacy_MSGRICQBReceivedFiles));
    EXPECT_EQ(Texts{root + L"Bookmark\\Favorite Sites.url"}, FoundBy(recorder, &Privacy_MSGRICQBBookMarks));
    EXPECT_EQ(Texts{root + L"ICQ Downloads\\skin_pack.zip"}, FoundBy(recorder, &Privacy_MSGRICQBDownLoads));
    EXPECT_EQ((Texts{root + L"2003b\\123456789.dat", root + L"Contact List\\contacts.cl",
                     root + L"UIN\\123456789.uin"}),
              FoundBy(recorder, &Privacy_MSGRICQBContactList));
    EXPECT_EQ(Texts{root + L"Shared files\\song.mp3"}, FoundBy(recorder, &Privacy_MSGRICQBSharedFiles));
    EXPECT_EQ(Texts{root + L"Pictures\\123456789.bmp"}, FoundBy(recorder, &Privacy_MSGRICQBPictures));

    // With only the UIN folder left, the contact list is what lies there.
    RemoveTree(root + L"2003b");
    RemoveTree(root + L"Contact List");
    EXPECT_EQ(Texts{root + L"UIN\\123456789.uin"}, FoundBy(recorder, &Privacy_MSGRICQBContactList));
    EXPECT_TRUE(FileExists(root + L"ICQ.exe"));
}

TEST(MessengerItems, Icq51FindsHistoryLogContactListsAndReceivedFiles) {
    EngineRecorder recorder;
    Icq51 icq;
    const std::wstring program = L"C:\\Program Files\\ICQLite\\";
    const std::wstring data = SpecialFolderPath(CSIDL_APPDATA) + L"\\ICQLite\\";

    EXPECT_EQ(
        Sorted({data + L"HistoryDB\\123456789\\Messages.qdb", data + L"HistoryDB\\123456789\\Files.qdb"}),
        Sorted(FoundBy(recorder, &Privacy_MSGRICQ5ChatHis)));
    EXPECT_EQ(Texts{program + L"ICQLite.log"}, FoundBy(recorder, &Privacy_MSGRICQ5LogFiles));
    EXPECT_EQ(Texts{SpecialFolderPath(CSIDL_PERSONAL) + L"\\ICQ Lite\\from friend\\party.avi"},
              FoundBy(recorder, &Privacy_MSGRICQ5ReceivedFiles));
    // Only the lists lying directly in the program folder, whatever the
    // case of their extension; not a backup in a subfolder, not a ".fbk".
    EXPECT_EQ(Sorted({program + L"123456789.fb", program + L"987654321.FB"}),
              Sorted(FoundBy(recorder, &Privacy_MSGRICQ5ContactList)));
    EXPECT_EQ(Texts{data + L"Bartcache\\buddy_icon.bmp"}, FoundBy(recorder, &Privacy_MSGRICQ5BrowserCache));
}

TEST(MessengerItems, WithoutIcqNothingAtTheRootOfTheCurrentDriveIsTouched) {
    EngineRecorder recorder;
    CurrentDirectory atDriveRoot(L"C:\\");
    TestFolder received = TestFolder::At(L"C:\\Received Files");
    received.File(L"photo.jpg", 100);
    TestFolder pictures = TestFolder::At(L"C:\\Pictures");
    pictures.File(L"me.bmp", 100);
    TestFolder contacts = TestFolder::At(L"C:\\ICQ");
    contacts.File(L"Received Files\\photo.jpg", 100);
    MakeFile(L"C:\\ICQLite.log", 100);
    MakeFile(L"C:\\123.fb", 100);
    // An entry that names no absolute folder counts as no installation.
    TestRegistry registry;
    registry.String(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQ.exe", L"", L"ICQ\\ICQ.exe");
    Privacy_CheckDelete(1);

    for (Item item :
         {&Privacy_MSGRICQBCacheandCookies, &Privacy_MSGRICQBReceivedFiles, &Privacy_MSGRICQBBookMarks,
          &Privacy_MSGRICQBDownLoads, &Privacy_MSGRICQBContactList, &Privacy_MSGRICQBSharedFiles,
          &Privacy_MSGRICQBPictures, &Privacy_MSGRICQ5LogFiles, &Privacy_MSGRICQ5ContactList}) {
        EXPECT_TRUE(FoundBy(recorder, item).empty());
    }
    EXPECT_TRUE(FileExists(L"C:\\Received Files\\photo.jpg"));
    EXPECT_TRUE(FileExists(L"C:\\Pictures\\me.bmp"));
    EXPECT_TRUE(FileExists(L"C:\\ICQ\\Received Files\\photo.jpg"));
    EXPECT_TRUE(FileExists(L"C:\\ICQLite.log"));
    EXPECT_TRUE(FileExists(L"C:\\123.fb"));
    RemoveTree(L"C:\\ICQLite.log");
    RemoveTree(L"C:\\123.fb");
}

TEST(MessengerItems, YahooIsFoundThroughItsProtocolCommand) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder yahoo = TestFolder::At(L"C:\\Program Files\\Yahoo!");
    yahoo.File(L"Messenger\\YPager.exe", 4000);
    yahoo.File(L"Messenger\\Cache\\ad_1234.htm", 600);
    yahoo.File(L"Messenger\\Profiles\\jdoe\\Archive\\Messages\\friend\\20060305-jdoe.dat", 1200);
    yahoo.File(L"Messenger\\Profiles\\jdoe\\Archive\\Voice\\20060305.dat", 300);
    yahoo.File(L"Messenger\\Logs\\ymsgr.log", 400);
    const std::wstring root = L"C:\\Program Files\\Yahoo!\\Messenger\\";
    const std::wstring command = L"ymsgr\\shell\\open\\command";

    // Not registered: nothing.
    EXPECT_TRUE(FoundBy(recorder, &Privacy_MSGRYahCache).empty());

    registry.String(HKEY_CLASSES_ROOT, command, L"", root + L"YPager.exe \"%1\"");
    EXPECT_EQ(Texts{root + L"Cache\\ad_1234.htm"}, FoundBy(recorder, &Privacy_MSGRYahCache));
    EXPECT_EQ(Sorted({root + L"Profiles\\jdoe\\Archive\\Messages\\friend\\20060305-jdoe.dat",
                      root + L"Profiles\\jdoe\\Archive\\Voice\\20060305.dat"}),
              Sorted(FoundBy(recorder, &Privacy_MSGRYahChatandVoiceHis)));
    EXPECT_EQ(Texts{root + L"Logs\\ymsgr.log"}, FoundBy(recorder, &Privacy_MSGRYahProgLogs));

    // A command whose program path is quoted names no folder.
    registry.String(HKEY_CLASSES_ROOT, command, L"", L"\"" + root + L"YPager.exe\" \"%1\"");
    EXPECT_TRUE(FoundBy(recorder, &Privacy_MSGRYahProgLogs).empty());
}

TEST(MessengerItems, AolInstantMessengerHistoryFilesAndScreenName) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring aim = SpecialFolderPath(CSIDL_APPDATA) + L"\\Aim";
    const std::wstring filelib = SpecialFolderPath(CSIDL_PERSONAL) + L"\\filelib";
    TestFolder history = TestFolder::At(aim);
    TestFolder files = TestFolder::At(filelib);
    history.File(L"jdoe\\Logs\\buddy.htm", 800);
    files.File(L"jdoe\\shared\\notes.txt", 200);
    files.File(L"jdoe\\received\\song.mp3", 5000);
    const std::wstring login = L"Software\\America Online\\AOL Instant Messenger (TM)\\CurrentVersion\\Login";
    registry.String(HKEY_CURRENT_USER, login, L"Screen Name", L"jdoe");

    EXPECT_EQ(Texts{aim + L"\\jdoe\\Logs\\buddy.htm"}, FoundBy(recorder, &Privacy_MSGRAQLChatHis));
    EXPECT_EQ(Sorted({filelib + L"\\jdoe\\shared\\notes.txt", filelib + L"\\jdoe\\received\\song.mp3"}),
              Sorted(FoundBy(recorder, &Privacy_MSGRAQLReceivandSharFiles)));
    EXPECT_EQ(Texts{L"HKEY_CURRENT_USER||Software\\America Online\\AOL Instant Messenger "
                    L"(TM)\\CurrentVersion\\Login=Screen Name"},
              FoundBy(recorder, &Privacy_MSGRAQLRecentScreenName));
}

TEST(MessengerItems, TrillianIsFoundThroughTheAimProtocolCommand) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder trillian = TestFolder::At(L"C:\\Program Files\\Trillian");
    trillian.File(L"trillian.exe", 4000);
    trillian.File(L"users\\default\\logs\\AIM\\Query\\buddy.log", 900);
    trillian.File(L"users\\default\\logs\\MSN\\Query\\friend@example.com.log", 500);
    trillian.File(L"users\\default\\downloads\\photo.jpg", 3000);
    trillian.File(L"users\\default\\buddies.xml", 300);
    const std::wstring root = L"C:\\Program Files\\Trillian\\users\\default\\";

    EXPECT_TRUE(FoundBy(recorder, &Privacy_MSGRTrilChatLogs).empty());
    registry.String(HKEY_CLASSES_ROOT, L"AIM\\shell\\open\\command", L"",
                    L"C:\\Program Files\\Trillian\\trillian.exe -url \"%1\"");
    EXPECT_EQ(
        Sorted({root + L"logs\\AIM\\Query\\buddy.log", root + L"logs\\MSN\\Query\\friend@example.com.log"}),
        Sorted(FoundBy(recorder, &Privacy_MSGRTrilChatLogs)));
    EXPECT_EQ(Texts{root + L"downloads\\photo.jpg"}, FoundBy(recorder, &Privacy_MSGRTrilReceivedFiles));
    // Trillian 4 and later: each account's logs in the roaming application
    // data, beside its settings.
    TestFolder roaming = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Trillian");
    const Texts accountLogs = {roaming.File(L"users\\ann\\logs\\ASTRA\\Query\\friend.xml", 800),
                               roaming.File(L"users\\global\\logs\\_SYSTEM.log", 200)};
    roaming.File(L"users\\ann\\settings\\accounts.ini", 300);
    EXPECT_EQ(Sorted(Concat(accountLogs, {root + L"logs\\AIM\\Query\\buddy.log",
                                          root + L"logs\\MSN\\Query\\friend@example.com.log"})),
              Sorted(FoundBy(recorder, &Privacy_MSGRTrilChatLogs)));
}

TEST(MessengerItems, SkypeCleansEveryAccountAndIgnoresFilesBesideThem) {
    EngineRecorder recorder;
    SkypeUser skype;
    const std::vector<std::wstring> alice = {
        skype.Path(L"alice\\chat256.dbb"), skype.Path(L"alice\\chatmsg256.dbb"),
        skype.Path(L"alice\\call256.dbb"), skype.Path(L"alice\\voicemail\\voicemail-1.dat")};
    const std::vector<std::wstring> bob = {
        skype.Path(L"bob\\chat512.dbb"), skype.Path(L"bob\\chatmember256.dbb"),
        skype.Path(L"bob\\callmember256.dbb"), skype.Path(L"bob\\voicemail\\voicemail-7.dat")};

    // Each account in turn, its databases in their fixed order, then its voice mail.
    const auto history = FoundBy(recorder, &Privacy_MSGRSkyChatandVoiceHis);
    EXPECT_TRUE(history == Concat(alice, bob) || history == Concat(bob, alice)) << history.size() << " found";
    EXPECT_EQ(Texts{skype.Path(L"alice\\transfer256.dbb")},
              FoundBy(recorder, &Privacy_MSGRSkyFileTransferHis));
    EXPECT_EQ(Sorted({skype.Path(L"alice\\voicemail\\voicemail-1.dat"),
                      skype.Path(L"bob\\voicemail\\voicemail-7.dat")}),
              Sorted(FoundBy(recorder, &Privacy_MSGRSkyVoiceMailHis)));

    // Cleaning removes the histories and keeps the accounts' settings.
    Privacy_CheckDelete(1);
    FoundBy(recorder, &Privacy_MSGRSkyChatandVoiceHis);
    for (const auto& path : Concat(alice, bob)) {
        EXPECT_FALSE(FileExists(path)) << path.c_str();
    }
    EXPECT_TRUE(FileExists(skype.Path(L"alice\\config.xml")));
    EXPECT_TRUE(FileExists(skype.Path(L"alice\\transfer256.dbb")));
    EXPECT_TRUE(FileExists(skype.Path(L"shared.xml")));
}

TEST(MessengerItems, SkypeNeverFollowsALinkedAccountFolderElsewhere) {
    EngineRecorder recorder;
    SkypeUser skype;
    TestFolder elsewhere;
    elsewhere.File(L"chat256.dbb", 100);
    elsewhere.File(L"voicemail\\keep.dat", 100);
    ASSERT_TRUE(MakeUnixSymlink(elsewhere.Path(), skype.Path(L"carol")));
    Privacy_CheckDelete(1);

    for (Item item : {&Privacy_MSGRSkyChatandVoiceHis, &Privacy_MSGRSkyVoiceMailHis}) {
        for (const auto& text : FoundBy(recorder, item)) {
            EXPECT_EQ(std::wstring::npos, text.find(L"\\carol\\")) << text.c_str();
        }
    }
    EXPECT_TRUE(FileExists(elsewhere.Path(L"chat256.dbb")));
    EXPECT_TRUE(FileExists(elsewhere.Path(L"voicemail\\keep.dat")));
    EXPECT_FALSE(FileExists(skype.Path(L"alice\\chat256.dbb")));
    // The platform cannot remove a link to a folder that is not empty.
    const std::string link = UnixPath(skype.Path(L"carol"));
    RunProcess(L"\\\\?\\unix\\bin\\rm \"" + std::wstring(link.begin(), link.end()) + L"\"");
}

TEST(MessengerItems, SkypeReceivedFilesLieInTheProfilesMyDocuments) {
    EngineRecorder recorder;
    const std::wstring appData = SpecialFolderPath(CSIDL_APPDATA);
    const std::wstring profile = appData.substr(0, appData.rfind(L'\\'));
    TestFolder received = TestFolder::At(profile + L"\\My Documents\\My Skype Received Files");
    received.File(L"slides.ppt", 6000);
    EXPECT_EQ(Texts{profile + L"\\My Documents\\My Skype Received Files\\slides.ppt"},
              FoundBy(recorder, &Privacy_MSGRSkyReceivedFiles));
    RemoveTree(profile + L"\\My Documents");
}

TEST(MessengerItems, SkypeReceivedFilesOnWindows10LieInTheDocuments) {
    EngineRecorder recorder;
    TestFolder received = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\My Skype Received Files");
    const std::wstring slides = received.File(L"slides.ppt", 6000);
    EXPECT_EQ(Texts{slides}, FoundBy(recorder, &Privacy_MSGRSkyReceivedFiles));
}

TEST(MessengerItems, MsnGoogleTalkAndGaimLogs) {
    EngineRecorder recorder;
    const std::wstring documents = SpecialFolderPath(CSIDL_PERSONAL);
    const std::wstring local = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
    const std::wstring roaming = SpecialFolderPath(CSIDL_APPDATA);
    TestFolder msn = TestFolder::At(documents + L"\\My Received Files");
    msn.File(L"jdoe@hotmail.com\\History\\friend1234.xml", 700);
    msn.File(L"picture.jpg", 2000);
    TestFolder google = TestFolder::At(local + L"\\Google");
    google.File(L"Google Talk\\chatlogs\\friend@gmail.com.txt", 300);
    google.File(L"Google Talk\\avatars\\me.jpg", 900);
    TestFolder gaim = TestFolder::At(roaming + L"\\.gaim");
    gaim.File(L"logs\\aim\\jdoe\\buddy\\2006-03-05.120000.html", 400);
    gaim.File(L"accounts.xml", 200);
    TestFolder pidgin = TestFolder::At(roaming + L"\\.purple"); // Gaim renamed
    pidgin.File(L"logs\\jabber\\ann@example.org\\bob@example.org\\2024-05-01.093000+0200CEST.html", 600);
    pidgin.File(L"accounts.xml", 200);

    EXPECT_EQ(Sorted({documents + L"\\My Received Files\\jdoe@hotmail.com\\History\\friend1234.xml",
                      documents + L"\\My Received Files\\picture.jpg"}),
              Sorted(FoundBy(recorder, &Privacy_MSGRMSNChatLogandRecvFiles)));
    EXPECT_EQ(Texts{local + L"\\Google\\Google Talk\\chatlogs\\friend@gmail.com.txt"},
              FoundBy(recorder, &Privacy_MSGRGogChatLogs));
    EXPECT_EQ((Texts{roaming + L"\\.gaim\\logs\\aim\\jdoe\\buddy\\2006-03-05.120000.html",
                     roaming + L"\\.purple\\logs\\jabber\\ann@example.org\\bob@example.org\\2024-05-01."
                               L"093000+0200CEST.html"}),
              FoundBy(recorder, &Privacy_MSGRGMChatLogs));
}

TEST(MessengerItems, StopRequestKeepsEveryItemQuiet) {
    Icq2003b icq;
    Icq51 icqLite;
    SkypeUser skype;
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER,
                    L"Software\\America Online\\AOL Instant Messenger (TM)\\CurrentVersion\\Login",
                    L"Screen Name", L"jdoe");

    const DllItemCalls stopped = CallStoppedItems(kMessengerItems);
    EXPECT_EQ(0u, stopped.missing);
    EXPECT_TRUE(stopped.allReturnedOne);
    EXPECT_TRUE(stopped.found.empty());
    EXPECT_EQ(0, stopped.pumps);
    EXPECT_TRUE(FileExists(skype.Path(L"alice\\chat256.dbb")));
    EXPECT_TRUE(FileExists(L"C:\\Program Files\\ICQ\\Received Files\\123456789\\holiday.jpg"));

    // A stop pressed while an item runs ends it at its next place.
    EngineRecorder recorder;
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    for (Item item :
         {&Privacy_MSGRSkyChatandVoiceHis, &Privacy_MSGRICQBContactList, &Privacy_MSGRICQ5ContactList}) {
        Privacy_StopScan(0);
        EXPECT_EQ(1u, FoundBy(recorder, item).size());
    }
}

TEST(ScrubcoreDll, ExportsEveryMessengerItemWithABodyOfItsOwn) {
    std::set<FARPROC> bodies;
    for (const char* name : kMessengerItems) {
        const FARPROC address = ScrubcoreExport(name);
        EXPECT_NE(nullptr, address) << name;
        bodies.insert(address);
    }
    EXPECT_EQ(27u, bodies.size());
    size_t messengerExports = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        messengerExports += name.rfind("Privacy_MSGR", 0) == 0;
    }
    EXPECT_EQ(27u, messengerExports);
}
