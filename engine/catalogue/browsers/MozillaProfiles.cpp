#include "catalogue/browsers/MozillaProfiles.h"

#include "catalogue/EntryItems.h"
#include "catalogue/Roots.h"
#include "clean/SystemFolders.h"
#include "win32/Handles.h"
#include "core/NamePattern.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "files/IniText.h"

#include <map>

namespace scrub {

// Columns: name, process, folder below the application data, Store packages.
const MozillaApplication kFirefox{L"Firefox", L"firefox.exe", L"\\Mozilla\\Firefox", L"Mozilla.Firefox_*"};
const MozillaApplication kThunderbird{L"Thunderbird", L"thunderbird.exe", L"\\Thunderbird",
                                      L"MozillaThunderbird.MZLA_*"};

namespace {

bool IsListed(const std::vector<std::wstring>& folders, const std::wstring& folder) {
    for (const std::wstring& listed : folders) {
        if (win32::EqualsNoCase(listed, folder)) {
            return true;
        }
    }
    return false;
}

void AddOnce(std::vector<std::wstring>& folders, const std::wstring& folder) {
    if (!IsListed(folders, folder)) {
        folders.push_back(folder);
    }
}

} // namespace

std::vector<std::wstring> ProfileNames(const std::wstring& profilesFolder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find(FindFirstFileW((profilesFolder + L"\\*").c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if (!IsDotEntry(entry.cFileName) && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !IsLinkedFolder(entry.dwFileAttributes)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileW(find.Get(), &entry));
    return names;
}

int RunProfileItem(const ProfilesFolder& profiles, std::initializer_list<ProfileTarget> targets) noexcept {
    return Guarded(1, [&] {
        if (theApp.stopRequested) {
            return;
        }
        const std::wstring folder = UnderRoot(profiles.root(), profiles.suffix);
        if (folder.empty()) {
            return;
        }
        for (const std::wstring& profile : ProfileNames(folder)) {
            if (!RunInProfile(win32::JoinPath(folder, profile), targets.begin(), targets.end())) {
                return;
            }
        }
    });
}

std::vector<MozillaFolders> MozillaInstallations(const MozillaApplication& application) {
    std::vector<MozillaFolders> installations;
    const std::wstring roaming = UnderRoot(AppDataFolder(), application.folder);
    const std::wstring local = UnderRoot(LocalAppDataFolder(), application.folder);
    if (!roaming.empty()) {
        installations.push_back({roaming, local});
    }
    // The Store runs the program with the application data folders moved
    // into its package: "...\Packages\Mozilla.Firefox_n80bbvh6b1yt2\LocalCache\Roaming".
    for (const std::wstring& package : EntriesOf(UnderRoot(LocalAppDataFolder(), L"\\Packages"))) {
        if (MatchesNamePattern(win32::LastComponent(package), application.package)) {
            installations.push_back({package + L"\\LocalCache\\Roaming" + application.folder,
                                     package + L"\\LocalCache\\Local" + application.folder});
        }
    }
    return installations;
}

std::vector<std::wstring> ProfilesListedOutside(const std::wstring& profilesIni) {
    std::string bytes;
    if (!ReadFileBytes(profilesIni, bytes)) {
        return {};
    }
    // Each [ProfileN] section: whether its path is relative, and the path.
    std::map<std::wstring, std::pair<bool, std::wstring>> sections;
    ForEachIniEntry(bytes,
                    [&](const std::wstring& section, const std::wstring& key, const std::wstring& value) {
                        if (section.compare(0, 7, L"Profile") != 0) {
                            return; // [General], [Install...] and [BackgroundTasksProfiles] name no profile
                        }
                        if (win32::EqualsNoCase(key, L"IsRelative")) {
                            sections[section].first = value == L"0";
                        } else if (win32::EqualsNoCase(key, L"Path")) {
                            sections[section].second = value;
                        }
                    });
    std::vector<std::wstring> folders;
    for (const auto& [section, entry] : sections) {
        const auto& [absolute, path] = entry;
        if (!absolute || path.empty()) {
            continue;
        }
        const std::wstring folder = InstallationRoot(win32::FullPathOf(path));
        if (!folder.empty() && IsPlainFolder(folder) && !IsSystemFolder(folder) &&
            HoldsFile(folder, L"prefs.js")) {
            AddOnce(folders, folder);
        }
    }
    return folders;
}

std::vector<std::wstring> MozillaProfilesOutside(const MozillaApplication& application) {
    std::vector<std::wstring> folders;
    for (const MozillaFolders& installation : MozillaInstallations(application)) {
        for (const std::wstring& folder : ProfilesListedOutside(installation.roaming + L"\\profiles.ini")) {
            AddOnce(folders, folder);
        }
    }
    return folders;
}

std::vector<std::wstring> MozillaProfileFolders(const MozillaApplication& application, ProfileHalf half) {
    std::vector<std::wstring> folders;
    for (const MozillaFolders& installation : MozillaInstallations(application)) {
        const std::wstring profiles = UnderRoot(
            half == ProfileHalf::Roaming ? installation.roaming : installation.local, L"\\Profiles");
        if (profiles.empty()) {
            continue;
        }
        for (const std::wstring& name : ProfileNames(profiles)) {
            folders.push_back(win32::JoinPath(profiles, name));
        }
    }
    for (const std::wstring& outside : MozillaProfilesOutside(application)) {
        AddOnce(folders, outside); // one may be listed by its full path although it lies in Profiles
    }
    return folders;
}

bool RunInMozillaProfiles(const MozillaApplication& application, ProfileHalf half,
                          std::initializer_list<ProfileTarget> targets) {
    for (const std::wstring& profile : MozillaProfileFolders(application, half)) {
        if (!RunInProfile(profile, targets.begin(), targets.end())) {
            return false;
        }
    }
    return !theApp.stopRequested;
}

int RunMozillaItem(const MozillaApplication& application, ProfileHalf half,
                   std::initializer_list<ProfileTarget> targets) noexcept {
    return Guarded(1, [&] {
        if (!theApp.stopRequested) {
            RunInMozillaProfiles(application, half, targets);
        }
    });
}

} // namespace scrub
