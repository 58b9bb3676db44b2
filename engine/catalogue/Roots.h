// Folder roots the catalogue names, asked of the platform when an item runs.
// Each returns the folder without trailing backslash, or empty.
#pragma once

#include <string>

namespace scrub {

// SHGetSpecialFolderPathW with a CSIDL_ identifier; empty on failure.
std::wstring SpecialFolder(int csidl);
template <int Csidl> std::wstring Special() { return SpecialFolder(Csidl); }

std::wstring RecentFolder();        // [Recent]
std::wstring LocalAppDataFolder();  // [LocalAppData]
std::wstring LocalSettingsFolder(); // [LocalSettings]: [LocalAppData] cut before its last backslash
std::wstring FavoritesFolder();     // [Favorites]
std::wstring ProfileFolder();       // [ProfileDir]: [Favorites] cut before its last backslash
std::wstring WindowsFolder();       // [Windows]
std::wstring WinDirFolder();        // [WinDir]: as GetWindowsDirectory gives it
std::wstring WindowsParentFolder(); // [WindowsParent]: [Windows] cut before its last backslash
std::wstring InternetCacheFolder(); // [InternetCache]
std::wstring CookiesFolder();       // [Cookies]
std::wstring AppDataFolder();       // [AppData]
std::wstring HistoryFolder();       // [History]
std::wstring CommonAppDataFolder(); // [CommonAppData]
std::wstring ProgramFilesFolder();  // [ProgramFiles]
std::wstring DocumentsFolder();     // [Documents]

} // namespace scrub
