// What the user set up for the browsers' databases: the sites whose cookies
// survive every cleaning (with their subdomains) and whether a database
// whose rows were removed is compacted. Both live in the settings store with
// the other options; the scan run and the cleaning run hand them to the
// engine before they start, so the window and the command line clean alike.
#pragma once

#include <string>
#include <vector>

namespace nimbrel {

// The settings values: the sites separated by ";", and "0" or "1" (absent:
// compacting is on).
inline constexpr wchar_t kCookieSitesValue[] = L"keepcookies";
inline constexpr wchar_t kCompactDatabasesValue[] = L"compactdb";

// The kept sites, each once, in the order the user added them.
std::vector<std::wstring> CookieSitesToKeep(const std::wstring& product);
void SetCookieSitesToKeep(const std::wstring& product, const std::vector<std::wstring>& sites);
bool CompactsDatabases(const std::wstring& product);
void SetCompactsDatabases(const std::wstring& product, bool compact);

// The site a user's text names, as the list keeps it: ".Example.org",
// "*.example.org", "www.example.org" and "https://example.org/inbox" all
// name "example.org", while "mail.example.org" names only that subdomain.
// Empty for text that names no site.
std::wstring CookieSiteFromText(const std::wstring& text);

// The stored choices, as the engine's next scan or cleaning follows them.
void HandDatabaseSettingsToEngine(const std::wstring& product);

// The sites the browsers on this machine hold cookies of, sorted; the
// cookie stores are only read.
std::vector<std::wstring> CookieSitesOnThisMachine();

} // namespace nimbrel
