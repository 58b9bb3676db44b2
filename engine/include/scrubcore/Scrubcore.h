// Scrubcore: the trace engine's exported interface.
//
// A host registers its two callbacks, then calls item exports (one per
// cleaning item, declared in the category headers beside this one). Every
// trace an item finds reaches the host as one found-item text through the
// scan callback; the host later hands chosen texts to Privacy_CleanSelitems.
// A found-item text is one of:
//   a file path                 "C:\Documents and Settings\me\Recent\a.lnk"
//   a registry value            "HKEY_CURRENT_USER||Software\...\RunMRU=a"
//   a section of a settings file "C:\...\vlc\vlc-qt-interface.ini|[RecentsMRU]"
//   a database's rows          "C:\...\places.sqlite|1,234 history entries"
//   a Recycle Bin entry name    "old letter.doc"
#pragma once

#include <windows.h>
#include <oleauto.h>

#if defined(SCRUBCORE_BUILD)
#define SCRUBCORE_API extern "C" __declspec(dllexport)
#else
#define SCRUBCORE_API extern "C" __declspec(dllimport)
#endif

// Every cleaning item: one mode byte in (read only by the Recycle Bin item:
// 0 reports, anything else measures silently), always 1 out.
#define SCRUBCORE_ITEM(name) SCRUBCORE_API int name(unsigned char mode)

// Called once per found item with an engine-owned text (valid during the
// call only) and the flag 1. The result is ignored.
typedef int (*ScrubcoreScanCallBack)(BSTR text, int flag);
// Called after every entry a walk handles so the host can run its message
// loop (and set the stop request). The result is ignored.
typedef int (*ScrubcoreProcessMessage)(void);

// Longest text Privacy_GetFilesSize writes, terminator included: the
// kilobytes as "%f" text (digits, a point, six decimals). Totals too large
// for it (beyond 10^55 KB) are cut.
#define SCRUBCORE_FILES_SIZE_TEXT_MAX 64

SCRUBCORE_API int PrivacyInit(void);      // resets the file and value counts
SCRUBCORE_API int Privacy_ClearAll(void); // the same function as PrivacyInit
SCRUBCORE_API int Scrubcore_SetScanCallBack(ScrubcoreScanCallBack callback);
SCRUBCORE_API int Scrubcore_SetProcessMessage(ScrubcoreProcessMessage callback);
// How often Privacy_CleanSelitems overwrites a chosen file before deleting
// it (0: a plain deletion).
SCRUBCORE_API int Scrubcore_NoofTimesOverwrite(int passes);
SCRUBCORE_API int Privacy_CheckDelete(unsigned char deleteMode);
SCRUBCORE_API int Privacy_StopScan(unsigned char stop);
SCRUBCORE_API int Privacy_Nooffiles(void);
SCRUBCORE_API int Privacy_NoRegvalues(void);
SCRUBCORE_API int Privacy_GetFilesSize(char* text);
// Starts a new size count; a cleaning run starts with one.
SCRUBCORE_API int Privacy_ClearFilesSize(void);
// Removes one found item: 1 when the trace is gone afterwards (removed, or
// no longer there), 2 when a file in use is set to go at the next restart
// (it stays readable until then and adds nothing to the size total), 0 when
// it is still there or the text names nothing a scan reports. Before the first file of a
// running browser's (or Thunderbird's) profiles goes in a cleaning run, the
// user is asked once to close it; its files stay while it still runs.
SCRUBCORE_API int Privacy_CleanSelitems(const wchar_t* foundItemText);

// The sites whose cookies survive every cleaning: names separated by ";",
// ",", blanks or line breaks ("example.org; bank.example"), each with its
// subdomains. Every cookie item then removes the other sites' cookies from
// the browsers' cookie databases (and the other sites' cookie files) and
// leaves the kept ones as they were; null or empty: the cookie items take
// whole files. A host sets it before a scan and before a cleaning run.
// Returns the number of sites kept.
SCRUBCORE_API int Scrubcore_SetCookieSitesToKeep(const wchar_t* sites);
// 1 (the default): a database whose rows were removed is compacted, so what
// was removed is not left readable in its free pages; 0: it keeps its size.
SCRUBCORE_API int Scrubcore_CompactDatabases(int compact);
// Hands every site the browsers' cookie stores on this machine hold cookies
// of ("example.org") to the callback, each once, in order; the stores are
// only read. Returns how many.
SCRUBCORE_API int Scrubcore_ListCookieSites(ScrubcoreScanCallBack callback);
// A file the host writes during its runs (its report, a redirect target,
// its log): no walk reports, counts or deletes it, whatever path leads to
// it, and Privacy_CleanSelitems leaves it (0). 1 when the file is kept, 0
// when it cannot be opened; a null path forgets every kept file.
SCRUBCORE_API int Scrubcore_KeepFile(const wchar_t* path);
