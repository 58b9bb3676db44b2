// Netscape, Firefox and Thunderbird keep one folder per user profile below a
// "Profiles" folder; their items name a file or folder inside every profile.
//
// Firefox and Thunderbird keep their profiles below the roaming application
// data and each profile's caches in a folder of the same name below the
// local one. A copy installed from the Microsoft Store keeps both below its
// package's "LocalCache" instead, and profiles.ini may list a profile
// anywhere else ("IsRelative=0"), which then keeps its caches inside.
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

// The profile folders' names, in the order the file system lists them.
// Files beside the profiles are no profiles, and a linked folder leads
// elsewhere: neither is listed.
std::vector<std::wstring> ProfileNames(const std::wstring& profilesFolder);

// The stop test, then the targets in order inside every profile.
int RunProfileItem(const ProfilesFolder& profiles, std::initializer_list<ProfileTarget> targets) noexcept;

struct MozillaApplication {
    const wchar_t* name;       // as the user knows it
    const wchar_t* executable; // the file name its processes run
    const wchar_t* folder;     // its folder below either application data folder
    const wchar_t* package;    // its Store packages' folders below [LocalAppData]\Packages
};
extern const MozillaApplication kFirefox;
extern const MozillaApplication kThunderbird;

// One installation's folders of the application, in the roaming and in the
// local application data: the usual ones first, then each Store package's.
struct MozillaFolders {
    std::wstring roaming;
    std::wstring local;
};
std::vector<MozillaFolders> MozillaInstallations(const MozillaApplication& application);

// The folders profiles.ini lists as profiles outside the Profiles folder, as
// absolute paths. Only a plain folder that holds the profile's prefs.js is
// one: never a link, a drive root or a folder the system names.
std::vector<std::wstring> ProfilesListedOutside(const std::wstring& profilesIni);
// Those of every installation, each once.
std::vector<std::wstring> MozillaProfilesOutside(const MozillaApplication& application);

enum class ProfileHalf { Roaming, Local }; // the profile itself, or where its caches are

// Every profile's folder of that half: those below each installation's
// Profiles folder, then the ones profiles.ini lists elsewhere (each once).
std::vector<std::wstring> MozillaProfileFolders(const MozillaApplication& application, ProfileHalf half);

// The targets in order inside every profile; false when a stop request ended them.
bool RunInMozillaProfiles(const MozillaApplication& application, ProfileHalf half,
                          std::initializer_list<ProfileTarget> targets);
// The stop test, then the same, inside the export guard.
int RunMozillaItem(const MozillaApplication& application, ProfileHalf half,
                   std::initializer_list<ProfileTarget> targets) noexcept;

} // namespace scrub

#define SCRUB_PROFILE_ITEM(exportName, profiles, ...)                                                        \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunProfileItem(profiles, {__VA_ARGS__});                                             \
    }

#define SCRUB_MOZILLA_ITEM(exportName, application, half, ...)                                               \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunMozillaItem(application, ::scrub::ProfileHalf::half, {__VA_ARGS__});              \
    }
