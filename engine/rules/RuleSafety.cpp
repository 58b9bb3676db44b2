#include "rules/RuleSafety.h"

#include "catalogue/Roots.h"
#include "win32/Text.h"

#include <shlobj.h>

namespace scrub {
namespace {

bool IsDeviceName(const std::wstring& part) {
    std::wstring stem = part.substr(0, part.find(L'.'));
    static const wchar_t* devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* device : devices) {
        if (win32::EqualsNoCase(stem, device)) {
            return true;
        }
    }
    return stem.size() == 4 &&
           (win32::StartsWithNoCase(stem, L"COM") || win32::StartsWithNoCase(stem, L"LPT")) &&
           stem[3] >= L'0' && stem[3] <= L'9';
}

std::wstring WithoutTrailingBackslashes(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

std::vector<std::wstring> Named(std::initializer_list<int> csidls) {
    std::vector<std::wstring> folders;
    for (int csidl : csidls) {
        if (std::wstring named = SpecialFolder(csidl); !named.empty()) {
            folders.push_back(std::move(named));
        }
    }
    return folders;
}

bool IsOneOf(const std::wstring& folder, const std::vector<std::wstring>& folders) {
    for (const std::wstring& named : folders) {
        if (win32::EqualsNoCase(folder, named)) {
            return true;
        }
    }
    return false;
}

bool TakesEveryFile(const RuleFileKey& key) {
    for (const std::wstring& pattern : key.patterns) {
        if (pattern == L"*" || pattern == L"*.*") {
            return true;
        }
    }
    return false;
}

} // namespace

ProtectedFolders::ProtectedFolders()
    : system_(Named({CSIDL_WINDOWS, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86})),
      personal_(Named({CSIDL_PROFILE, CSIDL_PERSONAL, CSIDL_DESKTOPDIRECTORY, CSIDL_MYPICTURES, CSIDL_MYMUSIC,
                       CSIDL_MYVIDEO})) {
    if (std::wstring winDir = WinDirFolder(); !winDir.empty()) {
        system_.push_back(std::move(winDir));
    }
}

bool ProtectedFolders::IsSystemFolder(const std::wstring& folder) const {
    return IsOneOf(folder, system_);
}

bool ProtectedFolders::IsPersonalFolder(const std::wstring& folder) const {
    return IsOneOf(folder, personal_);
}

std::wstring RefusalOfFileKey(const RuleFileKey& key, const ProtectedFolders& protectedFolders) {
    const std::wstring folder = WithoutTrailingBackslashes(key.folder);
    if (win32::StartsWithNoCase(folder, L"\\\\?\\") || win32::StartsWithNoCase(folder, L"\\\\.\\") ||
        win32::StartsWithNoCase(folder, L"\\??\\")) {
        return L"names a device or raw path";
    }
    const bool onDrive = folder.size() >= 2 && folder[1] == L':' && iswalpha(folder[0]) &&
                         (folder.size() == 2 || folder[2] == L'\\');
    if (!onDrive) {
        return L"names no folder on a drive";
    }
    if (folder.size() <= 3) {
        return L"reaches a drive root";
    }
    size_t start = 0;
    while (start <= folder.size()) {
        size_t stop = folder.find(L'\\', start);
        if (stop == std::wstring::npos) {
            stop = folder.size();
        }
        const std::wstring part = folder.substr(start, stop - start);
        if (part == L".." || part == L".") {
            return L"holds \"..\"";
        }
        if (IsDeviceName(part)) {
            return L"names a device";
        }
        start = stop + 1;
    }
    for (const std::wstring& pattern : key.patterns) {
        if (pattern.find(L"..") != std::wstring::npos || pattern.find(L'\\') != std::wstring::npos ||
            pattern.find(L':') != std::wstring::npos) {
            return L"has a pattern that leaves its folder";
        }
    }
    const bool recurse = key.recurse || key.removeSelf;
    if (recurse && protectedFolders.IsSystemFolder(folder)) {
        return L"walks the whole Windows or Program Files folder";
    }
    if ((recurse || TakesEveryFile(key)) && protectedFolders.IsPersonalFolder(folder)) {
        return L"takes the user's profile, documents or media folder";
    }
    return {};
}

std::wstring RefusalOfRegKey(const RuleRegKey& key) {
    if (!key.wholeKey) {
        return {};
    }
    std::wstring path = key.key;
    while (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    if (key.hive == HKEY_USERS) {
        // A user's own hive: the rest is read as under HKEY_CURRENT_USER.
        const size_t cut = path.find(L'\\');
        path = cut == std::wstring::npos ? L"" : path.substr(cut + 1);
    }
    if (key.hive == HKEY_CLASSES_ROOT) {
        return path.empty() ? L"takes a whole registry root" : L"";
    }
    static const wchar_t* kept[] = {L"",
                                    L"Software",
                                    L"Software\\Microsoft",
                                    L"Software\\Microsoft\\Windows",
                                    L"Software\\Microsoft\\Windows\\CurrentVersion",
                                    L"Software\\Classes",
                                    L"Software\\Policies",
                                    L"Software\\WOW6432Node",
                                    L"Software\\WOW6432Node\\Microsoft",
                                    L"Software\\WOW6432Node\\Microsoft\\Windows",
                                    L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion",
                                    L"Software\\WOW6432Node\\Classes",
                                    L"Software\\WOW6432Node\\Policies"};
    for (const wchar_t* system : kept) {
        if (win32::EqualsNoCase(path, system)) {
            return L"takes a whole key Windows and every program share";
        }
    }
    return {};
}

} // namespace scrub
