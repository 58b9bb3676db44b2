// Netscape, Firefox and Thunderbird keep one folder per user profile below a
// "Profiles" folder (Firefox and Thunderbird a second one under the local
// application data for their caches); their items name a file or folder
// inside every profile.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/browsers/ProfileTargets.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace scrub {

struct ProfilesFolder {
    FolderRoot root;       // [AppData] or [LocalAppData]
    const wchar_t* suffix; // e.g. L"\\Netscape\\Navigator\\Profiles"
};

// Firefox's and Thunderbird's profiles (roaming), and their local parts.
extern const ProfilesFolder kFirefoxProfiles;
extern const ProfilesFolder kFirefoxLocalProfiles;
extern const ProfilesFolder kThunderbirdProfiles;
extern const ProfilesFolder kThunderbirdLocalProfiles;

// The profile folders' names, in the order the file system lists them.
// Files beside the profiles are no profiles, and a linked folder leads
// elsewhere: neither is listed.
std::vector<std::wstring> ProfileNames(const std::wstring& profilesFolder);

// The stop test, then the targets in order inside every profile.
int RunProfileItem(const ProfilesFolder& profiles, std::initializer_list<ProfileTarget> targets) noexcept;

} // namespace scrub

#define SCRUB_PROFILE_ITEM(exportName, profiles, ...)                                                        \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunProfileItem(profiles, {__VA_ARGS__});                                             \
    }
