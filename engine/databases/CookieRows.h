// The cookies of the sites the user keeps signed in to stay; those of every
// other site go, row by row, from the browsers' cookie databases: Chromium's
// "Cookies" (table cookies, host_key) and Firefox's and Thunderbird's
// cookies.sqlite (moz_cookies, host).
#pragma once

#include "databases/Database.h"

#include <string>
#include <vector>

namespace scrub {

enum class CookieStore { Chromium, Mozilla };

// A kept site ("example.org", lower case) keeps its own cookies and its
// subdomains' ("mail.example.org", ".example.org"), not those of a site
// whose name only ends the same way ("badexample.org").
bool IsKeptHost(const std::string& host, const std::vector<std::string>& keptSites);
// "Example.ORG", ".example.org", "*.example.org", "https://example.org/" ->
// "example.org"; empty for text that names no site.
std::string SiteFromText(const std::string& text);

// The sites of a list separated by ";", ",", blanks or line breaks, each
// once, in order; what names no site is passed over.
std::vector<std::string> SitesFromList(const std::wstring& list);

bool IsKnownCookieStore(const Database& cookies, CookieStore store);
long long CookiesOfOtherSites(const Database& cookies, CookieStore store,
                              const std::vector<std::string>& keptSites);
// For one transaction.
DatabaseState RemoveCookiesOfOtherSites(const Database& cookies, CookieStore store,
                                        const std::vector<std::string>& keptSites);
// The sites the store holds cookies of, each once.
std::vector<std::string> CookieSites(const Database& cookies, CookieStore store);

} // namespace scrub
