// Instant messengers: ICQ 2003b and ICQ Lite installed under Program Files,
// Yahoo and Trillian registered for their protocols, an AIM user, a Skype
// user with two accounts, and MSN, Google Talk and Gaim logs.
#include "Demo.h"

#include <shlobj.h>

namespace {

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

void SeedMessengers() {
    using namespace demo;
    const std::wstring appData = SpecialFolder(CSIDL_APPDATA);
    const std::wstring localAppData = SpecialFolder(CSIDL_LOCAL_APPDATA);
    const std::wstring documents = SpecialFolder(CSIDL_PERSONAL);

    const std::wstring icq = L"C:\\Program Files\\ICQ";
    SeedString(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQ.exe", L"", icq + L"\\ICQ.exe");
    SeedFile(icq + L"\\ICQ.exe", 40000);
    SeedFile(icq + L"\\AteBrowser\\cookies.txt", 1200);
    SeedFile(icq + L"\\Received Files\\123456789\\holiday.jpg", 52000);
    SeedFile(icq + L"\\Bookmark\\Favorite Sites.url", 300);
    SeedFile(icq + L"\\ICQ Downloads\\skin_pack.zip", 31000);
    SeedFile(icq + L"\\2003b\\123456789.dat", 20480);
    SeedFile(icq + L"\\Shared files\\song.mp3", 70000);
    SeedFile(icq + L"\\Pictures\\123456789.bmp", 10000);

    const std::wstring icqLite = L"C:\\Program Files\\ICQLite";
    SeedString(HKEY_LOCAL_MACHINE, kAppPaths + L"ICQLite.exe", L"", icqLite + L"\\ICQLite.exe");
    SeedFile(icqLite + L"\\ICQLite.exe", 40000);
    SeedFile(icqLite + L"\\ICQLite.log", 7000);
    SeedFile(icqLite + L"\\123456789.fb", 4000);
    SeedFile(appData + L"\\ICQLite\\HistoryDB\\123456789\\Messages.qdb", 30000);
    SeedFile(appData + L"\\ICQLite\\Bartcache\\buddy_icon.bmp", 5000);
    SeedFile(documents + L"\\ICQ Lite\\party.avi", 90000);

    const std::wstring yahoo = L"C:\\Program Files\\Yahoo!\\Messenger";
    SeedString(HKEY_CLASSES_ROOT, L"ymsgr\\shell\\open\\command", L"", yahoo + L"\\YPager.exe \"%1\"");
    SeedFile(yahoo + L"\\YPager.exe", 40000);
    SeedFile(yahoo + L"\\Cache\\ad_1234.htm", 6000);
    SeedFile(yahoo + L"\\Profiles\\jdoe\\Archive\\Messages\\friend\\20060305-jdoe.dat", 12000);
    SeedFile(yahoo + L"\\Logs\\ymsgr.log", 4000);

    SeedFile(appData + L"\\Aim\\jdoe\\Logs\\buddy.htm", 8000);
    SeedFile(documents + L"\\filelib\\jdoe\\received\\song.mp3", 50000);
    SeedString(HKEY_CURRENT_USER,
               L"Software\\America Online\\AOL Instant Messenger (TM)\\CurrentVersion\\Login", L"Screen Name",
               L"jdoe");

    for (const wchar_t* file : {L"alice\\chat256.dbb", L"alice\\chatmsg256.dbb", L"alice\\call256.dbb",
                                L"alice\\transfer256.dbb", L"alice\\voicemail\\voicemail-1.dat",
                                L"bob\\chat512.dbb", L"bob\\callmember256.dbb", L"shared.xml"}) {
        SeedFile(appData + L"\\Skype\\" + file, 4096);
    }
    const std::wstring profile = appData.substr(0, appData.rfind(L'\\'));
    SeedFile(profile + L"\\My Documents\\My Skype Received Files\\slides.ppt", 60000);

    const std::wstring trillian = L"C:\\Program Files\\Trillian";
    SeedString(HKEY_CLASSES_ROOT, L"AIM\\shell\\open\\command", L"",
               trillian + L"\\trillian.exe -url \"%1\"");
    SeedFile(trillian + L"\\trillian.exe", 40000);
    SeedFile(trillian + L"\\users\\default\\logs\\AIM\\Query\\buddy.log", 9000);
    SeedFile(trillian + L"\\users\\default\\downloads\\photo.jpg", 30000);

    SeedFile(documents + L"\\My Received Files\\jdoe@hotmail.com\\History\\friend1234.xml", 7000);
    SeedFile(localAppData + L"\\Google\\Google Talk\\chatlogs\\friend@gmail.com.txt", 3000);
    SeedFile(appData + L"\\.gaim\\logs\\aim\\jdoe\\buddy\\2006-03-05.120000.html", 4000);
    SeedFile(appData +
                 L"\\.purple\\logs\\jabber\\jsmith@example.org\\bob@example.org\\2024-05-01.093000.html",
             3000); // Pidgin, as Gaim is called today
}

} // namespace

DEMO_CATEGORY(messengers,
              {2,
               L"Instant messengers",
               &SeedMessengers,
               {
                   {"Privacy_MSGRICQBCacheandCookies", L"ICQ 2003 b Cache And Cookies"},
                   {"Privacy_MSGRICQBReceivedFiles", L"ICQ 2003 b Received Files"},
                   {"Privacy_MSGRICQBBookMarks", L"ICQ 2003 b Bookmarks"},
                   {"Privacy_MSGRICQBDownLoads", L"ICQ 2003 b Downloads"},
                   {"Privacy_MSGRICQBContactList", L"ICQ 2003 b Contact List"},
                   {"Privacy_MSGRICQBSharedFiles", L"ICQ 2003 b Shared File"},
                   {"Privacy_MSGRICQBPictures", L"ICQ 2003 b Pictures"},
                   {"Privacy_MSGRICQ5ChatHis", L"ICQ 5.1 Chat History"},
                   {"Privacy_MSGRICQ5LogFiles", L"ICQ 5.1 Log Files"},
                   {"Privacy_MSGRICQ5ReceivedFiles", L"ICQ 5.1 Received Files"},
                   {"Privacy_MSGRICQ5ContactList", L"ICQ 5.1 Contact List"},
                   {"Privacy_MSGRICQ5BrowserCache", L"ICQ 5.1 Browser Cache"},
                   {"Privacy_MSGRYahCache", L"Yahoo Cache"},
                   {"Privacy_MSGRYahChatandVoiceHis", L"Yahoo Chat And Voice History"},
                   {"Privacy_MSGRYahProgLogs", L"Yahoo Program Logs"},
                   {"Privacy_MSGRAQLChatHis", L"AOL Chat History"},
                   {"Privacy_MSGRAQLReceivandSharFiles", L"AOL Received And Shared Files"},
                   {"Privacy_MSGRAQLRecentScreenName", L"AOL Recent Screen Name"},
                   {"Privacy_MSGRSkyChatandVoiceHis", L"Skype Voice And Chat History"},
                   {"Privacy_MSGRSkyFileTransferHis", L"Skype File Transfer History"},
                   {"Privacy_MSGRSkyVoiceMailHis", L"Skype Voice Mail History"},
                   {"Privacy_MSGRSkyReceivedFiles", L"Skype Received Files"},
                   {"Privacy_MSGRTrilChatLogs", L"Trillian Chat Logs"},
                   {"Privacy_MSGRTrilReceivedFiles", L"Trillian Received Files"},
                   {"Privacy_MSGRMSNChatLogandRecvFiles", L"MSN Messenger Chat Logs And Received Files"},
                   {"Privacy_MSGRGogChatLogs", L"Google Talk Chat Logs"},
                   {"Privacy_MSGRGMChatLogs", L"Gaim Chat Logs"},
               }});
