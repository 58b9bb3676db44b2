// Signing for the updater's and the program's tests with the throwaway keys
// the build makes beside the test programs (scripts/sign-update.py new-key;
// none is built into the library): the test key, which a test trusts through
// the registry while it runs, and a stranger's key, which nobody trusts.
#pragma once

#include "TestRegistry.h"

#include <windows.h>

#include <string>
#include <vector>

class SigningKey {
public:
    static const SigningKey& Test();
    static const SigningKey& Stranger();

    // The detached signature of the bytes, as the update server serves it.
    std::string Sign(const std::string& bytes) const;
    // The public half, as a trusted-keys registry value holds it.
    const std::wstring& PublicText() const { return publicText_; }

private:
    explicit SigningKey(const std::wstring& name);
    void* key_ = nullptr; // the BCrypt key, kept for the test program's life
    std::wstring publicText_;
};

// Trusts a key while it lives: its public text as a value under the
// settings key's "UpdateKeys", in HKEY_LOCAL_MACHINE or (where the updater
// never looks) HKEY_CURRENT_USER.
class TrustedKey {
public:
    explicit TrustedKey(const SigningKey& key = SigningKey::Test(), HKEY root = HKEY_LOCAL_MACHINE);

private:
    testing_support::TestRegistry registry_;
};

// Signs the files with the test key through scripts/sign-update.py, as the
// vendor signs a release. True when every "<file>.sig" appeared.
bool SignWithReleaseScript(const std::vector<std::wstring>& files);
