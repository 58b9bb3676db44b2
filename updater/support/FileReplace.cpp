#include "support/FileReplace.h"

#include "support/Paths.h"
#include "support/RandomName.h"

namespace updrift {

namespace {

constexpr int kSiblingAttempts = 16;
constexpr int kBusyRetries = 20;
constexpr DWORD kBusyWaitMs = 100;

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WithoutTrailingBackslashes(std::wstring path) {
    while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') &&
           path[path.size() - 2] != L':') {
        path.pop_back();
    }
    return path;
}

std::wstring SiblingName(const std::wstring& destination) {
    return FolderOf(destination) + L"~upd" + RandomName(10) + L".tmp";
}

bool IsSetAsideName(const std::wstring& name) {
    constexpr size_t kPrefixLength = sizeof kSetAsidePrefix / sizeof(wchar_t) - 1;
    return name.size() > kPrefixLength && name.compare(0, kPrefixLength, kSetAsidePrefix) == 0;
}

// Removes the set-aside copy now, or, while it is still in use, when the
// system next starts (where the installation may ask for that); the next
// update removes it either way.
void RemoveSetAsideCopy(const std::wstring& path) {
    if (!DeleteFileW(path.c_str())) {
        MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
}

// A file in use that may still be renamed (a running program or a loaded
// library: Updrift.dll while it installs its own successor) is moved aside
// within its folder, and the new file takes its name.
bool MoveAsideAndReplace(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        const std::wstring aside = FolderOf(to) + kSetAsidePrefix + RandomName(10) + L".tmp";
        if (!MoveFileExW(to.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
            if (GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return false;
        }
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
            RemoveSetAsideCopy(aside);
            return true;
        }
        // The old file goes back under its name: a failure changes nothing.
        MoveFileExW(aside.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
        return false;
    }
    return false;
}

bool IsBusy(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_USER_MAPPED_FILE;
}

} // namespace

bool CreateFolderTree(const std::wstring& folder) {
    const std::wstring path = WithoutTrailingBackslashes(folder);
    if (path.empty()) {
        return false;
    }
    if (IsFolder(path)) {
        return true;
    }
    const std::wstring parent = WithoutTrailingBackslashes(FolderOf(path));
    if (!parent.empty() && parent != path && !IsFolder(parent) && !CreateFolderTree(parent)) {
        return false;
    }
    return CreateDirectoryW(path.c_str(), nullptr) || IsFolder(path);
}

bool CreateParentFolders(const std::wstring& filePath) {
    const std::wstring parent = FolderOf(filePath);
    return parent.empty() || CreateFolderTree(parent);
}

win32::UniqueFile CreateSiblingFile(const std::wstring& destination, std::wstring& path) {
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        path = SiblingName(destination);
        win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
                                           0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    path.clear();
    return win32::UniqueFile();
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (!IsBusy(GetLastError()) || IsFolder(to)) {
            return false;
        }
        if (MoveAsideAndReplace(from, to)) {
            return true;
        }
        if (attempt == kBusyRetries) {
            return false;
        }
        Sleep(kBusyWaitMs);
    }
}

bool PutCopyInPlace(const std::wstring& source, const std::wstring& destination) {
    if (!CreateParentFolders(destination)) {
        return false;
    }
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        const std::wstring sibling = SiblingName(destination);
        if (!CopyFileW(source.c_str(), sibling.c_str(), TRUE)) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
                continue;
            }
            return false;
        }
        if (MoveOver(sibling, destination)) {
            return true;
        }
        DeleteFileW(sibling.c_str());
        return false;
    }
    return false;
}

void RemoveSetAsideCopies(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    win32::UniqueFind find(FindFirstFileW(JoinPath(folder, L"*").c_str(), &found));
    if (!find) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            continue; // a link never leads the walk out of the program folder
        }
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveSetAsideCopies(JoinPath(folder, name));
        } else if (IsSetAsideName(name)) {
            // One still in use (by a process that has not ended yet) stays.
            DeleteFileW(JoinPath(folder, name).c_str());
        }
    } while (FindNextFileW(find.Get(), &found));
}

} // namespace updrift
