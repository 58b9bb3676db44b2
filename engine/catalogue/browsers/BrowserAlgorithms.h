// The browser items that do more than hand places to the primitives.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace scrub {

// The Internet Explorer history databases: the History.IE5/6/7 folders,
// the update store's index.dat and the cookie index, with desktop.ini
// passed over while the pass runs.
void IndexDatPass();

// The auto-complete and password store of Internet Explorer: the current
// user's store, opened for the walk and closed again, then the per-name
// store older systems keep under the machine's key.
void ProtectedStoragePass();
// "Software\Microsoft\Protected Storage System Provider\<identity>\Data\e161255a-..."
std::wstring ProtectedStorageKey(const std::wstring& identity);
// Whether an HKEY_CURRENT_USER subkey lies in the current user's store.
bool IsInCurrentUserStore(const std::wstring& subkey);
// Runs `action` while the current user's store is open to the user, as it
// is for the scan, and locks it again afterwards, whatever happens. A trace
// the scan found there can then be cleaned. A stop request ends the opening
// only for a scan (`forScan`).
void WithCurrentUserStoreOpen(bool forScan, const std::function<void()>& action);

// Opera's history databases are counted, not reported.
void CountOperaHistoryDatabases();

// The AOL cache folders of the installed AOL version (9.0 or 8.0).
void AolCacheFolders();

// Whether a program with one of these executable file names runs (names
// compare ignoring case).
bool IsProgramRunning(std::initializer_list<const wchar_t*> executableNames);
// Before typed addresses are deleted: the browser would write them back
// when it closes, so ask the user to close it first (one message, however
// many windows are open).
void AskToCloseBrowser(std::initializer_list<const wchar_t*> executableNames);

// Whether a chosen file may be cleaned now. Today's browsers and Thunderbird
// hold their profiles' databases open and write them back while they run:
// deleting them then corrupts them (VLC writes its lists back when it
// closes). Before the first of a running program's files goes in a
// cleaning run (Privacy_ClearFilesSize starts one), the user is asked once
// to close it; while it still runs afterwards, every file of its profiles
// stays for this run. True for a file in no such profile.
bool BrowserClosedFor(const std::wstring& path);

} // namespace scrub
