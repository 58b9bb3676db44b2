// Instant messengers: chat logs, received files, caches, contact lists and
// remembered screen names. ICQ, Yahoo and Trillian keep their traces beside
// their program, so those items ask where the program is installed and find
// nothing when it is not.
#include "scrubcore/MessengerItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/EntryItems.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/FilePrimitives.h"

namespace scrub {
namespace {

// Every account folder in Skype's folder (a file there has no traces below it).
std::vector<std::wstring> SkypeAccounts() {
    return EntriesOf(UnderRoot(AppDataFolder(), L"\\Skype"));
}

bool HasContactListExtension(const wchar_t* name) {
    const std::wstring text(name);
    return text.size() >= 3 && win32::EqualsNoCase(text.substr(text.size() - 3), L".fb");
}

// The contact lists lying directly in the ICQ Lite folder. The name test
// keeps out names that the pattern matches only through their short form.
void IcqLiteContactLists(unsigned char) {
    const std::wstring folder = IcqLiteFolder();
    if (folder.empty()) {
        return;
    }
    WIN32_FIND_DATAW found;
    win32::UniqueFind find(FindFirstFileW((folder + L"\\*.fb").c_str(), &found));
    if (!find) {
        return;
    }
    do {
        if (theApp.stopRequested) {
            return;
        }
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            HasContactListExtension(found.cFileName)) {
            HandleFile(win32::JoinPath(folder, found.cFileName));
        }
    } while (FindNextFileW(find.Get(), &found));
}

} // namespace
} // namespace scrub

using namespace scrub;

// ICQ 2003 b
SCRUB_ITEM(Privacy_MSGRICQBCacheandCookies, FolderAt(&IcqFolder, L"\\AteBrowser"));
SCRUB_ITEM(Privacy_MSGRICQBReceivedFiles, FolderAt(&IcqFolder, L"\\Received Files"));
SCRUB_ITEM(Privacy_MSGRICQBBookMarks, FolderAt(&IcqFolder, L"\\Bookmark"));
SCRUB_ITEM(Privacy_MSGRICQBDownLoads, FolderAt(&IcqFolder, L"\\ICQ Downloads"));
SCRUB_ITEM(Privacy_MSGRICQBContactList, FolderAt(&IcqFolder, L"\\2003b"),
           FolderAt(&IcqFolder, L"\\Contact List"), FolderAt(&IcqFolder, L"\\UIN"));
SCRUB_ITEM(Privacy_MSGRICQBSharedFiles, FolderAt(&IcqFolder, L"\\Shared files"));
SCRUB_ITEM(Privacy_MSGRICQBPictures, FolderAt(&IcqFolder, L"\\Pictures"));

// ICQ 5.1
SCRUB_ITEM(Privacy_MSGRICQ5ChatHis, FolderAt(&AppDataFolder, L"\\ICQLite\\HistoryDB"));
SCRUB_ITEM(Privacy_MSGRICQ5LogFiles, FileAt(&IcqLiteFolder, L"\\ICQLite.log"));
SCRUB_ITEM(Privacy_MSGRICQ5ReceivedFiles, FolderAt(&DocumentsFolder, L"\\ICQ Lite"));
SCRUB_SPECIAL_ITEM(Privacy_MSGRICQ5ContactList, IcqLiteContactLists);
SCRUB_ITEM(Privacy_MSGRICQ5BrowserCache, FolderAt(&AppDataFolder, L"\\ICQLite\\Bartcache"));

// Yahoo
SCRUB_ITEM(Privacy_MSGRYahCache, FolderAt(&YahooFolder, L"\\Cache"));
SCRUB_ITEM(Privacy_MSGRYahChatandVoiceHis, FolderAt(&YahooFolder, L"\\Profiles"));
SCRUB_ITEM(Privacy_MSGRYahProgLogs, FolderAt(&YahooFolder, L"\\Logs"));

// AOL Instant Messenger
SCRUB_ITEM(Privacy_MSGRAQLChatHis, FolderAt(&AppDataFolder, L"\\Aim"));
SCRUB_ITEM(Privacy_MSGRAQLReceivandSharFiles, FolderAt(&DocumentsFolder, L"\\filelib"));
SCRUB_ITEM(Privacy_MSGRAQLRecentScreenName,
           NamedValue(HKEY_CURRENT_USER,
                      L"Software\\America Online\\AOL Instant Messenger (TM)\\CurrentVersion\\Login",
                      L"Screen Name"));

// Skype
SCRUB_ENTRY_ITEM(Privacy_MSGRSkyChatandVoiceHis, SkypeAccounts, FileBelow(L"\\chat256.dbb"),
                 FileBelow(L"\\chat512.dbb"), FileBelow(L"\\chatmember256.dbb"),
                 FileBelow(L"\\chatmsg256.dbb"), FileBelow(L"\\call256.dbb"),
                 FileBelow(L"\\callmember256.dbb"), FolderBelow(L"\\voicemail"));
SCRUB_ENTRY_ITEM(Privacy_MSGRSkyFileTransferHis, SkypeAccounts, FileBelow(L"\\transfer256.dbb"));
SCRUB_ENTRY_ITEM(Privacy_MSGRSkyVoiceMailHis, SkypeAccounts, FolderBelow(L"\\voicemail"));
SCRUB_ITEM(Privacy_MSGRSkyReceivedFiles,
           FolderAt(&AppDataParentFolder, L"\\My Documents\\My Skype Received Files"),
           FolderAt(&DocumentsFolder, L"\\My Skype Received Files"));

// Trillian
// Trillian 3 kept its logs beside the program, later versions keep them per
// account in the roaming application data.
SCRUB_ITEM(Privacy_MSGRTrilChatLogs, FolderAt(&TrillianFolder, L"\\users\\default\\logs"),
           FolderInEach(&AppDataFolder, L"\\Trillian\\users", L"\\logs"));
SCRUB_ITEM(Privacy_MSGRTrilReceivedFiles, FolderAt(&TrillianFolder, L"\\users\\default\\downloads"));

// MSN Messenger, Google Talk, Gaim
SCRUB_ITEM(Privacy_MSGRMSNChatLogandRecvFiles, FolderAt(&DocumentsFolder, L"\\My Received Files"));
SCRUB_ITEM(Privacy_MSGRGogChatLogs, FolderAt(&LocalAppDataFolder, L"\\Google\\Google Talk\\chatlogs"));
// Gaim was renamed Pidgin and moved its folder.
SCRUB_ITEM(Privacy_MSGRGMChatLogs, FolderAt(&AppDataFolder, L"\\.gaim\\logs"),
           FolderAt(&AppDataFolder, L"\\.purple\\logs"));
