#include "files/SameEntry.h"

#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"

#include <vector>

namespace scrub {
namespace {

// A platform call that fills a buffer and returns the length it needs when
// the buffer is too small (terminator included) or the length it wrote.
template <class Call> std::wstring GrowingText(Call call) {
    wchar_t small[MAX_PATH + 8];
    DWORD length = call(small, static_cast<DWORD>(MAX_PATH + 8));
    if (length < MAX_PATH + 8) {
        return std::wstring(small, length);
    }
    std::wstring text(length, L'\0');
    length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0 || length >= text.size()) {
        return {};
    }
    text.resize(length);
    return text;
}

std::wstring FinalPathOf(HANDLE file) {
    return GrowingText([file](wchar_t* buffer, DWORD size) {
        return GetFinalPathNameByHandleW(file, buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    });
}

// The file's path on its volume ("\dir\file"), for paths too long for Wine
// to give as a final path.
std::wstring PathOnVolumeOf(HANDLE file) {
    std::vector<char> buffer(sizeof(FILE_NAME_INFO) + 32768 * sizeof(wchar_t));
    if (!GetFileInformationByHandleEx(file, FileNameInfo, buffer.data(), static_cast<DWORD>(buffer.size()))) {
        return {};
    }
    const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer.data());
    return std::wstring(info->FileName, info->FileNameLength / sizeof(wchar_t));
}

// The path without its drive ("C:") or share ("\\server\share").
std::wstring BelowRoot(const std::wstring& path) {
    if (path.size() >= 2 && path[1] == L':') {
        return path.substr(2);
    }
    if (path.compare(0, 2, L"\\\\") == 0) {
        const size_t share = path.find(L'\\', 2);
        const size_t below = share == std::wstring::npos ? share : path.find(L'\\', share + 1);
        return below == std::wstring::npos ? std::wstring() : path.substr(below);
    }
    return {};
}

// The path as the file system spells it: absolute, "." and ".." resolved,
// long names in place of short ones.
std::wstring Spelled(const std::wstring& path) {
    const std::wstring full = GrowingText([&path](wchar_t* buffer, DWORD size) {
        return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
    if (full.empty()) {
        return path;
    }
    const std::wstring longNamed = GrowingText(
        [&full](wchar_t* buffer, DWORD size) { return GetLongPathNameW(full.c_str(), buffer, size); });
    return longNamed.empty() ? full : longNamed;
}

// On a drive mapped to a share the final path names the share
// ("\\server\share\dir\file" for "M:\dir\file").
bool SameOnMappedDrive(const std::wstring& finalPath, const std::wstring& path) {
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\' || finalPath.compare(0, 2, L"\\\\") != 0) {
        return false;
    }
    const wchar_t root[] = {path[0], L':', L'\\', 0};
    if (GetDriveTypeW(root) != DRIVE_REMOTE) {
        return false;
    }
    const std::wstring belowDrive = path.substr(2);
    return finalPath.size() > belowDrive.size() &&
           win32::EqualsNoCase(finalPath.substr(finalPath.size() - belowDrive.size()), belowDrive);
}

} // namespace

bool IsEntryAt(HANDLE file, const std::wstring& path) {
    const std::wstring finalPath = win32::WithoutLongPathPrefix(FinalPathOf(file));
    if (finalPath.empty()) {
        if (GetLastError() != ERROR_MORE_DATA) {
            return false;
        }
        const std::wstring onVolume = PathOnVolumeOf(file);
        return !onVolume.empty() &&
               win32::EqualsNoCase(onVolume, BelowRoot(win32::WithoutLongPathPrefix(path)));
    }
    if (win32::EqualsNoCase(finalPath, win32::WithoutLongPathPrefix(path))) {
        return true; // the usual case: one call, no further look-up
    }
    // Below a linked shell or program folder every file's final path lies
    // under the folder's final location; a link further down leads elsewhere.
    const std::wstring throughRoot = theApp.linkedRoots.ThroughRoot(win32::WithoutLongPathPrefix(path));
    if (!throughRoot.empty() && win32::EqualsNoCase(finalPath, throughRoot)) {
        return true;
    }
    const std::wstring spelled = win32::WithoutLongPathPrefix(Spelled(path));
    return win32::EqualsNoCase(finalPath, spelled) || SameOnMappedDrive(finalPath, spelled);
}

namespace {

bool OpensAsItself(const std::wstring& path, DWORD flags) {
    // Attribute access alone: no program's sharing stands in its way.
    win32::UniqueFile file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | flags, nullptr));
    return file.Valid() && IsEntryAt(file.Get(), path);
}

} // namespace

bool IsEntryItself(const std::wstring& path) {
    return OpensAsItself(path, 0);
}

bool IsFolderItself(const std::wstring& path) {
    // The final path of a folder never ends in a backslash.
    std::wstring folder = path;
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return OpensAsItself(folder, FILE_FLAG_BACKUP_SEMANTICS);
}

bool ListingsShowFileLinks() {
    // Wine's own export: nothing else tells its listings from Windows'.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return !ntdll || !GetProcAddress(ntdll, "wine_get_version");
}

} // namespace scrub
