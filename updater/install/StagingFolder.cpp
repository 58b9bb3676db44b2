#include "install/StagingFolder.h"

#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/RandomName.h"
#include "win32/Handles.h"

#include <sddl.h>

#include <vector>

namespace updrift {

namespace {

constexpr size_t kRandomPartLength = 10;
constexpr size_t kPrefixLength = sizeof kStagingPrefix / sizeof(wchar_t) - 1;
constexpr int kCreateAttempts = 16;

// The installing account: its SID as text, and whether it runs elevated.
bool InstallingAccount(std::wstring& userSid, bool& elevated) {
    win32::UniqueKernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return false;
    }
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    wchar_t* text = nullptr;
    if (size == 0 || !GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        return false;
    }
    win32::UniqueLocalMemory owned(text);
    userSid = text;
    TOKEN_ELEVATION elevation{};
    elevated = GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size) &&
               elevation.TokenIsElevated != 0;
    return true;
}

// Full control for SYSTEM and the administrators, passed on to everything
// inside; nothing inherited from the program folder. An elevated
// installation reaches the folder as an administrator: granting its user
// too would let the same user's unelevated programs in.
std::wstring StagingAccessList(const std::wstring& userSid, bool elevated) {
    std::wstring list = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
    if (!elevated) {
        list += L"(A;OICI;FA;;;" + userSid + L")";
    }
    return list;
}

void RemoveStagingFolders(const std::wstring& programFolder) {
    WIN32_FIND_DATAW found{};
    win32::UniqueFind find(
        FindFirstFileW(JoinPath(programFolder, std::wstring(kStagingPrefix) + L"*").c_str(), &found));
    if (!find) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
            IsStagingFolderName(found.cFileName)) {
            RemoveStagingFolder(JoinPath(programFolder, found.cFileName));
        }
    } while (FindNextFileW(find.Get(), &found));
}

} // namespace

std::wstring CreateStagingFolder(const std::wstring& programFolder) {
    std::wstring userSid;
    bool elevated = false;
    if (!InstallingAccount(userSid, elevated)) {
        return {};
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(StagingAccessList(userSid, elevated).c_str(),
                                                              SDDL_REVISION_1, &descriptor, nullptr)) {
        return {};
    }
    win32::UniqueLocalMemory owned(descriptor);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        // Created, never reused: a folder of that name that exists already
        // (whoever made it) is not the check's own.
        const std::wstring folder = JoinPath(programFolder, kStagingPrefix + RandomName(kRandomPartLength));
        if (CreateDirectoryW(folder.c_str(), &attributes)) {
            return WithTrailingBackslash(folder);
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
    return {};
}

bool IsStagingFolderName(const std::wstring& name) {
    return name.size() == kPrefixLength + kRandomPartLength &&
           name.compare(0, kPrefixLength, kStagingPrefix) == 0 &&
           name.find_first_not_of(L"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ", kPrefixLength) ==
               std::wstring::npos;
}

void RemoveStagingFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    win32::UniqueFind find(FindFirstFileW(JoinPath(folder, L"*").c_str(), &found));
    if (find) {
        do {
            const std::wstring path = JoinPath(folder, found.cFileName);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                // Only "." and ".." are expected; a folder link goes without its content.
                if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                    RemoveDirectoryW(path.c_str());
                }
                continue;
            }
            DeleteFileW(path.c_str());
        } while (FindNextFileW(find.Get(), &found));
    }
    find.Reset();
    RemoveDirectoryW(folder.c_str());
}

void RemoveUpdateLeftovers(const std::wstring& programFolder) {
    RemoveStagingFolders(programFolder);
    RemoveSetAsideCopies(programFolder);
}

} // namespace updrift
