#include "clean/SystemFolders.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/FilePrimitives.h"

#include <shlobj.h>

namespace scrub {
namespace {

// "C:" alone means the current folder of drive C:, not its root; "C:\" is
// the root. Neither is ever removed.
bool IsDriveOrRoot(const std::wstring& folder) {
    return folder.size() <= 3 && folder.size() >= 2 && folder[1] == L':';
}

bool IsEmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!find) {
        return false;
    }
    do {
        if (!IsDotEntry(entry.cFileName)) {
            return false;
        }
    } while (FindNextFileW(find.Get(), &entry));
    return true;
}

} // namespace

bool IsSystemFolder(const std::wstring& folder) {
    if (IsDriveOrRoot(folder)) {
        return true;
    }
    static const int shellFolders[] = {
        CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,         CSIDL_FAVORITES, CSIDL_STARTUP,   CSIDL_RECENT,
        CSIDL_SENDTO,           CSIDL_STARTMENU,        CSIDL_PROGRAMS,  CSIDL_MYMUSIC,   CSIDL_MYVIDEO,
        CSIDL_MYPICTURES,       CSIDL_NETHOOD,          CSIDL_PRINTHOOD, CSIDL_TEMPLATES, CSIDL_APPDATA,
        CSIDL_LOCAL_APPDATA,    CSIDL_INTERNET_CACHE,   CSIDL_COOKIES,   CSIDL_HISTORY,   CSIDL_PROFILE,
        CSIDL_COMMON_APPDATA,   CSIDL_COMMON_DOCUMENTS, CSIDL_WINDOWS,   CSIDL_SYSTEM,    CSIDL_PROGRAM_FILES,
    };
    for (int csidl : shellFolders) {
        if (win32::EqualsNoCase(folder, SpecialFolder(csidl))) {
            return true;
        }
    }
    const std::wstring purposeFolders[] = {
        TempPathFolder(), LocalSettingsFolder(), UnderRoot(LocalSettingsFolder(), L"\\Temp"),
        UnderRoot(LocalAppDataFolder(), L"\\Temp"), UnderRoot(WinDirFolder(), L"\\temp")};
    for (const std::wstring& named : purposeFolders) {
        if (!named.empty() && win32::EqualsNoCase(folder, named)) {
            return true;
        }
    }
    return false;
}

void RemoveFolderIfLeftEmpty(const std::wstring& folder) {
    // Asking the system for its folders costs more than looking inside, so
    // only a folder that really was left empty is checked against them.
    if (folder.empty() || IsDriveOrRoot(folder) || !IsEmptyFolder(folder) || IsSystemFolder(folder)) {
        return;
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace scrub
