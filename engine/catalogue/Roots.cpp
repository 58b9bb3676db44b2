#include "catalogue/Roots.h"

#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/LinkedRoots.h"

#include <windows.h>
#include <shlobj.h>

namespace scrub {

std::wstring SpecialFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) {
        return {};
    }
    std::wstring folder(path);
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return NotedRoot(folder);
}

// clang-format off
std::wstring RecentFolder() { return SpecialFolder(CSIDL_RECENT); }
std::wstring LocalAppDataFolder() { return SpecialFolder(CSIDL_LOCAL_APPDATA); }
std::wstring LocalSettingsFolder() { return NotedRoot(win32::CutAtLastBackslash(LocalAppDataFolder())); }
std::wstring FavoritesFolder() { return SpecialFolder(CSIDL_FAVORITES); }
std::wstring ProfileFolder() { return NotedRoot(win32::CutAtLastBackslash(FavoritesFolder())); }
std::wstring WindowsFolder() { return SpecialFolder(CSIDL_WINDOWS); }
std::wstring WindowsParentFolder() { return win32::CutAtLastBackslash(WindowsFolder()); }
std::wstring InternetCacheFolder() { return SpecialFolder(CSIDL_INTERNET_CACHE); }
std::wstring CookiesFolder() { return SpecialFolder(CSIDL_COOKIES); }
std::wstring AppDataFolder() { return SpecialFolder(CSIDL_APPDATA); }
std::wstring HistoryFolder() { return SpecialFolder(CSIDL_HISTORY); }
std::wstring CommonAppDataFolder() { return SpecialFolder(CSIDL_COMMON_APPDATA); }
std::wstring ProgramFilesFolder() { return SpecialFolder(CSIDL_PROGRAM_FILES); }
std::wstring DocumentsFolder() { return SpecialFolder(CSIDL_PERSONAL); }
std::wstring AppDataParentFolder() { return NotedRoot(win32::CutAtLastBackslash(AppDataFolder())); }
std::wstring UserProfileFolder() { return SpecialFolder(CSIDL_PROFILE); }
std::wstring VideosFolder() { return SpecialFolder(CSIDL_MYVIDEO); }
// clang-format on

std::wstring WinDirFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return path;
}

std::wstring TempPathFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    std::wstring folder(path, length);
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return NotedRoot(folder);
}

namespace {

bool IsTemporaryFolderName(const std::wstring& name) {
    return win32::EqualsNoCase(name, L"Temp") || win32::EqualsNoCase(name, L"Tmp");
}

bool IsNumber(const std::wstring& name) {
    return !name.empty() && name.find_first_not_of(L"0123456789") == std::wstring::npos;
}

} // namespace

std::wstring UserTempFolder() {
    const std::wstring reported = TempPathFolder();
    if (reported.empty()) {
        return {};
    }
    // "C:\Users\ANNSMI~1\AppData\Local\Temp" as the profile really spells
    // it, so that a file is the same trace whichever item meets it.
    wchar_t longPath[MAX_PATH] = {};
    const DWORD length = GetLongPathNameW(reported.c_str(), longPath, MAX_PATH);
    const std::wstring folder = length > 0 && length < MAX_PATH ? std::wstring(longPath, length) : reported;
    const std::wstring name = win32::LastComponent(folder);
    // A remote session gets a numbered folder of its own inside the temporary folder.
    if (IsTemporaryFolderName(name) ||
        (IsNumber(name) && IsTemporaryFolderName(win32::LastComponent(win32::CutAtLastBackslash(folder))))) {
        return NotedRoot(folder);
    }
    return {};
}

} // namespace scrub
