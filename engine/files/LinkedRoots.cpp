#include "files/LinkedRoots.h"

#include "core/ScrubcoreApp.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <shlobj.h>

namespace scrub {
namespace {

class SharedLock {
public:
    explicit SharedLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockShared(&lock_); }
    ~SharedLock() { ReleaseSRWLockShared(&lock_); }
    SharedLock(const SharedLock&) = delete;
    SharedLock& operator=(const SharedLock&) = delete;

private:
    SRWLOCK& lock_;
};

class ExclusiveLock {
public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    SRWLOCK& lock_;
};

// Whether `path` is `root` or lies below it.
bool IsAtOrBelow(const std::wstring& path, const std::wstring& root) {
    return win32::StartsWithNoCase(path, root) && (path.size() == root.size() || path[root.size()] == L'\\');
}

std::wstring Trimmed(std::wstring folder) {
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

// Where the folder really is, every link on the way followed; empty when it
// cannot be opened.
std::wstring FinalLocationOf(const std::wstring& folder) {
    win32::UniqueFile handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.Valid()) {
        return {};
    }
    wchar_t path[32768];
    const DWORD length =
        GetFinalPathNameByHandleW(handle.Get(), path, 32768, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= 32768) {
        return {};
    }
    return Trimmed(win32::WithoutLongPathPrefix(std::wstring(path, length)));
}

// The folder as the file system spells it (long names, no "." or "..").
std::wstring Spelled(const std::wstring& folder) {
    wchar_t path[32768];
    const DWORD length = GetLongPathNameW(folder.c_str(), path, 32768);
    return length > 0 && length < 32768 ? Trimmed(std::wstring(path, length)) : folder;
}

std::wstring PlatformFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    return SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE) ? Trimmed(path) : std::wstring();
}

UINT DriveTypeOf(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':') {
        return DRIVE_NO_ROOT_DIR;
    }
    const wchar_t root[] = {path[0], L':', L'\\', 0};
    return GetDriveTypeW(root);
}

bool IsShare(const std::wstring& path) {
    return path.compare(0, 2, L"\\\\") == 0;
}

} // namespace

bool MayLeadTo(const std::wstring& root, const std::wstring& resolved) {
    const UINT rootDrive = DriveTypeOf(root);
    const bool local = DriveTypeOf(resolved) == DRIVE_FIXED;
    // A mapped drive's final paths name its share: the root was remote from
    // the start, and stays on it.
    const bool sameShare = rootDrive == DRIVE_REMOTE && IsShare(resolved);
    if (!local && !sameShare) {
        return false;
    }
    if (resolved.size() <= 3 ||
        (IsShare(resolved) && resolved.find(L'\\', resolved.find(L'\\', 2) + 1) == std::wstring::npos)) {
        return false; // a drive's or a share's root
    }
    for (int csidl : {CSIDL_WINDOWS, CSIDL_SYSTEM}) {
        const std::wstring system = PlatformFolder(csidl);
        if (!system.empty() && IsAtOrBelow(resolved, Spelled(system))) {
            return false;
        }
    }
    const std::wstring profiles = win32::CutAtLastBackslash(PlatformFolder(CSIDL_PROFILE));
    for (const std::wstring& shared :
         {PlatformFolder(CSIDL_PROGRAM_FILES), PlatformFolder(CSIDL_PROGRAM_FILESX86), profiles}) {
        if (!shared.empty() && win32::EqualsNoCase(resolved, Spelled(shared))) {
            return false;
        }
    }
    return true;
}

void LinkedRoots::Note(const std::wstring& root) {
    if (root.size() <= 3 || (root[1] != L':' && !IsShare(root))) {
        return; // a drive's root is never a link; a relative text no root
    }
    {
        SharedLock shared(lock_);
        for (const Root& known : roots_) {
            if (known.current && win32::EqualsNoCase(known.named, root)) {
                return;
            }
        }
    }
    const std::wstring resolved = FinalLocationOf(root);
    if (resolved.empty()) {
        return; // not there (yet): asked again when it is named again
    }
    Root noted{root, {}};
    if (!win32::EqualsNoCase(resolved, root) && !win32::EqualsNoCase(resolved, Spelled(root)) &&
        MayLeadTo(root, resolved)) {
        noted.resolved = resolved;
    }
    ExclusiveLock exclusive(lock_);
    for (Root& known : roots_) {
        if (win32::EqualsNoCase(known.named, root)) {
            known = std::move(noted);
            return;
        }
    }
    roots_.push_back(std::move(noted));
}

const LinkedRoots::Root* LinkedRoots::LongestAbove(const std::wstring& path) const {
    const Root* longest = nullptr;
    for (const Root& root : roots_) {
        if (!root.resolved.empty() && IsAtOrBelow(path, root.named) &&
            (!longest || root.named.size() > longest->named.size())) {
            longest = &root;
        }
    }
    return longest;
}

std::wstring LinkedRoots::ThroughRoot(const std::wstring& path) const {
    SharedLock shared(lock_);
    const Root* root = LongestAbove(path);
    return root ? root->resolved + path.substr(root->named.size()) : std::wstring();
}

size_t LinkedRoots::RootLength(const std::wstring& path) const {
    SharedLock shared(lock_);
    const Root* root = LongestAbove(path);
    return root ? root->named.size() : 0;
}

void LinkedRoots::Renew() {
    ExclusiveLock exclusive(lock_);
    for (Root& root : roots_) {
        root.current = false;
    }
}

const std::wstring& NotedRoot(const std::wstring& root) {
    theApp.linkedRoots.Note(root);
    return root;
}

} // namespace scrub
