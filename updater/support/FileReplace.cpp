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

UniqueFile CreateSiblingFile(const std::wstring& destination, std::wstring& path) {
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        path = SiblingName(destination);
        UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, 0,
                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    path.clear();
    return UniqueFile();
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (attempt == kBusyRetries || !IsBusy(GetLastError()) || IsFolder(to)) {
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

} // namespace updrift
