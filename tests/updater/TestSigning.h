// Signing for the updater's and the program's tests: the build's throwaway
// key (update-test-key.pem beside the test programs, made by
// scripts/sign-update.py and never built into the library), which a test
// trusts through the registry while it runs, and keys nobody trusts.
#pragma once

#include "TestRegistry.h"

#include <windows.h>

#include <string>
#include <vector>

class SigningKey {
public:
    // The build's test key.
    static const SigningKey& Test();
    // A key made on the spot, which nobody trusts.
    static SigningKey Stranger();

    SigningKey(SigningKey&& other) noexcept;
    SigningKey(const SigningKey&) = delete;
    SigningKey& operator=(const SigningKey&) = delete;
    ~SigningKey();

    // The detached signature of the bytes, as the update server serves it.
    std::string Sign(const std::string& bytes) const;
    // The public half, as a trusted-keys registry value holds it.
    std::wstring PublicText() const;

private:
    SigningKey(void* key, std::string point);
    void* key_;         // the BCrypt key
    std::string point_; // X then Y
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

// Signs the files with the build's test key through scripts/sign-update.py,
// as the vendor signs a release: "<file>.sig" beside each. True when every
// signature appeared.
bool SignWithReleaseScript(const std::vector<std::wstring>& files);
