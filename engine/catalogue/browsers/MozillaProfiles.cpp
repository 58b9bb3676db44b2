#include "catalogue/browsers/MozillaProfiles.h"

#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

namespace scrub {

// The roaming folder keeps the spelling the first Firefox versions used; the
// file system ignores letter case.
const ProfilesFolder kFirefoxProfiles{&AppDataFolder, L"\\Mozilla\\FireFox\\Profiles"};
const ProfilesFolder kFirefoxLocalProfiles{&LocalAppDataFolder, L"\\Mozilla\\Firefox\\Profiles"};
const ProfilesFolder kThunderbirdProfiles{&AppDataFolder, L"\\Thunderbird\\Profiles"};
const ProfilesFolder kThunderbirdLocalProfiles{&LocalAppDataFolder, L"\\Thunderbird\\Profiles"};

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

} // namespace scrub
