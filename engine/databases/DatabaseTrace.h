// A database whose rows are the trace, not the whole file: Firefox's
// history in places.sqlite (the bookmarks share the file), and a cookie
// store while the user keeps some sites' cookies. Its found-item text names
// the file and what would go, after a "|" (never part of a Windows path):
//
//   C:\...\Profiles\ab12.default\places.sqlite|1,234 history entries
//   C:\...\Default\Network\Cookies|56 cookies
//
// The file's name decides what cleaning does; the text after "|" is for
// the user.
#pragma once

#include "databases/Database.h"

#include <string>

namespace scrub {

enum class DatabaseJob { FirefoxHistory, MozillaCookies, ChromiumCookies };

// The job a database file's name stands for; false for any other file.
bool JobOfDatabase(const std::wstring& path, DatabaseJob& job);
// Whether the file is one no cleaning ever deletes: Firefox's places and
// icons databases and the files SQLite keeps beside them, and a cookie
// store's companions while some sites' cookies are kept.
bool IsKeptWholeDatabaseFile(const std::wstring& path);

std::wstring DatabaseTraceText(const std::wstring& path, const std::wstring& detail);
// The file such a text names; false for any other text.
bool ParseDatabaseTraceText(const std::wstring& text, std::wstring& path);

// The scan of one database: reported with what its cleaning would remove
// (measured on a copy, so the file is only read) and, in delete mode,
// cleaned in place. A database that would be left as it is (damaged, of
// an unknown version, in use) is not reported.
void HandleDatabase(const std::wstring& path, DatabaseJob job);

// Cleans the database in place: one transaction, compacted afterwards when
// the host asks for it. Firefox's history takes the icons of the removed
// pages from favicons.sqlite with it. `freedBytes` grows by what the file
// no longer holds.
DatabaseState CleanDatabase(const std::wstring& path, DatabaseJob job, double& freedBytes);

} // namespace scrub
