#include "DatabaseSettings.h"

#include "SettingsStore.h"
#include "scrubcore/Scrubcore.h"

#include <algorithm>
#include <cwctype>

namespace nimbrel {

namespace {

std::vector<std::wstring> SitesOfList(const std::wstring& list) {
    std::vector<std::wstring> sites;
    size_t begin = 0;
    while (begin <= list.size()) {
        const size_t end = std::min(list.find(L';', begin), list.size());
        const std::wstring site = CookieSiteFromText(list.substr(begin, end - begin));
        if (!site.empty() && std::find(sites.begin(), sites.end(), site) == sites.end()) {
            sites.push_back(site);
        }
        begin = end + 1;
    }
    return sites;
}

std::wstring ListOfSites(const std::vector<std::wstring>& sites) {
    std::wstring list;
    for (const std::wstring& site : sites) {
        list += (list.empty() ? L"" : L";") + site;
    }
    return list;
}

bool IsSiteCharacter(wchar_t c) {
    return std::iswalnum(c) || c == L'.' || c == L'-' || c == L'_' || c >= 0x80;
}

} // namespace

std::vector<std::wstring> CookieSitesToKeep(const std::wstring& product) {
    return SitesOfList(GetLongString(product, kCookieSitesValue));
}

void SetCookieSitesToKeep(const std::wstring& product, const std::vector<std::wstring>& sites) {
    SetString(product, kCookieSitesValue, ListOfSites(sites));
}

bool CompactsDatabases(const std::wstring& product) {
    return GetString(product, kCompactDatabasesValue) != L"0";
}

void SetCompactsDatabases(const std::wstring& product, bool compact) {
    SetInt(product, kCompactDatabasesValue, compact ? 1 : 0);
}

std::wstring CookieSiteFromText(const std::wstring& text) {
    std::wstring site;
    for (wchar_t c : text) {
        site += static_cast<wchar_t>(std::towlower(c));
    }
    const size_t scheme = site.find(L"://");
    if (scheme != std::wstring::npos) {
        site.erase(0, scheme + 3);
    }
    site.erase(std::min(site.find_first_of(L"/?#:"), site.size()));
    const size_t first = site.find_first_not_of(L" \t*.");
    if (first == std::wstring::npos) {
        return {};
    }
    site.erase(0, first);
    site.erase(site.find_last_not_of(L" \t.") + 1);
    // A browser shows the site's own pages under "www."; the cookies that
    // keep the user signed in belong to the site itself.
    if (site.compare(0, 4, L"www.") == 0 && site.find(L'.', 4) != std::wstring::npos) {
        site.erase(0, 4);
    }
    const bool plain = std::all_of(site.begin(), site.end(), IsSiteCharacter);
    return plain && site.find(L"..") == std::wstring::npos ? site : std::wstring();
}

void HandDatabaseSettingsToEngine(const std::wstring& product) {
    Scrubcore_SetCookieSitesToKeep(ListOfSites(CookieSitesToKeep(product)).c_str());
    Scrubcore_CompactDatabases(CompactsDatabases(product) ? 1 : 0);
}

namespace {

std::vector<std::wstring>* listedSites = nullptr;

int SiteListed(BSTR text, int) {
    if (listedSites && text) {
        listedSites->emplace_back(text, SysStringLen(text));
    }
    return 1;
}

} // namespace

std::vector<std::wstring> CookieSitesOnThisMachine() {
    std::vector<std::wstring> sites;
    listedSites = &sites;
    Scrubcore_ListCookieSites(&SiteListed);
    listedSites = nullptr;
    std::sort(sites.begin(), sites.end());
    sites.erase(std::unique(sites.begin(), sites.end()), sites.end());
    return sites;
}

} // namespace nimbrel
