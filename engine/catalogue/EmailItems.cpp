// E-mail clients: deleted, sent, unsent and draft mail, saved passwords,
// address histories, caches and attachments. Outlook Express, Thunderbird
// and IncrediMail keep one folder per identity or profile, and every one of
// them is cleaned.
#include "scrubcore/EmailItems.h"

#include "catalogue/Catalogue.h"
#include "catalogue/EntryItems.h"
#include "catalogue/Roots.h"
#include "catalogue/browsers/MozillaProfiles.h"

namespace scrub {
namespace {

std::vector<std::wstring> OutlookExpressIdentities() {
    return EntriesOf(UnderRoot(LocalAppDataFolder(), L"\\Identities"));
}
std::vector<std::wstring> IncrediMailIdentities() {
    return EntriesOf(UnderRoot(LocalAppDataFolder(), L"\\IM\\Identities"));
}

} // namespace
} // namespace scrub

using namespace scrub;

// Outlook Express 6
SCRUB_ENTRY_ITEM(Privacy_EMLOL6DeletedMails, OutlookExpressIdentities,
                 FileBelow(L"\\Microsoft\\Outlook Express\\Deleted Items.dbx"));
SCRUB_ENTRY_ITEM(Privacy_EMLOL6SentMails, OutlookExpressIdentities,
                 FileBelow(L"\\Microsoft\\Outlook Express\\Sent Items.dbx"));
SCRUB_ENTRY_ITEM(Privacy_EMLOL6OutBoxMails, OutlookExpressIdentities,
                 FileBelow(L"\\Microsoft\\Outlook Express\\Outbox.dbx"));
SCRUB_ITEM(Privacy_EMLOL6LastUserid, NamedValue(HKEY_CURRENT_USER, L"Identities", L"Last User ID"));

// Thunderbird: in every profile (MozillaProfiles.h). Each mail place is
// handed to the single-file handler, so a folder of that name (News kept as
// a folder) yields nothing; no mail folder but these is ever taken. The
// passwords and keys as early and today's versions keep them (a removed
// logins.json comes back from its backup).
SCRUB_MOZILLA_ITEM(Privacy_EMLTBSavePasswords, kThunderbird, Roaming, FileInProfile(L"signons.txt"),
                   FileInProfile(L"signons.sqlite"), FileInProfile(L"logins.json"),
                   FileInProfile(L"logins-backup.json"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBKeyDatabaseMasPass, kThunderbird, Roaming, FileInProfile(L"key3.db"),
                   FileInProfile(L"key4.db"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBSentMails, kThunderbird, Roaming,
                   FileInProfile(L"Mail\\Local Folders\\Sent"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBTrashMails, kThunderbird, Roaming,
                   FileInProfile(L"Mail\\Local Folders\\Trash"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBDrafts, kThunderbird, Roaming, FileInProfile(L"Mail\\Local Folders\\Drafts"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBUnsentMails, kThunderbird, Roaming,
                   FileInProfile(L"Mail\\Local Folders\\Unsent Messages"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBDownLoadNews, kThunderbird, Roaming, FileInProfile(L"News"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBCache, kThunderbird, Local, FolderInProfile(L"cache2"),
                   FolderInProfile(L"startupCache"));
// The cookies and form entries of the pages Thunderbird shows, the tabs it
// restores at its next start, and its search index of every message (it
// builds the index again from the mail, which takes a while).
SCRUB_MOZILLA_ITEM(Privacy_EMLTBCookies, kThunderbird, Roaming, CookiesInProfile(L"cookies.sqlite"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBFormHistory, kThunderbird, Roaming, DatabaseInProfile(L"formhistory.sqlite"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBSession, kThunderbird, Roaming, FileInProfile(L"session.json"),
                   FileInProfile(L"sessionstore.jsonlz4"), FolderInProfile(L"sessionstore-backups"));
SCRUB_MOZILLA_ITEM(Privacy_EMLTBSearchIndex, kThunderbird, Roaming,
                   DatabaseInProfile(L"global-messages-db.sqlite"));

// Eudora
SCRUB_ITEM(Privacy_EMLEDTrashFolder, FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\Trash.toc"),
           FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\Trash.mbx"));
SCRUB_ITEM(Privacy_EMLEDOutFolder, FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\Out.toc"),
           FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\Out.mbx"));
SCRUB_ITEM(Privacy_EMLEDHisOfEmailaddUsed, FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\History.lst"));
SCRUB_ITEM(Privacy_EMLEDCacheData, FolderAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\EudPrivAds\\AdCache"));
SCRUB_ITEM(Privacy_EMLEDTemporaryData, FolderAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\Plugins\\Esp\\Temp"));
SCRUB_ITEM(Privacy_EMLEDNicknamesofEmailadd, FolderAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\nickname"));
SCRUB_ITEM(Privacy_EMLEDLogs, FileAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\eudora.log"));
SCRUB_ITEM(Privacy_EMLEDEmailAttachments, FolderAt(&AppDataFolder, L"\\Qualcomm\\Eudora\\attach"));

// IncrediMail Xe: a message folder is an index (.imh) and its messages (.imm).
SCRUB_ENTRY_ITEM(Privacy_EMLIMHisOfEmailaddUsed, IncrediMailIdentities,
                 FileBelow(L"\\AddressBook\\RecipData.dat"), FileBelow(L"\\AddressBook\\TempContacts.imb"));
SCRUB_ENTRY_ITEM(Privacy_EMLIMDeletedMails, IncrediMailIdentities,
                 FileBelow(L"\\Message Store\\Deleted Items.imh"),
                 FileBelow(L"\\Message Store\\Deleted Items.imm"));
SCRUB_ENTRY_ITEM(Privacy_EMLIMOutFolder, IncrediMailIdentities, FileBelow(L"\\Message Store\\Outbox.imh"),
                 FileBelow(L"\\Message Store\\Outbox.imm"));
SCRUB_ENTRY_ITEM(Privacy_EMLIMSentFolder, IncrediMailIdentities,
                 FileBelow(L"\\Message Store\\Sent Items.imh"),
                 FileBelow(L"\\Message Store\\Sent Items.imm"));
SCRUB_ENTRY_ITEM(Privacy_EMLIMDraftFolder, IncrediMailIdentities, FileBelow(L"\\Message Store\\Drafts.imh"),
                 FileBelow(L"\\Message Store\\Drafts.imm"));

// PocoMail: every mailbox is four files (index, mailbox, index database,
// mailbox backup).
SCRUB_ITEM(Privacy_EMLPMCacheData, FolderAt(&PocoMailFolder, L"\\Cache"));
SCRUB_ITEM(Privacy_EMLPMEmailAttachments, FolderAt(&PocoMailFolder, L"\\Attach"));
SCRUB_ITEM(Privacy_EMLPMHisOfEmailaddUsed, FileAt(&PocoMailFolder, L"\\history.txt"));
SCRUB_ITEM(Privacy_EMLPMTrashFolder, FileAt(&PocoMailFolder, L"\\Mail\\Trash.dat"),
           FileAt(&PocoMailFolder, L"\\Mail\\Trash.mbx"), FileAt(&PocoMailFolder, L"\\Mail\\Trash.idb"),
           FileAt(&PocoMailFolder, L"\\Mail\\Trash.~mbx"));
SCRUB_ITEM(Privacy_EMLPMOutFolder, FileAt(&PocoMailFolder, L"\\Mail\\Out.dat"),
           FileAt(&PocoMailFolder, L"\\Mail\\Out.mbx"), FileAt(&PocoMailFolder, L"\\Mail\\Out.idb"),
           FileAt(&PocoMailFolder, L"\\Mail\\Out.~mbx"));
SCRUB_ITEM(Privacy_EMLPMSentFolder, FileAt(&PocoMailFolder, L"\\Mail\\Sent.dat"),
           FileAt(&PocoMailFolder, L"\\Mail\\Sent.mbx"), FileAt(&PocoMailFolder, L"\\Mail\\Sent.idb"),
           FileAt(&PocoMailFolder, L"\\Mail\\Sent.~mbx"));
SCRUB_ITEM(Privacy_EMLPMDraftFolder, FileAt(&PocoMailFolder, L"\\Mail\\Draft.dat"),
           FileAt(&PocoMailFolder, L"\\Mail\\Draft.mbx"), FolderAt(&PocoMailFolder, L"\\Mail\\Draft"));

// Outlook 2003 keeps its rules, views, toolbars, macros, nicknames,
// shortcuts and add-in references in the one Outlook folder, beside the
// user's mail stores (.pst, .ost): each item takes the settings file its
// name says and nothing else.
SCRUB_ITEM(Privacy_EMLOL03RulesWizard, FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"*.rwz"));
SCRUB_ITEM(Privacy_EMLOL03CustSysFolView,
           FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"views.dat"));
SCRUB_ITEM(Privacy_EMLOL03CustTollBarSettings,
           FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"outcmd.dat"));
SCRUB_ITEM(Privacy_EMLOL03MacrosandVBAProg,
           FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"VbaProject.OTM"));
SCRUB_ITEM(Privacy_EMLOL03Nicknames, FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"*.nk2"));
SCRUB_ITEM(Privacy_EMLOL03OutLookBarShor, FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"*.fav"));
SCRUB_ITEM(Privacy_EMLOL03RefToAddins,
           FilesNamed(&LocalAppDataFolder, L"\\Microsoft\\Outlook", L"extend.dat"));
SCRUB_ITEM(Privacy_EMLOL03Signatures, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Signatures"));
SCRUB_ITEM(Privacy_EMLOL03Stationary, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Stationary"));
SCRUB_ITEM(Privacy_EMLOL03Templates, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Templates"));
SCRUB_ITEM(Privacy_EMLOL03Dictonary, FolderAt(&LocalAppDataFolder, L"\\Microsoft\\Proof"));
