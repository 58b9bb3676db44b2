#include "clean/CleanablePath.h"

#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

#include <windows.h>

namespace scrub {
namespace {

bool IsSlash(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveRooted(const std::wstring& path) {
    return path.size() >= 3 &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
           path[1] == L':' && path[2] == L'\\';
}

// "\\?\", "\\.\" and "\??\" (with either slash) reach devices, raw volumes
// and, under Wine, the whole host ("\\?\unix\..."), past every drive.
bool IsDeviceOrRawPath(const std::wstring& path) {
    return path.size() >= 4 && IsSlash(path[0]) && (IsSlash(path[1]) || path[1] == L'?') &&
           (path[2] == L'?' || path[2] == L'.') && IsSlash(path[3]);
}

// The length of "\\server\share\" in a share path; 0 when it is none.
size_t ShareRootLength(const std::wstring& path) {
    if (path.compare(0, 2, L"\\\\") != 0 || IsDeviceOrRawPath(path)) {
        return 0;
    }
    const size_t serverEnd = path.find(L'\\', 2);
    if (serverEnd == std::wstring::npos || serverEnd == 2) {
        return 0;
    }
    const size_t shareEnd = path.find(L'\\', serverEnd + 1);
    if (shareEnd == std::wstring::npos || shareEnd == serverEnd + 1) {
        return 0;
    }
    return shareEnd + 1;
}

// Whether a folder on the way to the file is a link (or another reparse
// point): what lies behind it is not where the path says. A linked root the
// catalogue named (a shell folder moved elsewhere) leads where it should;
// only the folders below it count.
bool PassesThroughLinkedFolder(const std::wstring& path, size_t rootLength) {
    const size_t linkedRoot = theApp.linkedRoots.RootLength(path);
    if (linkedRoot > 0) {
        rootLength = linkedRoot + 1;
    }
    for (size_t end = path.find(L'\\', rootLength); end != std::wstring::npos;
         end = path.find(L'\\', end + 1)) {
        const DWORD attributes = GetFileAttributesW(path.substr(0, end).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return false; // nothing below a missing folder exists either
        }
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            return true;
        }
    }
    return false;
}

} // namespace

bool HasFilePathForm(const std::wstring& text) {
    return IsDriveRooted(text) || text.compare(0, 2, L"\\\\") == 0;
}

std::wstring CleanablePath(const std::wstring& text) {
    if (IsDeviceOrRawPath(text)) {
        return {};
    }
    // A device name anywhere ("C:\x\NUL") comes back as "\\.\NUL".
    const std::wstring path = win32::FullPathOf(text);
    if (path.empty() || IsDeviceOrRawPath(path)) {
        return {};
    }
    const size_t rootLength = IsDriveRooted(path) ? 3 : ShareRootLength(path);
    if (rootLength == 0) {
        return {};
    }
    // A colon past the drive names a stream of a file, never a file.
    if (path.find(L':', rootLength) != std::wstring::npos || IsMailStore(path) ||
        PassesThroughLinkedFolder(path, rootLength)) {
        return {};
    }
    return path;
}

} // namespace scrub
