// Folder roots the catalogue names, asked of the platform when an item runs.
// Each returns the folder without trailing backslash, or empty.
#pragma once

#include <string>

namespace scrub {

// SHGetSpecialFolderPathW with a CSIDL_ identifier; empty on failure.
std::wstring SpecialFolder(int csidl);
template <int Csidl> std::wstring Special() { return SpecialFolder(Csidl); }

std::wstring RecentFolder();       // [Recent]
std::wstring LocalAppDataFolder(); // [LocalAppData]
// [LocalSettings]: [LocalAppData] cut before its last backslash. Only on XP
// is that "Local Settings"; on Vista and later it names "AppData", so every
// item that looks below it also looks where the later Windows keeps the same
// trace ([Temp], [History]).
std::wstring LocalSettingsFolder();
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
std::wstring TempPathFolder();      // the folder GetTempPath names for temporary files
// [AppData] cut before its last backslash (the messengers' [Profile]): the
// profile on XP, "AppData" on Vista and later. Items that find "My
// Documents" below it also look in [Documents], where the later Windows
// keeps the same folders.
std::wstring AppDataParentFolder();
std::wstring UserProfileFolder(); // [UserProfile]: the user's profile folder on every Windows
std::wstring VideosFolder();      // [Videos]: "My Videos" on XP, "Videos" in the profile later
// [Temp]: the user's temporary folder as the system reports it, long names
// spelled out ([LocalAppData]\Temp on Vista and later, "Local Settings\Temp"
// on XP). Empty unless the folder is named as a temporary folder ("Temp",
// "Tmp", or a numbered session folder inside one): with TMP and TEMP unset
// the system names the profile or the Windows folder instead.
std::wstring UserTempFolder();

// Installation folders found by the discovery lookups, empty when the
// application is not installed or its entry names no absolute folder.
std::wstring IcqFolder();      // [ICQ]: App Paths "ICQ.exe"
std::wstring IcqLiteFolder();  // [ICQLite]: App Paths "ICQLite.exe"
std::wstring YahooFolder();    // [Yahoo]: the "ymsgr" protocol command
std::wstring TrillianFolder(); // [Trillian]: the "AIM" protocol command
std::wstring PocoMailFolder(); // [PocoMail]: the mail client's "path" value
// A looked-up folder fit to have suffixes appended: trailing backslashes
// dropped, and empty unless it is absolute (a drive or a network share), so
// that a stray relative entry never names a folder below the current one.
std::wstring InstallationRoot(const std::wstring& found);

} // namespace scrub
