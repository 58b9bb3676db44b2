// E-mail items against mail clients set up the way their users leave them:
// several identities and profiles, mailboxes that exist only in part, and a
// client that is not installed at all.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "scrubcore/EmailItems.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <iterator>
#include <set>

using namespace testing_support;

namespace {

using Item = ItemFunction;
using Texts = std::vector<std::wstring>;

// Either account may be listed first; each one's places keep their order.
bool InEitherAccountOrder(const std::vector<std::wstring>& found, const std::vector<std::wstring>& first,
                          const std::vector<std::wstring>& second) {
    return found == Concat(first, second) || found == Concat(second, first);
}

const std::wstring kMainIdentity = L"{3A1C6E21-8D2B-4F0A-9C57-1B2D3E4F5A60}";
const std::wstring kWorkIdentity = L"{7F0B2C94-5E13-4A8D-B6C2-9D8E7F6A5B41}";

const std::wstring kPocoKey = L"Software\\Poco Systems Inc\\PocoMail 4";

// Every e-mail export: the 34 the options tree offers, in its order, then
// the Outlook Express outbox and last identity and the Outlook 2003 items.
// clang-format off
const std::vector<const char*> kEmailItems = {
    "Privacy_EMLOL6DeletedMails", "Privacy_EMLOL6SentMails", "Privacy_EMLTBSavePasswords",
    "Privacy_EMLTBKeyDatabaseMasPass", "Privacy_EMLTBSentMails", "Privacy_EMLTBTrashMails",
    "Privacy_EMLTBDrafts", "Privacy_EMLTBUnsentMails", "Privacy_EMLTBDownLoadNews", "Privacy_EMLTBCache",
    "Privacy_EMLTBCookies", "Privacy_EMLTBFormHistory", "Privacy_EMLTBSession", "Privacy_EMLTBSearchIndex",
    "Privacy_EMLEDTrashFolder", "Privacy_EMLEDOutFolder", "Privacy_EMLEDHisOfEmailaddUsed",
    "Privacy_EMLEDCacheData", "Privacy_EMLEDTemporaryData", "Privacy_EMLEDNicknamesofEmailadd",
    "Privacy_EMLEDLogs", "Privacy_EMLEDEmailAttachments", "Privacy_EMLIMHisOfEmailaddUsed",
    "Privacy_EMLIMDeletedMails", "Privacy_EMLIMOutFolder", "Privacy_EMLIMSentFolder",
    "Privacy_EMLIMDraftFolder", "Privacy_EMLPMCacheData", "Privacy_EMLPMEmailAttachments",
    "Privacy_EMLPMHisOfEmailaddUsed", "Privacy_EMLPMTrashFolder", "Privacy_EMLPMOutFolder",
    "Privacy_EMLPMSentFolder", "Privacy_EMLPMDraftFolder", "Privacy_EMLOL6OutBoxMails",
    "Privacy_EMLOL6LastUserid", "Privacy_EMLOL03RulesWizard", "Privacy_EMLOL03CustSysFolView",
    "Privacy_EMLOL03CustTollBarSettings", "Privacy_EMLOL03MacrosandVBAProg", "Privacy_EMLOL03Nicknames",
    "Privacy_EMLOL03OutLookBarShor", "Privacy_EMLOL03RefToAddins", "Privacy_EMLOL03Signatures",
    "Privacy_EMLOL03Stationary", "Privacy_EMLOL03Templates", "Privacy_EMLOL03Dictonary"};
// clang-format on

} // namespace

TEST(EmailItems, OutlookExpressFindsTheMailboxesOfEveryIdentity) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring identities = SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Identities";
    TestFolder folder = TestFolder::At(identities);
    const std::wstring main = identities + L"\\" + kMainIdentity + L"\\Microsoft\\Outlook Express\\";
    const std::wstring work = identities + L"\\" + kWorkIdentity + L"\\Microsoft\\Outlook Express\\";
    for (const wchar_t* box :
         {L"Inbox.dbx", L"Deleted Items.dbx", L"Sent Items.dbx", L"Outbox.dbx", L"Folders.dbx"}) {
        MakeFile(main + box, 4096);
    }
    MakeFile(work + L"Inbox.dbx", 4096);
    MakeFile(work + L"Sent Items.dbx", 4096);
    registry.String(HKEY_CURRENT_USER, L"Identities", L"Last User ID", kMainIdentity);
    registry.String(HKEY_CURRENT_USER, L"Identities", L"Default User ID", kMainIdentity);

    EXPECT_EQ(Texts{main + L"Deleted Items.dbx"}, FoundBy(recorder, &Privacy_EMLOL6DeletedMails));
    EXPECT_EQ(Sorted({main + L"Sent Items.dbx", work + L"Sent Items.dbx"}),
              Sorted(FoundBy(recorder, &Privacy_EMLOL6SentMails)));
    EXPECT_EQ(Texts{main + L"Outbox.dbx"}, FoundBy(recorder, &Privacy_EMLOL6OutBoxMails));
    EXPECT_EQ(Texts{L"HKEY_CURRENT_USER||Identities=Last User ID"},
              FoundBy(recorder, &Privacy_EMLOL6LastUserid));
}

TEST(EmailItems, ThunderbirdLooksInEveryProfileAndTakesOnlyFiles) {
    EngineRecorder recorder;
    const std::wstring profiles = SpecialFolderPath(CSIDL_APPDATA) + L"\\Thunderbird\\Profiles";
    TestFolder thunderbird = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Thunderbird");
    thunderbird.File(L"profiles.ini", 200);
    const std::wstring home = profiles + L"\\k3x9a2b1.default\\";
    const std::wstring work = profiles + L"\\w7q2m5c8.work\\";
    for (const wchar_t* file :
         {L"signons.txt", L"key3.db", L"cert8.db", L"prefs.js", L"Mail\\Local Folders\\Sent",
          L"Mail\\Local Folders\\Sent.msf", L"Mail\\Local Folders\\Trash", L"Mail\\Local Folders\\Drafts",
          L"Mail\\Local Folders\\Unsent Messages", L"Mail\\Local Folders\\Inbox",
          L"News\\news.example.org\\comp.lang.c++"}) {
        MakeFile(home + file, 1000);
    }
    MakeFile(work + L"signons.txt", 500);
    MakeFile(work + L"key3.db", 500);
    MakeFile(work + L"News", 500); // an older layout: the news store as one file
    MakeFile(profiles + L"\\stray.txt", 10);
    // Today's Thunderbird: its passwords and keys, its caches under the
    // local application data, and mail folders that stay.
    const std::wstring today = profiles + L"\\r5t8y1u4.default-release\\";
    for (const wchar_t* file :
         {L"logins.json", L"logins-backup.json", L"key4.db", L"prefs.js", L"global-messages-db.sqlite",
          L"global-messages-db.sqlite-wal", L"cookies.sqlite", L"formhistory.sqlite", L"session.json",
          L"ImapMail\\imap.example.org\\INBOX", L"ImapMail\\imap.example.org\\Trash",
          L"Mail\\Local Folders\\Trash"}) {
        MakeFile(today + file, 2000);
    }
    // Thunderbird from the Microsoft Store keeps its profile below its package.
    TestFolder package = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) +
                                        L"\\Packages\\MozillaThunderbird.MZLA_h5892qc0xkpca");
    const std::wstring store =
        package.Path(L"LocalCache\\Roaming\\Thunderbird\\Profiles\\q1w2e3r4.default-release\\");
    for (const wchar_t* file :
         {L"logins.json", L"cookies.sqlite", L"prefs.js", L"ImapMail\\imap.example.org\\INBOX"}) {
        MakeFile(store + file, 1000);
    }
    TestFolder local = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Thunderbird");
    const std::wstring caches = local.Path(L"Profiles\\r5t8y1u4.default-release\\");
    const Texts cache = {
        MakeFile(caches + L"cache2\\entries\\5E6F708192A3B4C5D6E7F8091A2B3C4D5E6F7081", 3000),
        MakeFile(caches + L"startupCache\\startupCache.8.little", 4000)};

    EXPECT_EQ(Sorted({home + L"signons.txt", work + L"signons.txt", today + L"logins.json",
                      today + L"logins-backup.json", store + L"logins.json"}),
              Sorted(FoundBy(recorder, &Privacy_EMLTBSavePasswords)));
    EXPECT_EQ(Sorted({home + L"key3.db", work + L"key3.db", today + L"key4.db"}),
              Sorted(FoundBy(recorder, &Privacy_EMLTBKeyDatabaseMasPass)));
    EXPECT_EQ(cache, Sorted(FoundBy(recorder, &Privacy_EMLTBCache)));
    EXPECT_EQ(Texts{home + L"Mail\\Local Folders\\Sent"}, FoundBy(recorder, &Privacy_EMLTBSentMails));
    EXPECT_EQ(Sorted({home + L"Mail\\Local Folders\\Trash", today + L"Mail\\Local Folders\\Trash"}),
              Sorted(FoundBy(recorder, &Privacy_EMLTBTrashMails)));
    EXPECT_EQ(Texts{home + L"Mail\\Local Folders\\Drafts"}, FoundBy(recorder, &Privacy_EMLTBDrafts));
    EXPECT_EQ(Texts{home + L"Mail\\Local Folders\\Unsent Messages"},
              FoundBy(recorder, &Privacy_EMLTBUnsentMails));
    // A news folder is not a news file: only the profile that keeps one file.
    EXPECT_EQ(Texts{work + L"News"}, FoundBy(recorder, &Privacy_EMLTBDownLoadNews));
    // The pages' cookies and form entries, the restored tabs and the search
    // index; never a message.
    EXPECT_EQ(Sorted({today + L"cookies.sqlite", store + L"cookies.sqlite"}),
              Sorted(FoundBy(recorder, &Privacy_EMLTBCookies)));
    EXPECT_EQ(Texts{today + L"formhistory.sqlite"}, FoundBy(recorder, &Privacy_EMLTBFormHistory));
    EXPECT_EQ(Texts{today + L"session.json"}, FoundBy(recorder, &Privacy_EMLTBSession));
    EXPECT_EQ(Texts({today + L"global-messages-db.sqlite", today + L"global-messages-db.sqlite-wal"}),
              FoundBy(recorder, &Privacy_EMLTBSearchIndex));
}

TEST(EmailItems, EudoraFindsItsMailboxesHistoryAndFolders) {
    EngineRecorder recorder;
    const std::wstring eudora = SpecialFolderPath(CSIDL_APPDATA) + L"\\Qualcomm\\Eudora\\";
    TestFolder qualcomm = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Qualcomm");
    for (const wchar_t* file :
         {L"In.mbx", L"In.toc", L"Trash.toc", L"Trash.mbx", L"Out.toc", L"Out.mbx", L"History.lst",
          L"eudora.log", L"eudora.ini", L"EudPrivAds\\AdCache\\ad00042.gif", L"Plugins\\Esp\\Temp\\share.tmp",
          L"nickname\\Friends.txt", L"attach\\invoice.pdf", L"attach\\photos\\beach.jpg"}) {
        MakeFile(eudora + file, 700);
    }

    EXPECT_EQ((Texts{eudora + L"Trash.toc", eudora + L"Trash.mbx"}),
              FoundBy(recorder, &Privacy_EMLEDTrashFolder));
    EXPECT_EQ((Texts{eudora + L"Out.toc", eudora + L"Out.mbx"}), FoundBy(recorder, &Privacy_EMLEDOutFolder));
    EXPECT_EQ(Texts{eudora + L"History.lst"}, FoundBy(recorder, &Privacy_EMLEDHisOfEmailaddUsed));
    EXPECT_EQ(Texts{eudora + L"EudPrivAds\\AdCache\\ad00042.gif"},
              FoundBy(recorder, &Privacy_EMLEDCacheData));
    EXPECT_EQ(Texts{eudora + L"Plugins\\Esp\\Temp\\share.tmp"},
              FoundBy(recorder, &Privacy_EMLEDTemporaryData));
    EXPECT_EQ(Texts{eudora + L"nickname\\Friends.txt"}, FoundBy(recorder, &Privacy_EMLEDNicknamesofEmailadd));
    EXPECT_EQ(Texts{eudora + L"eudora.log"}, FoundBy(recorder, &Privacy_EMLEDLogs));
    EXPECT_EQ(Sorted({eudora + L"attach\\invoice.pdf", eudora + L"attach\\photos\\beach.jpg"}),
              Sorted(FoundBy(recorder, &Privacy_EMLEDEmailAttachments)));
}

TEST(EmailItems, IncrediMailFindsEveryIdentitysIndexAndMessages) {
    EngineRecorder recorder;
    const std::wstring identities = SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\IM\\Identities";
    TestFolder im = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\IM");
    const std::wstring main = identities + L"\\" + kMainIdentity + L"\\";
    const std::wstring work = identities + L"\\" + kWorkIdentity + L"\\";
    for (const wchar_t* file :
         {L"AddressBook\\RecipData.dat", L"AddressBook\\TempContacts.imb", L"AddressBook\\AddressBook.imb",
          L"Message Store\\Inbox.imh", L"Message Store\\Inbox.imm", L"Message Store\\Deleted Items.imh",
          L"Message Store\\Deleted Items.imm", L"Message Store\\Outbox.imh", L"Message Store\\Outbox.imm",
          L"Message Store\\Sent Items.imh", L"Message Store\\Sent Items.imm", L"Message Store\\Drafts.imh",
          L"Message Store\\Drafts.imm"}) {
        MakeFile(main + file, 900);
    }
    MakeFile(work + L"Message Store\\Sent Items.imm", 900);

    EXPECT_EQ((Texts{main + L"AddressBook\\RecipData.dat", main + L"AddressBook\\TempContacts.imb"}),
              FoundBy(recorder, &Privacy_EMLIMHisOfEmailaddUsed));
    EXPECT_EQ((Texts{main + L"Message Store\\Deleted Items.imh", main + L"Message Store\\Deleted Items.imm"}),
              FoundBy(recorder, &Privacy_EMLIMDeletedMails));
    EXPECT_EQ((Texts{main + L"Message Store\\Outbox.imh", main + L"Message Store\\Outbox.imm"}),
              FoundBy(recorder, &Privacy_EMLIMOutFolder));
    EXPECT_TRUE(InEitherAccountOrder(
        FoundBy(recorder, &Privacy_EMLIMSentFolder),
        {main + L"Message Store\\Sent Items.imh", main + L"Message Store\\Sent Items.imm"},
        {work + L"Message Store\\Sent Items.imm"}));
    EXPECT_EQ((Texts{main + L"Message Store\\Drafts.imh", main + L"Message Store\\Drafts.imm"}),
              FoundBy(recorder, &Privacy_EMLIMDraftFolder));
}

TEST(EmailItems, PocoMailIsFoundThroughItsPathValue) {
    EngineRecorder recorder;
    TestRegistry registry;
    TestFolder poco = TestFolder::At(L"C:\\Program Files\\PocoMail");
    for (const wchar_t* file :
         {L"PocoMail.exe", L"history.txt", L"Cache\\img0001.gif", L"Attach\\report.doc", L"Mail\\In.mbx",
          L"Mail\\Trash.mbx", L"Mail\\Trash.~mbx", L"Mail\\Out.dat", L"Mail\\Out.mbx", L"Mail\\Out.idb",
          L"Mail\\Out.~mbx", L"Mail\\Sent.dat", L"Mail\\Sent.mbx", L"Mail\\Sent.idb", L"Mail\\Sent.~mbx",
          L"Mail\\Draft.dat", L"Mail\\Draft.mbx", L"Mail\\Draft\\unfinished.msg"}) {
        poco.File(file, 800);
    }
    const std::wstring root = L"C:\\Program Files\\PocoMail\\";

    EXPECT_TRUE(FoundBy(recorder, &Privacy_EMLPMHisOfEmailaddUsed).empty()) << "not registered yet";
    // PocoMail stores its folder with a trailing backslash; the found paths
    // still name each file the ordinary way.
    registry.String(HKEY_CURRENT_USER, kPocoKey, L"path", root);

    EXPECT_EQ(Texts{root + L"Cache\\img0001.gif"}, FoundBy(recorder, &Privacy_EMLPMCacheData));
    EXPECT_EQ(Texts{root + L"Attach\\report.doc"}, FoundBy(recorder, &Privacy_EMLPMEmailAttachments));
    EXPECT_EQ(Texts{root + L"history.txt"}, FoundBy(recorder, &Privacy_EMLPMHisOfEmailaddUsed));
    EXPECT_EQ((Texts{root + L"Mail\\Trash.mbx", root + L"Mail\\Trash.~mbx"}),
              FoundBy(recorder, &Privacy_EMLPMTrashFolder));
    EXPECT_EQ((Texts{root + L"Mail\\Out.dat", root + L"Mail\\Out.mbx", root + L"Mail\\Out.idb",
                     root + L"Mail\\Out.~mbx"}),
              FoundBy(recorder, &Privacy_EMLPMOutFolder));
    EXPECT_EQ((Texts{root + L"Mail\\Sent.dat", root + L"Mail\\Sent.mbx", root + L"Mail\\Sent.idb",
                     root + L"Mail\\Sent.~mbx"}),
              FoundBy(recorder, &Privacy_EMLPMSentFolder));
    EXPECT_EQ(
        (Texts{root + L"Mail\\Draft.dat", root + L"Mail\\Draft.mbx", root + L"Mail\\Draft\\unfinished.msg"}),
        FoundBy(recorder, &Privacy_EMLPMDraftFolder));

    // Without the trailing backslash the same files are found.
    registry.String(HKEY_CURRENT_USER, kPocoKey, L"path", L"C:\\Program Files\\PocoMail");
    EXPECT_EQ(Texts{root + L"history.txt"}, FoundBy(recorder, &Privacy_EMLPMHisOfEmailaddUsed));
}

TEST(EmailItems, WithoutPocoMailNothingAtTheRootOfTheCurrentDriveIsTouched) {
    EngineRecorder recorder;
    TestRegistry registry;
    CurrentDirectory atDriveRoot(L"C:\\");
    TestFolder mail = TestFolder::At(L"C:\\Mail");
    mail.File(L"Trash.mbx", 100);
    mail.File(L"Draft\\letter.msg", 100);
    TestFolder cache = TestFolder::At(L"C:\\Cache");
    cache.File(L"page.htm", 100);
    MakeFile(L"C:\\history.txt", 100);
    TestFolder relative = TestFolder::At(L"C:\\PocoMail");
    relative.File(L"Mail\\Trash.mbx", 100);
    const Item poco[] = {&Privacy_EMLPMCacheData,         &Privacy_EMLPMEmailAttachments,
                         &Privacy_EMLPMHisOfEmailaddUsed, &Privacy_EMLPMTrashFolder,
                         &Privacy_EMLPMOutFolder,         &Privacy_EMLPMSentFolder,
                         &Privacy_EMLPMDraftFolder};
    Privacy_CheckDelete(1);

    auto nothingFound = [&](const wchar_t* situation) {
        for (Item item : poco) {
            EXPECT_TRUE(FoundBy(recorder, item).empty()) << situation;
        }
    };
    nothingFound(L"not installed");
    // An empty path, a lone backslash and a relative path name no folder.
    for (const wchar_t* path : {L"", L"\\", L"PocoMail\\"}) {
        registry.String(HKEY_CURRENT_USER, kPocoKey, L"path", path);
        nothingFound(path);
    }
    EXPECT_TRUE(FileExists(L"C:\\Mail\\Trash.mbx"));
    EXPECT_TRUE(FileExists(L"C:\\Mail\\Draft\\letter.msg"));
    EXPECT_TRUE(FileExists(L"C:\\Cache\\page.htm"));
    EXPECT_TRUE(FileExists(L"C:\\history.txt"));
    EXPECT_TRUE(FileExists(L"C:\\PocoMail\\Mail\\Trash.mbx"));
    RemoveTree(L"C:\\history.txt");
}

TEST(EmailItems, Outlook2003SettingsItemsTakeTheirOwnFileAndNeverAMailStore) {
    EngineRecorder recorder;
    const std::wstring microsoft = SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Microsoft\\";
    TestFolder outlook = TestFolder::At(microsoft + L"Outlook");
    const std::vector<std::pair<Item, std::wstring>> settings = {
        {&Privacy_EMLOL03RulesWizard, outlook.File(L"Outlook.rwz", 700)},
        {&Privacy_EMLOL03CustSysFolView, outlook.File(L"views.dat", 900)},
        {&Privacy_EMLOL03CustTollBarSettings, outlook.File(L"outcmd.dat", 3000)},
        {&Privacy_EMLOL03MacrosandVBAProg, outlook.File(L"VbaProject.OTM", 9000)},
        {&Privacy_EMLOL03Nicknames, outlook.File(L"Outlook.NK2", 2000)},
        {&Privacy_EMLOL03OutLookBarShor, outlook.File(L"Outlook.fav", 400)},
        {&Privacy_EMLOL03RefToAddins, outlook.File(L"extend.dat", 500)}};
    // The user's mail: the profile's store, an archive and the offline folders.
    const Texts stores = {outlook.File(L"Outlook.pst", 8000), outlook.File(L"archive.pst", 8000),
                          outlook.File(L"Outlook.ost", 8000)};
    TestFolder signatures = TestFolder::At(microsoft + L"Signatures");
    signatures.File(L"Work.htm", 400);
    signatures.File(L"Work_files\\logo.gif", 900);
    TestFolder stationery = TestFolder::At(microsoft + L"Stationary");
    stationery.File(L"Balloons.htm", 400);
    TestFolder templates = TestFolder::At(microsoft + L"Templates");
    templates.File(L"Meeting.oft", 800);
    TestFolder proof = TestFolder::At(microsoft + L"Proof");
    proof.File(L"CUSTOM.DIC", 100);

    for (const auto& [item, file] : settings) {
        EXPECT_EQ(Texts{file}, FoundBy(recorder, item)) << file;
    }
    EXPECT_EQ(Sorted({microsoft + L"Signatures\\Work.htm", microsoft + L"Signatures\\Work_files\\logo.gif"}),
              Sorted(FoundBy(recorder, &Privacy_EMLOL03Signatures)));
    EXPECT_EQ(Texts{microsoft + L"Stationary\\Balloons.htm"}, FoundBy(recorder, &Privacy_EMLOL03Stationary));
    EXPECT_EQ(Texts{microsoft + L"Templates\\Meeting.oft"}, FoundBy(recorder, &Privacy_EMLOL03Templates));
    EXPECT_EQ(Texts{microsoft + L"Proof\\CUSTOM.DIC"}, FoundBy(recorder, &Privacy_EMLOL03Dictonary));

    Privacy_CheckDelete(1);
    for (const auto& setting : settings) {
        setting.first(0);
        EXPECT_FALSE(FileExists(setting.second)) << setting.second;
    }
    for (const std::wstring& store : stores) {
        EXPECT_TRUE(FileExists(store)) << store;
    }
}

TEST(EmailItems, StopRequestKeepsEveryItemQuiet) {
    TestRegistry registry;
    TestFolder thunderbird = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Thunderbird");
    const std::wstring passwords = thunderbird.File(L"Profiles\\a1.default\\signons.txt", 100);
    thunderbird.File(L"Profiles\\b2.work\\signons.txt", 100);
    TestFolder poco = TestFolder::At(L"C:\\Program Files\\PocoMail");
    const std::wstring trash = poco.File(L"Mail\\Trash.dat", 100);
    poco.File(L"Mail\\Trash.mbx", 100);
    registry.String(HKEY_CURRENT_USER, kPocoKey, L"path", L"C:\\Program Files\\PocoMail\\");
    registry.String(HKEY_CURRENT_USER, L"Identities", L"Last User ID", kMainIdentity);

    const DllItemCalls stopped = CallStoppedItems(kEmailItems);
    EXPECT_EQ(0u, stopped.missing);
    EXPECT_TRUE(stopped.allReturnedOne);
    EXPECT_TRUE(stopped.found.empty());
    EXPECT_EQ(0, stopped.pumps);
    EXPECT_TRUE(FileExists(passwords));
    EXPECT_TRUE(FileExists(trash));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, L"Identities", L"Last User ID"));

    // A stop pressed while an item runs ends it at its next place.
    EngineRecorder recorder;
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    for (Item item : {&Privacy_EMLTBSavePasswords, &Privacy_EMLPMTrashFolder}) {
        Privacy_StopScan(0);
        EXPECT_EQ(1u, FoundBy(recorder, item).size());
    }
}

TEST(ScrubcoreDll, ExportsEveryEmailItemEachWithItsOwnBody) {
    std::set<FARPROC> bodies;
    for (const char* name : kEmailItems) {
        const FARPROC address = ScrubcoreExport(name);
        EXPECT_NE(nullptr, address) << name;
        bodies.insert(address);
    }
    EXPECT_EQ(47u, bodies.size());
    size_t emailExports = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        emailExports += name.rfind("Privacy_EML", 0) == 0;
    }
    EXPECT_EQ(47u, emailExports);
}
