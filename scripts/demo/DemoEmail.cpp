// E-mail: Outlook Express with two identities, Thunderbird with two early
// profiles and one of today's, Eudora, IncrediMail and PocoMail as their
// users leave them.
#include "Demo.h"

#include <shlobj.h>

namespace {

void SeedEmail() {
    using namespace demo;
    const std::wstring appData = SpecialFolder(CSIDL_APPDATA);
    const std::wstring localAppData = SpecialFolder(CSIDL_LOCAL_APPDATA);

    const std::wstring identities = localAppData + L"\\Identities\\";
    const std::wstring main =
        identities + L"{3A1C6E21-8D2B-4F0A-9C57-1B2D3E4F5A60}\\Microsoft\\Outlook Express\\";
    const std::wstring work =
        identities + L"{7F0B2C94-5E13-4A8D-B6C2-9D8E7F6A5B41}\\Microsoft\\Outlook Express\\";
    for (const wchar_t* box : {L"Inbox.dbx", L"Deleted Items.dbx", L"Sent Items.dbx", L"Outbox.dbx"}) {
        SeedFile(main + box, 40960);
    }
    SeedFile(work + L"Sent Items.dbx", 20480);
    SeedString(HKEY_CURRENT_USER, L"Identities", L"Last User ID", L"{3A1C6E21-8D2B-4F0A-9C57-1B2D3E4F5A60}");

    const std::wstring profiles = appData + L"\\Thunderbird\\Profiles\\";
    for (const wchar_t* file : {L"signons.txt", L"key3.db", L"Mail\\Local Folders\\Sent",
                                L"Mail\\Local Folders\\Trash", L"Mail\\Local Folders\\Drafts",
                                L"Mail\\Local Folders\\Unsent Messages", L"Mail\\Local Folders\\Inbox"}) {
        SeedFile(profiles + L"k3x9a2b1.default\\" + file, 9000);
    }
    SeedFile(profiles + L"w7q2m5c8.work\\signons.txt", 800);
    SeedFile(profiles + L"w7q2m5c8.work\\News", 30000);
    // Today's Thunderbird: passwords and keys, and its cache under the local
    // application data; the mail folders stay.
    for (const wchar_t* file : {L"logins.json", L"key4.db", L"Mail\\Local Folders\\Trash",
                                L"ImapMail\\imap.example.org\\INBOX", L"prefs.js", L"cookies.sqlite",
                                L"formhistory.sqlite", L"session.json", L"global-messages-db.sqlite"}) {
        SeedFile(profiles + L"r5t8y1u4.default-release\\" + file, 12000);
    }
    const std::wstring local = localAppData + L"\\Thunderbird\\Profiles\\r5t8y1u4.default-release\\";
    SeedFile(local + L"cache2\\entries\\5E6F708192A3B4C5D6E7F8091A2B3C4D5E6F7081", 20480);
    SeedFile(local + L"startupCache\\startupCache.8.little", 4194304);

    const std::wstring eudora = appData + L"\\Qualcomm\\Eudora\\";
    for (const wchar_t* file :
         {L"Trash.toc", L"Trash.mbx", L"Out.toc", L"Out.mbx", L"History.lst", L"eudora.log",
          L"EudPrivAds\\AdCache\\ad00042.gif", L"Plugins\\Esp\\Temp\\share.tmp", L"nickname\\Friends.txt",
          L"attach\\invoice.pdf", L"In.mbx"}) {
        SeedFile(eudora + file, 6000);
    }

    const std::wstring im = localAppData + L"\\IM\\Identities\\{3A1C6E21-8D2B-4F0A-9C57-1B2D3E4F5A60}\\";
    for (const wchar_t* file : {L"AddressBook\\RecipData.dat", L"AddressBook\\TempContacts.imb",
                                L"Message Store\\Deleted Items.imh", L"Message Store\\Deleted Items.imm",
                                L"Message Store\\Outbox.imh", L"Message Store\\Sent Items.imh",
                                L"Message Store\\Sent Items.imm", L"Message Store\\Drafts.imm"}) {
        SeedFile(im + file, 7000);
    }

    const std::wstring poco = L"C:\\Program Files\\PocoMail\\";
    SeedString(HKEY_CURRENT_USER, L"Software\\Poco Systems Inc\\PocoMail 4", L"path", poco);
    for (const wchar_t* file : {L"PocoMail.exe", L"history.txt", L"Cache\\img0001.gif", L"Attach\\report.doc",
                                L"Mail\\Trash.mbx", L"Mail\\Trash.~mbx", L"Mail\\Out.mbx", L"Mail\\Sent.dat",
                                L"Mail\\Sent.mbx", L"Mail\\Draft.mbx", L"Mail\\Draft\\unfinished.msg"}) {
        SeedFile(poco + file, 5000);
    }
}

} // namespace

DEMO_CATEGORY(email, {6,
                      L"Email",
                      &SeedEmail,
                      {
                          {"Privacy_EMLOL6DeletedMails", L"Outlook 6.x Deleted Mails"},
                          {"Privacy_EMLOL6SentMails", L"Outlook 6.x Sent Mails"},
                          {"Privacy_EMLTBSavePasswords", L"Thunderbird Saved Passwords"},
                          {"Privacy_EMLTBKeyDatabaseMasPass", L"Thunderbird Key Database"},
                          {"Privacy_EMLTBSentMails", L"Thunderbird Sent Mails"},
                          {"Privacy_EMLTBTrashMails", L"Thunderbird Trash Mails"},
                          {"Privacy_EMLTBDrafts", L"Thunderbird Drafts"},
                          {"Privacy_EMLTBUnsentMails", L"Thunderbird Unsent Mails"},
                          {"Privacy_EMLTBDownLoadNews", L"Thunderbird Downloaded News"},
                          {"Privacy_EMLTBCache", L"Thunderbird Cache"},
                          {"Privacy_EMLTBCookies", L"Thunderbird Cookies"},
                          {"Privacy_EMLTBFormHistory", L"Thunderbird Saved Forms History"},
                          {"Privacy_EMLTBSession", L"Thunderbird Session"},
                          {"Privacy_EMLTBSearchIndex", L"Thunderbird Search Index"},
                          {"Privacy_EMLEDTrashFolder", L"Eudora Trash Folder"},
                          {"Privacy_EMLEDOutFolder", L"Eudora Out Folder"},
                          {"Privacy_EMLEDHisOfEmailaddUsed", L"Eudora History of Email Address"},
                          {"Privacy_EMLEDCacheData", L"Eudora Cache"},
                          {"Privacy_EMLEDTemporaryData", L"Eudora Temporary Data"},
                          {"Privacy_EMLEDNicknamesofEmailadd", L"Eudora Nick Names Used"},
                          {"Privacy_EMLEDLogs", L"Eudora Logs"},
                          {"Privacy_EMLEDEmailAttachments", L"Eudora Attachments"},
                          {"Privacy_EMLIMHisOfEmailaddUsed", L"IncrediMail Xe History of Email Users"},
                          {"Privacy_EMLIMDeletedMails", L"IncrediMail Xe Deleted Mails"},
                          {"Privacy_EMLIMOutFolder", L"IncrediMail Xe Out Folder"},
                          {"Privacy_EMLIMSentFolder", L"IncrediMail Xe Sent Folder"},
                          {"Privacy_EMLIMDraftFolder", L"IncrediMail Xe Drafts Folder"},
                          {"Privacy_EMLPMCacheData", L"Pocomail Cache Data"},
                          {"Privacy_EMLPMEmailAttachments", L"Pocomail Attachments"},
                          {"Privacy_EMLPMHisOfEmailaddUsed", L"Pocomail History of Email Used"},
                          {"Privacy_EMLPMTrashFolder", L"Pocomail Trash Folder"},
                          {"Privacy_EMLPMOutFolder", L"Pocomail Out Folder"},
                          {"Privacy_EMLPMSentFolder", L"Pocomail Sent Folder"},
                          {"Privacy_EMLPMDraftFolder", L"Pocomail Drafts Folder"},
                      }});
