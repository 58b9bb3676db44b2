// E-mail cleaning items. Each takes the host's mode byte (ignored) and
// returns 1. The options tree offers them under "Emails" in this order; the
// items marked "never offered" work the same way but no option calls them.
#pragma once

#include "scrubcore/Scrubcore.h"

// Outlook Express 6 (every identity)
SCRUBCORE_ITEM(Privacy_EMLOL6DeletedMails);
SCRUBCORE_ITEM(Privacy_EMLOL6SentMails);
SCRUBCORE_ITEM(Privacy_EMLOL6OutBoxMails); // never offered
SCRUBCORE_ITEM(Privacy_EMLOL6LastUserid);  // never offered
// Thunderbird (every profile)
SCRUBCORE_ITEM(Privacy_EMLTBSavePasswords);
SCRUBCORE_ITEM(Privacy_EMLTBKeyDatabaseMasPass);
SCRUBCORE_ITEM(Privacy_EMLTBSentMails);
SCRUBCORE_ITEM(Privacy_EMLTBTrashMails);
SCRUBCORE_ITEM(Privacy_EMLTBDrafts);
SCRUBCORE_ITEM(Privacy_EMLTBUnsentMails);
SCRUBCORE_ITEM(Privacy_EMLTBDownLoadNews);
SCRUBCORE_ITEM(Privacy_EMLTBCache);
SCRUBCORE_ITEM(Privacy_EMLTBCookies);
SCRUBCORE_ITEM(Privacy_EMLTBFormHistory);
SCRUBCORE_ITEM(Privacy_EMLTBSession);
SCRUBCORE_ITEM(Privacy_EMLTBSearchIndex);
// Eudora
SCRUBCORE_ITEM(Privacy_EMLEDTrashFolder);
SCRUBCORE_ITEM(Privacy_EMLEDOutFolder);
SCRUBCORE_ITEM(Privacy_EMLEDHisOfEmailaddUsed);
SCRUBCORE_ITEM(Privacy_EMLEDCacheData);
SCRUBCORE_ITEM(Privacy_EMLEDTemporaryData);
SCRUBCORE_ITEM(Privacy_EMLEDNicknamesofEmailadd);
SCRUBCORE_ITEM(Privacy_EMLEDLogs);
SCRUBCORE_ITEM(Privacy_EMLEDEmailAttachments);
// IncrediMail Xe (every identity)
SCRUBCORE_ITEM(Privacy_EMLIMHisOfEmailaddUsed);
SCRUBCORE_ITEM(Privacy_EMLIMDeletedMails);
SCRUBCORE_ITEM(Privacy_EMLIMOutFolder);
SCRUBCORE_ITEM(Privacy_EMLIMSentFolder);
SCRUBCORE_ITEM(Privacy_EMLIMDraftFolder);
// PocoMail (its installation folder)
SCRUBCORE_ITEM(Privacy_EMLPMCacheData);
SCRUBCORE_ITEM(Privacy_EMLPMEmailAttachments);
SCRUBCORE_ITEM(Privacy_EMLPMHisOfEmailaddUsed);
SCRUBCORE_ITEM(Privacy_EMLPMTrashFolder);
SCRUBCORE_ITEM(Privacy_EMLPMOutFolder);
SCRUBCORE_ITEM(Privacy_EMLPMSentFolder);
SCRUBCORE_ITEM(Privacy_EMLPMDraftFolder);
// Outlook 2003: never offered. The first seven are one item under seven
// names: all of them walk the whole Outlook folder.
SCRUBCORE_ITEM(Privacy_EMLOL03RulesWizard);
SCRUBCORE_ITEM(Privacy_EMLOL03CustSysFolView);
SCRUBCORE_ITEM(Privacy_EMLOL03CustTollBarSettings);
SCRUBCORE_ITEM(Privacy_EMLOL03MacrosandVBAProg);
SCRUBCORE_ITEM(Privacy_EMLOL03Nicknames);
SCRUBCORE_ITEM(Privacy_EMLOL03OutLookBarShor);
SCRUBCORE_ITEM(Privacy_EMLOL03RefToAddins);
SCRUBCORE_ITEM(Privacy_EMLOL03Signatures);
SCRUBCORE_ITEM(Privacy_EMLOL03Stationary);
SCRUBCORE_ITEM(Privacy_EMLOL03Templates);
SCRUBCORE_ITEM(Privacy_EMLOL03Dictonary);
