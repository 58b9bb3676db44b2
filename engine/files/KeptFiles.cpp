#include "files/KeptFiles.h"

#include "core/ScrubcoreApp.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"

namespace scrub {
namespace {

// The file's identity on its volume: the same for every path and name.
bool IdentityOf(const std::wstring& path, KeptFileIdentity& identity) {
    win32::UniqueFile file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &information)) {
        return false;
    }
    identity.volume = information.dwVolumeSerialNumber;
    identity.index =
        (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return true;
}

std::wstring NameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

bool KeepFile(const std::wstring& path) {
    KeptFileIdentity identity;
    if (!IdentityOf(path, identity)) {
        return false;
    }
    // A walk meets the file by its long name.
    wchar_t longName[MAX_PATH * 4];
    const DWORD length = GetLongPathNameW(path.c_str(), longName, MAX_PATH * 4);
    identity.name = NameOf(length > 0 && length < MAX_PATH * 4 ? std::wstring(longName, length) : path);
    theApp.keptFiles.push_back(std::move(identity));
    return true;
}

void ForgetKeptFiles() {
    theApp.keptFiles.clear();
}

bool IsKeptFile(const std::wstring& path) {
    const auto& kept = theApp.keptFiles;
    if (kept.empty()) {
        return false;
    }
    const std::wstring name = NameOf(path);
    for (const KeptFileIdentity& file : kept) {
        KeptFileIdentity met;
        if (win32::EqualsNoCase(name, file.name) && IdentityOf(path, met) && met.volume == file.volume &&
            met.index == file.index) {
            return true;
        }
    }
    return false;
}

} // namespace scrub
