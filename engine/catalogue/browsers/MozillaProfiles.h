// Netscape and Firefox keep one folder per user profile below a "Profiles"
// folder; their items name a file or folder inside every profile.
#pragma once

#include "catalogue/Catalogue.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace scrub {

struct ProfilesFolder {
    FolderRoot root;       // [AppData] or [LocalAppData]
    const wchar_t* suffix; // e.g. L"\\Netscape\\Navigator\\Profiles"
};

struct ProfileTarget {
    bool walkFolder;     // true: folder walk; false: single-file handler
    const wchar_t* name; // inside the profile folder
};

inline ProfileTarget FileInProfile(const wchar_t* name) {
    return {false, name};
}
inline ProfileTarget FolderInProfile(const wchar_t* name) {
    return {true, name};
}

// The profile folders' names, in the order the file system lists them.
// Files beside the profiles are no profiles.
std::vector<std::wstring> ProfileNames(const std::wstring& profilesFolder);

// The stop test, then the targets in order inside every profile.
int RunProfileItem(const ProfilesFolder& profiles, std::initializer_list<ProfileTarget> targets) noexcept;

} // namespace scrub

#define SCRUB_PROFILE_ITEM(exportName, profiles, ...)                                                        \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunProfileItem(profiles, {__VA_ARGS__});                                             \
    }
