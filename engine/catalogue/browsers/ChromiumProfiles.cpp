#include "catalogue/browsers/ChromiumProfiles.h"

#include "catalogue/Roots.h"
#include "catalogue/browsers/ProfileTargets.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

#include <vector>

namespace scrub {

// Columns: name, process, root, user-data folders, cache apart.
// clang-format off
const ChromiumBrowser kGoogleChrome{L"Google Chrome", L"chrome.exe", &LocalAppDataFolder,
    {L"\\Google\\Chrome\\User Data", L"\\Google\\Chrome Beta\\User Data", L"\\Google\\Chrome Dev\\User Data", L"\\Google\\Chrome SxS\\User Data"}, nullptr};
const ChromiumBrowser kMicrosoftEdge{L"Microsoft Edge", L"msedge.exe", &LocalAppDataFolder,
    {L"\\Microsoft\\Edge\\User Data", L"\\Microsoft\\Edge Beta\\User Data", L"\\Microsoft\\Edge Dev\\User Data", L"\\Microsoft\\Edge SxS\\User Data"}, nullptr};
const ChromiumBrowser kBrave{L"Brave", L"brave.exe", &LocalAppDataFolder,
    {L"\\BraveSoftware\\Brave-Browser\\User Data", L"\\BraveSoftware\\Brave-Browser-Beta\\User Data", L"\\BraveSoftware\\Brave-Browser-Nightly\\User Data"}, nullptr};
const ChromiumBrowser kVivaldi{L"Vivaldi", L"vivaldi.exe", &LocalAppDataFolder, {L"\\Vivaldi\\User Data"}, nullptr};
const ChromiumBrowser kOpera{L"Opera", L"opera.exe", &AppDataFolder,
    {L"\\Opera Software\\Opera Stable", L"\\Opera Software\\Opera GX Stable"}, &LocalAppDataFolder};
// clang-format on

namespace {

// What a site's pages stored, less what an extension's own pages did (its
// databases are named after the extension's address).
constexpr wchar_t kExtensionData[] = L"chrome-extension_*;chrome-extension_*\\*";

// What each item takes inside a profile. Nothing else of the profile is
// ever named: not the bookmarks, the preferences, the extensions and their
// settings, nor the browser's "Local State" beside the profiles.
const std::vector<ProfileTarget> kCache = {
    FolderInProfile(L"Cache"), FolderInProfile(L"Code Cache"), FolderInProfile(L"GPUCache"),
    FolderInProfile(L"Service Worker"), // the sites' workers and their caches
    FolderInProfile(L"blob_storage"), FolderInProfile(L"File System"),
    // The pictures of the sites the taskbar's jump list shows.
    FolderInProfile(L"JumpListIconsMostVisited"), FolderInProfile(L"JumpListIconsRecentClosed")};
// The graphics caches the browser keeps once for all its profiles.
const std::vector<ProfileTarget> kUserDataCache = {FolderInProfile(L"ShaderCache"),
                                                   FolderInProfile(L"GrShaderCache"),
                                                   FolderInProfile(L"GraphiteDawnCache")};
// The cookies moved into "Network" in 2021. The sites' storage and what the
// browser keeps for advertising on their behalf (topics, interest groups,
// shared storage, trust tokens, conversions) go with them.
const std::vector<ProfileTarget> kCookiesAndSiteData = {
    CookiesInProfile(L"Cookies"),
    CookiesInProfile(L"Network\\Cookies"),
    DatabaseInProfile(L"Extension Cookies"),
    FolderInProfileKeeping(L"Local Storage", kExtensionData),
    FolderInProfile(L"Session Storage"), // what pages kept for the life of a tab, restored with the session
    FolderInProfileKeeping(L"IndexedDB", kExtensionData),
    FolderInProfileKeeping(L"databases", kExtensionData),
    DatabaseInProfile(L"BrowsingTopicsSiteData"),
    FileInProfile(L"BrowsingTopicsState"),
    DatabaseInProfile(L"InterestGroups"),
    DatabaseInProfile(L"SharedStorage"),
    DatabaseInProfile(L"Network\\Trust Tokens"),
    DatabaseInProfile(L"Conversions"),
    DatabaseInProfile(L"AggregationService")};
// Besides the history itself, the lists of the sites visited: their icons,
// the bounce tracking record, the sites that asked for secure connections
// and those that asked for reports.
const std::vector<ProfileTarget> kHistory = {DatabaseInProfile(L"History"),
                                             FileInProfile(L"Visited Links"),
                                             DatabaseInProfile(L"Top Sites"),
                                             DatabaseInProfile(L"Shortcuts"),
                                             DatabaseInProfile(L"Network Action Predictor"),
                                             DatabaseInProfile(L"Favicons"),
                                             DatabaseInProfile(L"DIPS"),
                                             FileInProfile(L"Network\\TransportSecurity"),
                                             DatabaseInProfile(L"Network\\Reporting and NEL")};
// The tabs and windows of the last sessions: a folder of their own since
// 2022, four files before.
const std::vector<ProfileTarget> kSessions = {FolderInProfile(L"Sessions"), FileInProfile(L"Current Session"),
                                              FileInProfile(L"Current Tabs"), FileInProfile(L"Last Session"),
                                              FileInProfile(L"Last Tabs")};
// Form entries, addresses and payment cards share one database.
const std::vector<ProfileTarget> kFormData = {DatabaseInProfile(L"Web Data")};
const std::vector<ProfileTarget> kPasswords = {DatabaseInProfile(L"Login Data"),
                                               DatabaseInProfile(L"Login Data For Account")};

const std::vector<ProfileTarget>& TracesOf(ChromiumItem item) {
    switch (item) {
    case ChromiumItem::Cache:
        return kCache;
    case ChromiumItem::CookiesAndSiteData:
        return kCookiesAndSiteData;
    case ChromiumItem::History:
        return kHistory;
    case ChromiumItem::Sessions:
        return kSessions;
    case ChromiumItem::FormData:
        return kFormData;
    case ChromiumItem::Passwords:
        break;
    }
    return kPasswords;
}

// Every profile keeps its settings in "Preferences"; the browser's other
// folders beside the profiles (crash reports, shader caches, dictionaries)
// have none.
bool IsProfile(const std::wstring& folder) {
    return HoldsFile(folder, L"Preferences");
}

bool RunInProfile(const std::wstring& profile, const std::vector<ProfileTarget>& targets) {
    return scrub::RunInProfile(profile, targets.data(), targets.data() + targets.size());
}

// The profile folders of one user-data folder: the folder itself when it is
// one, then those in it in listing order.
std::vector<std::wstring> ProfilesIn(const std::wstring& userData) {
    std::vector<std::wstring> profiles;
    if (userData.empty() || !IsPlainFolder(userData)) {
        return profiles;
    }
    if (IsProfile(userData)) {
        profiles.push_back(userData);
    }
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find(FindFirstFileW((userData + L"\\*").c_str(), &entry));
    if (!find) {
        return profiles;
    }
    do {
        if (IsDotEntry(entry.cFileName) || !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            IsLinkedFolder(entry.dwFileAttributes)) {
            continue;
        }
        std::wstring folder = win32::JoinPath(userData, entry.cFileName);
        if (IsProfile(folder)) {
            profiles.push_back(std::move(folder));
        }
    } while (FindNextFileW(find.Get(), &entry));
    return profiles;
}

} // namespace

std::vector<std::wstring> ChromiumProfileFolders(const ChromiumBrowser& browser) {
    std::vector<std::wstring> all;
    for (const wchar_t* suffix : browser.userData) {
        if (suffix) {
            for (std::wstring& profile : ProfilesIn(UnderRoot(browser.root(), suffix))) {
                all.push_back(std::move(profile));
            }
        }
    }
    return all;
}

int RunChromiumItem(const ChromiumBrowser& browser, ChromiumItem item) noexcept {
    return Guarded(1, [&] {
        if (theApp.stopRequested) {
            return;
        }
        const std::vector<ProfileTarget>& traces = TracesOf(item);
        for (const wchar_t* suffix : browser.userData) {
            if (!suffix) {
                continue;
            }
            const std::wstring userData = UnderRoot(browser.root(), suffix);
            // The same profile's cache kept apart: the profile's place below
            // the user-data folder, under the other root.
            const std::wstring cacheData = item == ChromiumItem::Cache && browser.cacheRoot
                                               ? UnderRoot(browser.cacheRoot(), suffix)
                                               : std::wstring();
            const std::vector<std::wstring> profiles = ProfilesIn(userData);
            for (const std::wstring& profile : profiles) {
                if (!RunInProfile(profile, traces)) {
                    return;
                }
                if (!cacheData.empty() &&
                    !RunInProfile(cacheData + profile.substr(userData.size()), traces)) {
                    return;
                }
            }
            if (item != ChromiumItem::Cache || profiles.empty()) {
                continue;
            }
            for (const std::wstring& shared : {userData, cacheData}) {
                if (!shared.empty() && !RunInProfile(shared, kUserDataCache)) {
                    return;
                }
            }
        }
    });
}

} // namespace scrub
