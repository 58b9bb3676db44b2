// The browsers built on Chromium (Google Chrome, Microsoft Edge, Brave,
// Vivaldi, Opera since version 15) keep a user-data folder with one folder
// per profile ("Default", "Profile 1", "Profile 2" ...) beside the browser's
// own state ("Local State"); Opera kept its one profile as the user-data
// folder itself until it took up the same layout ("Opera Stable\Default"),
// and a profile may lie at either level. Every browser lays out a profile
// the same way, so one walker and one list of traces per item serve them
// all; each browser is one row, its test channels (Beta, Dev, Canary, Opera
// GX) included: they run the same program file and keep user-data folders of
// their own beside it.
#pragma once

#include "catalogue/Catalogue.h"

#include <array>
#include <string>
#include <vector>

namespace scrub {

struct ChromiumBrowser {
    const wchar_t* name;       // as the user knows it
    const wchar_t* executable; // the file name its processes run
    FolderRoot root;
    // The user-data folders below the root: the released browser's first,
    // then its channels'; the unused places are null.
    std::array<const wchar_t*, 4> userData;
    // Where the browser keeps its cache apart from the profile, below the
    // same suffix (Opera: the local application data); null: in the profile.
    FolderRoot cacheRoot;
};

extern const ChromiumBrowser kGoogleChrome;
extern const ChromiumBrowser kMicrosoftEdge;
extern const ChromiumBrowser kBrave;
extern const ChromiumBrowser kVivaldi;
extern const ChromiumBrowser kOpera;
inline const ChromiumBrowser* const kChromiumBrowsers[] = {&kGoogleChrome, &kMicrosoftEdge, &kBrave,
                                                           &kVivaldi, &kOpera};

enum class ChromiumItem { Cache, CookiesAndSiteData, History, Sessions, FormData, Passwords };

// Every profile folder of every channel of the browser.
std::vector<std::wstring> ChromiumProfileFolders(const ChromiumBrowser& browser);

// The stop test, then the item's traces in every profile of every channel.
// A folder is a profile when it holds the profile's settings file: the
// user-data folder itself, or a folder directly in it; a linked folder is
// never one.
int RunChromiumItem(const ChromiumBrowser& browser, ChromiumItem item) noexcept;

} // namespace scrub

#define SCRUB_CHROMIUM_ITEM(exportName, browser, item)                                                       \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunChromiumItem(browser, ::scrub::ChromiumItem::item);                               \
    }
