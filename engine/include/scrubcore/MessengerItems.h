// Instant-messenger cleaning items, in the order the options tree offers
// them under "Instant Messaging". Each takes the host's mode byte (ignored)
// and returns 1.
#pragma once

#include "scrubcore/Scrubcore.h"

// ICQ 2003 b (its installation folder)
SCRUBCORE_ITEM(Privacy_MSGRICQBCacheandCookies);
SCRUBCORE_ITEM(Privacy_MSGRICQBReceivedFiles);
SCRUBCORE_ITEM(Privacy_MSGRICQBBookMarks);
SCRUBCORE_ITEM(Privacy_MSGRICQBDownLoads);
SCRUBCORE_ITEM(Privacy_MSGRICQBContactList);
SCRUBCORE_ITEM(Privacy_MSGRICQBSharedFiles);
SCRUBCORE_ITEM(Privacy_MSGRICQBPictures);
// ICQ 5.1
SCRUBCORE_ITEM(Privacy_MSGRICQ5ChatHis);
SCRUBCORE_ITEM(Privacy_MSGRICQ5LogFiles);
SCRUBCORE_ITEM(Privacy_MSGRICQ5ReceivedFiles);
SCRUBCORE_ITEM(Privacy_MSGRICQ5ContactList);
SCRUBCORE_ITEM(Privacy_MSGRICQ5BrowserCache);
// Yahoo
SCRUBCORE_ITEM(Privacy_MSGRYahCache);
SCRUBCORE_ITEM(Privacy_MSGRYahChatandVoiceHis);
SCRUBCORE_ITEM(Privacy_MSGRYahProgLogs);
// AOL Instant Messenger
SCRUBCORE_ITEM(Privacy_MSGRAQLChatHis);
SCRUBCORE_ITEM(Privacy_MSGRAQLReceivandSharFiles);
SCRUBCORE_ITEM(Privacy_MSGRAQLRecentScreenName);
// Skype (every account folder)
SCRUBCORE_ITEM(Privacy_MSGRSkyChatandVoiceHis);
SCRUBCORE_ITEM(Privacy_MSGRSkyFileTransferHis);
SCRUBCORE_ITEM(Privacy_MSGRSkyVoiceMailHis);
SCRUBCORE_ITEM(Privacy_MSGRSkyReceivedFiles);
// Trillian
SCRUBCORE_ITEM(Privacy_MSGRTrilChatLogs);
SCRUBCORE_ITEM(Privacy_MSGRTrilReceivedFiles);
// MSN Messenger
SCRUBCORE_ITEM(Privacy_MSGRMSNChatLogandRecvFiles);
// Google Talk
SCRUBCORE_ITEM(Privacy_MSGRGogChatLogs);
// Gaim
SCRUBCORE_ITEM(Privacy_MSGRGMChatLogs);
