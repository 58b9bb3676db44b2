#include "catalogue/browsers/TemporaryKeyAccess.h"

#include "core/ScrubcoreApp.h"

namespace scrub {
namespace {

constexpr DWORD kInherited = CONTAINER_INHERIT_ACE | OBJECT_INHERIT_ACE;

std::vector<BYTE> ReadAccessList(HKEY key) {
    DWORD size = 0;
    if (RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size) != ERROR_INSUFFICIENT_BUFFER ||
        size == 0) {
        return {};
    }
    std::vector<BYTE> descriptor(size);
    if (RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    descriptor.resize(size);
    return descriptor;
}

// Whether the saved list was protected from inheritance: putting it back
// must say so again, or the key would take up its parent's entries.
SECURITY_INFORMATION RestoreInformation(const std::vector<BYTE>& descriptor) {
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION;
    if (GetSecurityDescriptorControl(const_cast<BYTE*>(descriptor.data()), &control, &revision)) {
        what |= (control & SE_DACL_PROTECTED) ? PROTECTED_DACL_SECURITY_INFORMATION
                                              : UNPROTECTED_DACL_SECURITY_INFORMATION;
    }
    return what;
}

} // namespace

TemporaryKeyAccess::TemporaryKeyAccess(HKEY root, const std::vector<PSID>& accounts) : root_(root) {
    DWORD size = sizeof(ACL);
    for (PSID account : accounts) {
        if (!account || !IsValidSid(account)) {
            return;
        }
        size += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(account);
    }
    acl_.resize(size);
    PACL acl = reinterpret_cast<PACL>(acl_.data());
    if (!InitializeAcl(acl, size, ACL_REVISION)) {
        return;
    }
    for (PSID account : accounts) {
        if (!AddAccessAllowedAceEx(acl, ACL_REVISION, kInherited, KEY_ALL_ACCESS, account)) {
            return;
        }
    }
    ready_ = InitializeSecurityDescriptor(&openDescriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             SetSecurityDescriptorDacl(&openDescriptor_, TRUE, acl, FALSE);
}

TemporaryKeyAccess::~TemporaryKeyAccess() {
    RestoreAll();
}

bool TemporaryKeyAccess::Open(const std::wstring& path) {
    if (!ready_) {
        return false;
    }
    win32::UniqueKey key;
    if (RegOpenKeyExW(root_, path.c_str(), 0, READ_CONTROL | WRITE_DAC, key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> saved = ReadAccessList(key.Get());
    if (saved.empty()) {
        return false;
    }
    // Remember the key before changing it, so that even a half-applied
    // change is put back.
    changed_.push_back({std::move(key), std::move(saved)});
    if (RegSetKeySecurity(changed_.back().key.Get(), DACL_SECURITY_INFORMATION, &openDescriptor_) !=
        ERROR_SUCCESS) {
        changed_.pop_back();
        return false;
    }
    return true;
}

void TemporaryKeyAccess::OpenTree(const std::wstring& path, bool stoppable) {
    if ((stoppable && theApp.stopRequested) || !Open(path)) {
        return;
    }
    win32::UniqueKey key;
    if (RegOpenKeyExW(root_, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, key.Put()) != ERROR_SUCCESS) {
        return;
    }
    constexpr DWORD kLongestKeyName = 256; // the registry's limit, terminator included
    wchar_t name[kLongestKeyName];
    for (DWORD index = 0;; ++index) {
        if (stoppable && theApp.stopRequested) {
            return;
        }
        DWORD length = kLongestKeyName;
        if (RegEnumKeyExW(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return;
        }
        OpenTree(path + L"\\" + std::wstring(name, length), stoppable);
    }
}

void TemporaryKeyAccess::RestoreAll() {
    while (!changed_.empty()) {
        ChangedKey& last = changed_.back();
        PSECURITY_DESCRIPTOR saved = last.savedDescriptor.data();
        if (RegSetKeySecurity(last.key.Get(), RestoreInformation(last.savedDescriptor), saved) !=
            ERROR_SUCCESS) {
            RegSetKeySecurity(last.key.Get(), DACL_SECURITY_INFORMATION, saved);
        }
        changed_.pop_back();
    }
}

} // namespace scrub
