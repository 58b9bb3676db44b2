#include "catalogue/browsers/BrowserAlgorithms.h"

#include "catalogue/browsers/TemporaryKeyAccess.h"
#include "catalogue/browsers/UserIdentity.h"
#include "core/ScrubcoreApp.h"
#include "registry/RegistryPrimitives.h"

namespace scrub {
namespace {

constexpr wchar_t kStoreRoot[] = L"Software\\Microsoft\\Protected Storage System Provider\\";
constexpr wchar_t kFormsAndPasswords[] = L"e161255a-37c3-11d2-bcaa-00c04fd929db";

std::wstring CurrentUserStoreKey() {
    std::vector<BYTE> user = CurrentUserSid();
    return user.empty() ? std::wstring() : ProtectedStorageKey(SidToText(user.data()));
}

std::wstring UserName() {
    wchar_t name[1024];
    DWORD length = 1024;
    if (!GetUserNameW(name, &length) || length == 0) {
        return {};
    }
    return std::wstring(name, length - 1);
}

} // namespace

std::wstring ProtectedStorageKey(const std::wstring& identity) {
    return kStoreRoot + identity + L"\\Data\\" + kFormsAndPasswords;
}

bool IsInCurrentUserStore(const std::wstring& subkey) {
    const std::wstring store = CurrentUserStoreKey();
    if (store.empty() || subkey.size() < store.size() ||
        (subkey.size() > store.size() && subkey[store.size()] != L'\\')) {
        return false;
    }
    return CompareStringOrdinal(subkey.c_str(), static_cast<int>(store.size()), store.c_str(),
                                static_cast<int>(store.size()), TRUE) == CSTR_EQUAL;
}

// The store keeps its data readable by the system only: open the user's
// store to the user and the system. The change is undone when `access`
// goes, whatever ends the action.
void WithCurrentUserStoreOpen(bool forScan, const std::function<void()>& action) {
    std::vector<BYTE> user = CurrentUserSid();
    if (user.empty()) {
        return;
    }
    BYTE systemSid[SECURITY_MAX_SID_SIZE];
    DWORD systemSize = sizeof systemSid;
    if (!CreateWellKnownSid(WinLocalSystemSid, nullptr, systemSid, &systemSize)) {
        return;
    }
    const std::wstring identityKey = kStoreRoot + SidToText(user.data());
    TemporaryKeyAccess access(HKEY_CURRENT_USER, {user.data(), systemSid});
    if (access.Ready()) {
        access.Open(identityKey);
        access.Open(identityKey + L"\\Data");
        access.OpenTree(ProtectedStorageKey(SidToText(user.data())), forScan);
    }
    action();
}

void ProtectedStoragePass() {
    WithCurrentUserStoreOpen(true, [] {
        if (!theApp.stopRequested) {
            WalkRegistryKey(HKEY_CURRENT_USER, CurrentUserStoreKey());
        }
    });
    if (theApp.stopRequested) {
        return;
    }
    // Older systems keep the store under the machine's key, by user name.
    const std::wstring name = UserName();
    ++theApp.registryValues;
    if (!name.empty()) {
        WalkRegistryKey(HKEY_LOCAL_MACHINE, ProtectedStorageKey(name));
    }
}

} // namespace scrub
