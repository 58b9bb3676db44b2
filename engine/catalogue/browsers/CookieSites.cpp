// The sites the browsers on this machine hold cookies of, for the host's
// list of sites to keep. The stores are read through copies in memory.
#include "catalogue/browsers/ChromiumProfiles.h"
#include "catalogue/browsers/MozillaProfiles.h"
#include "core/ExportGuard.h"
#include "core/ScrubcoreApp.h"
#include "databases/CookieRows.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <set>

namespace scrub {
namespace {

void AddSitesOf(const std::wstring& path, CookieStore store, std::set<std::string>& sites) {
    Database cookies;
    if (cookies.OpenCopy(path) == DatabaseState::Ready && IsKnownCookieStore(cookies, store)) {
        for (std::string& site : CookieSites(cookies, store)) {
            sites.insert(std::move(site));
        }
    }
}

} // namespace
} // namespace scrub

SCRUBCORE_API int Scrubcore_ListCookieSites(ScrubcoreScanCallBack callback) {
    using namespace scrub;
    return GuardedResult(0, [&] {
        std::set<std::string> sites;
        for (const ChromiumBrowser* browser : kChromiumBrowsers) {
            for (const std::wstring& profile : ChromiumProfileFolders(*browser)) {
                AddSitesOf(win32::JoinPath(profile, L"Cookies"), CookieStore::Chromium, sites);
                AddSitesOf(win32::JoinPath(profile, L"Network\\Cookies"), CookieStore::Chromium, sites);
            }
        }
        for (const MozillaApplication* application : {&kFirefox, &kThunderbird}) {
            for (const std::wstring& profile : MozillaProfileFolders(*application, ProfileHalf::Roaming)) {
                AddSitesOf(win32::JoinPath(profile, L"cookies.sqlite"), CookieStore::Mozilla, sites);
            }
        }
        for (const std::string& site : sites) {
            BSTR text = SysAllocString(win32::Utf16FromCodePage(site, CP_UTF8).c_str());
            if (callback && text) {
                callback(text, 1);
            }
            SysFreeString(text);
        }
        return static_cast<int>(sites.size());
    });
}
