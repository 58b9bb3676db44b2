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

// Columns: name, process, root, user-data folders, one profile only, cache apart.
// clang-format off
const ChromiumBrowser kGoogleChrome{L"Google Chrome", L"chrome.exe", &LocalAppDataFolder,
    {L"\\Google\\Chrome\\User Data", L"\\Google\\Chrome Beta\\User Data", L"\\Google\\Chrome Dev\\User Data", L"\\Google\\Chrome SxS\\User Data"}, false, nullptr};
const ChromiumBrowser kMicrosoftEdge{L"Microsoft Edge", L"msedge.exe", &LocalAppDataFolder,
    {L"\\Microsoft\\Edge\\User Data", L"\\Microsoft\\Edge Beta\\User Data", L"\\Microsoft\\Edge Dev\\User Data", L"\\Microsoft\\Edge SxS\\User Data"}, false, nullptr};
const ChromiumBrowser kBrave{L"Brave", L"brave.exe", &LocalAppDataFolder,
    {L"\\BraveSoftware\\Brave-Browser\\User Data", L"\\BraveSoftware\\Brave-Browser-Beta\\User Data", L"\\BraveSoftware\\Brave-Browser-Nightly\\User Data"}, false, nullptr};
const ChromiumBrowser kVivaldi{L"Vivaldi", L"vivaldi.exe", &LocalAppDataFolder, {L"\\Vivaldi\\User Data"}, false, nullptr};
const ChromiumBrowser kOpera{L"Opera", L"opera.exe", &AppDataFolder,
    {L"\\Opera Software\\Opera Stable", L"\\Opera Software\\Opera GX Stable"}, true, &LocalAppDataFolder};
// clang-format on

namespace {

// What a site's pages stored, less what an extension's own pages did (its
// databases are named after the extension's address).
constexpr wchar_t kExtensionData[] = L"chrome-extension_*;chrome-extension_*\\*";

// What each item takes inside a profile. Nothing else of the profile is
// ever named: not the bookmarks, the preferences, the extensions and their
// settings, nor the browser's "Local State" beside the profiles.
const std::vector<ProfileTarget> kCache = {FolderInProfile(L"Cache"), FolderInProfile(L"Code Cache"),
                                           FolderInProfile(L"GPUCache"),
                                           FolderInProfile(L"Service Worker\\CacheStorage")};
// A database goes with its journal. The cookies moved into "Network" in 2021.
const std::vector<ProfileTarget> kCookiesAndSiteData = {
    FileInProfile(L"Cookies"),
    FileInProfile(L"Cookies-journal"),
    FileInProfile(L"Network\\Cookies"),
    FileInProfile(L"Network\\Cookies-journal"),
    FolderInProfileKeeping(L"Local Storage", kExtensionData),
    FolderInProfile(L"Session Storage"), // what pages kept for the life of a tab, restored with the session
    FolderInProfileKeeping(L"IndexedDB", kExtensionData),
    FolderInProfileKeeping(L"databases", kExtensionData)};
const std::vector<ProfileTarget> kHistory = {FileInProfile(L"History"),
                                             FileInProfile(L"History-journal"),
                                             FileInProfile(L"Visited Links"),
                                             FileInProfile(L"Top Sites"),
                                             FileInProfile(L"Top Sites-journal"),
                                             FileInProfile(L"Shortcuts"),
                                             FileInProfile(L"Shortcuts-journal"),
                                             FileInProfile(L"Network Action Predictor"),
                                             FileInProfile(L"Network Action Predictor-journal")};
// The tabs and windows of the last sessions: a folder of their own since
// 2022, four files before.
const std::vector<ProfileTarget> kSessions = {FolderInProfile(L"Sessions"), FileInProfile(L"Current Session"),
                                              FileInProfile(L"Current Tabs"), FileInProfile(L"Last Session"),
                                              FileInProfile(L"Last Tabs")};
// Form entries, addresses and payment cards share one database.
const std::vector<ProfileTarget> kFormData = {FileInProfile(L"Web Data"), FileInProfile(L"Web Data-journal")};
const std::vector<ProfileTarget> kPasswords = {
    FileInProfile(L"Login Data"), FileInProfile(L"Login Data-journal"),
    FileInProfile(L"Login Data For Account"), FileInProfile(L"Login Data For Account-journal")};

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

bool IsPlainFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !IsLinkedFolder(attributes);
}

// Every profile keeps its settings in "Preferences"; the browser's other
// folders beside the profiles (crash reports, shader caches, dictionaries)
// have none.
bool IsProfile(const std::wstring& folder) {
    const DWORD attributes = GetFileAttributesW(win32::JoinPath(folder, L"Preferences").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RunInProfile(const std::wstring& profile, const std::vector<ProfileTarget>& targets) {
    return scrub::RunInProfile(profile, targets.data(), targets.data() + targets.size());
}

// The profile folders of one user-data folder, in listing order.
std::vector<std::wstring> ProfilesIn(const ChromiumBrowser& browser, const std::wstring& userData) {
    std::vector<std::wstring> profiles;
    if (userData.empty() || !IsPlainFolder(userData)) {
        return profiles;
    }
    if (browser.oneProfile) {
        if (IsProfile(userData)) {
            profiles.push_back(userData);
        }
        return profiles;
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
            for (const std::wstring& profile : ProfilesIn(browser, userData)) {
                if (!RunInProfile(profile, traces)) {
                    return;
                }
                if (!cacheData.empty() &&
                    !RunInProfile(cacheData + profile.substr(userData.size()), traces)) {
                    return;
                }
            }
        }
    });
}

} // namespace scrub
