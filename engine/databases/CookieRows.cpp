#include "databases/CookieRows.h"

#include "win32/Text.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace scrub {
namespace {

// Chromium's cookie schema versions to today's (its meta table); a newer
// one that says it still reads as one of these counts as known.
constexpr long long kNewestChromiumCookies = 24;
// Firefox's and Thunderbird's (PRAGMA user_version).
constexpr long long kNewestMozillaCookies = 16;

const char* TableOf(CookieStore store) {
    return store == CookieStore::Chromium ? "cookies" : "moz_cookies";
}
const char* HostColumnOf(CookieStore store) {
    return store == CookieStore::Chromium ? "host_key" : "host";
}

void OtherSiteFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const auto* kept = static_cast<const std::vector<std::string>*>(sqlite3_user_data(context));
    const unsigned char* host = sqlite3_value_text(values[0]);
    sqlite3_result_int(context, IsKeptHost(host ? reinterpret_cast<const char*>(host) : "", *kept) ? 0 : 1);
}

bool RegisterKeptSites(const Database& cookies, const std::vector<std::string>& keptSites) {
    return sqlite3_create_function(cookies.Get(), "nimbrel_other_site", 1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
                                   const_cast<std::vector<std::string>*>(&keptSites), OtherSiteFunction,
                                   nullptr, nullptr) == SQLITE_OK;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

bool IsKeptHost(const std::string& host, const std::vector<std::string>& keptSites) {
    std::string name = Lower(host);
    if (!name.empty() && name.front() == '.') {
        name.erase(0, 1);
    }
    for (const std::string& site : keptSites) {
        if (site.empty()) {
            continue;
        }
        if (name == site ||
            (name.size() > site.size() && name.compare(name.size() - site.size(), site.size(), site) == 0 &&
             name[name.size() - site.size() - 1] == '.')) {
            return true;
        }
    }
    return false;
}

std::string SiteFromText(const std::string& text) {
    std::string site = Lower(text);
    const size_t scheme = site.find("://");
    if (scheme != std::string::npos) {
        site.erase(0, scheme + 3);
    }
    site.erase(std::min(site.find_first_of("/?#:"), site.size()));
    const size_t first = site.find_first_not_of(" \t*.");
    if (first == std::string::npos) {
        return {};
    }
    site.erase(0, first);
    site.erase(site.find_last_not_of(" \t.") + 1);
    const bool plain = std::all_of(site.begin(), site.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '.' || c == '-' || c == '_' || c >= 0x80;
    });
    return plain && site.find("..") == std::string::npos ? site : std::string();
}

std::vector<std::string> SitesFromList(const std::wstring& list) {
    std::vector<std::string> sites;
    const std::string text = win32::Utf8FromUtf16(list);
    size_t begin = 0;
    while (begin <= text.size()) {
        const size_t end = std::min(text.find_first_of(";, \t\r\n", begin), text.size());
        const std::string site = SiteFromText(text.substr(begin, end - begin));
        if (!site.empty() && std::find(sites.begin(), sites.end(), site) == sites.end()) {
            sites.push_back(site);
        }
        begin = end + 1;
    }
    return sites;
}

bool IsKnownCookieStore(const Database& cookies, CookieStore store) {
    if (!cookies.HasTable(TableOf(store)) || !cookies.HasColumn(TableOf(store), HostColumnOf(store))) {
        return false;
    }
    if (store == CookieStore::Mozilla) {
        const long long version = cookies.Integer("PRAGMA user_version", -1);
        return version >= 0 && version <= kNewestMozillaCookies;
    }
    if (!cookies.HasTable("meta")) {
        return false;
    }
    const long long version =
        cookies.Integer("SELECT CAST(value AS INTEGER) FROM meta WHERE key = 'version'", -1);
    const long long compatible =
        cookies.Integer("SELECT CAST(value AS INTEGER) FROM meta WHERE key = 'last_compatible_version'", -1);
    return (version >= 0 && version <= kNewestChromiumCookies) ||
           (compatible >= 0 && compatible <= kNewestChromiumCookies);
}

long long CookiesOfOtherSites(const Database& cookies, CookieStore store,
                              const std::vector<std::string>& keptSites) {
    if (!RegisterKeptSites(cookies, keptSites)) {
        return -1;
    }
    const std::string sql = std::string("SELECT count(*) FROM ") + TableOf(store) +
                            " WHERE nimbrel_other_site(" + HostColumnOf(store) + ")";
    return cookies.Integer(sql.c_str(), -1);
}

DatabaseState RemoveCookiesOfOtherSites(const Database& cookies, CookieStore store,
                                        const std::vector<std::string>& keptSites) {
    const std::string sql = std::string("DELETE FROM ") + TableOf(store) + " WHERE nimbrel_other_site(" +
                            HostColumnOf(store) + ")";
    return RegisterKeptSites(cookies, keptSites) && cookies.Exec(sql.c_str()) ? DatabaseState::Ready
                                                                              : cookies.LastFailure();
}

std::vector<std::string> CookieSites(const Database& cookies, CookieStore store) {
    std::set<std::string> sites;
    const std::string sql = std::string("SELECT DISTINCT ") + HostColumnOf(store) + " FROM " + TableOf(store);
    cookies.EachText(sql.c_str(), [&](const std::string& host) {
        std::string site = SiteFromText(host);
        if (site.compare(0, 4, "www.") == 0) {
            site.erase(0, 4);
        }
        if (!site.empty()) {
            sites.insert(site);
        }
    });
    return {sites.begin(), sites.end()};
}

} // namespace scrub
