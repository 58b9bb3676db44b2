// Firefox keeps the history and the bookmarks in one database,
// places.sqlite, and the pages' icons in favicons.sqlite beside it. Clearing
// the history does what Firefox's own "clear all history" does: every visit
// goes, and every page nothing else refers to; the pages bookmarks,
// keywords or tags refer to stay, only forgetting that they were visited.
// Bookmarks, their folders, tags and keywords stay exactly as they were.
#pragma once

#include "databases/Database.h"

#include <string>
#include <unordered_set>

namespace scrub {

// The Places schema versions this engine knows (PRAGMA user_version), and
// the tables it needs.
bool IsKnownPlaces(const Database& places);
// The visits the history holds (what the history sidebar lists).
long long HistoryEntries(const Database& places);
// Whether clearing would remove anything at all.
bool HoldsHistory(const Database& places);
// The clearing itself, for one transaction.
DatabaseState ClearHistory(const Database& places);

// The addresses of the pages the places database keeps.
std::unordered_set<std::string> KeptPages(const Database& places);

bool IsKnownFavicons(const Database& favicons);
// The icons only removed pages showed go; the kept pages' icons stay. For
// one transaction.
DatabaseState ClearIconsOfRemovedPages(const Database& favicons,
                                       const std::unordered_set<std::string>& keptPages);
// "https://Mail.Example.org:8443/a" -> "mail.example.org:8443"; empty for an
// address without a host.
std::string HostOfAddress(const std::string& address);

} // namespace scrub
