// The staging folder: where one update's downloads, their signatures and the
// installation list wait for the installation. It lies inside the program
// folder, which the update must be able to change anyway: whoever could
// change a staged file could change the installed program directly, so
// staging there hands nobody anything new (the user's temporary folder, in
// contrast, is open to every program the user runs, while the installation
// may run elevated). Each check makes a new one under a name nobody can
// predict, with an access list of its own that grants SYSTEM and the
// administrators and, when the installation does not run elevated, the
// installing user: nobody else, whatever the program folder allows.
#pragma once

#include <string>

namespace updrift {

inline constexpr wchar_t kStagingPrefix[] = L"~updstage";

// Makes a new staging folder in the program folder. Its path with a
// trailing backslash, or "" when the program folder takes no new folder
// (a user who may not change it).
std::wstring CreateStagingFolder(const std::wstring& programFolder);

// The prefix followed by 10 characters of a random name: the only names a
// separate installation accepts for the folder it is told to install from.
bool IsStagingFolderName(const std::wstring& name);

// Removes the folder's files (links are removed, never followed) and then
// the folder.
void RemoveStagingFolder(const std::wstring& folder);

// What earlier updates left in the program folder: staging folders of
// checks that were never installed, and set-aside copies of replaced files
// that are no longer in use.
void RemoveUpdateLeftovers(const std::wstring& programFolder);

} // namespace updrift
