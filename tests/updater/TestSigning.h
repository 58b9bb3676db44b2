// Signing with the throwaway keys the build makes beside the test programs
// (sign-update.py new-key): the test key, which a test trusts while it runs,
// and a stranger's, which nobody trusts.
#pragma once

#include "TestRegistry.h"

#include <windows.h>

#include <string>
#include <vector>

class SigningKey {
public:
    static const SigningKey& Test();
    static const SigningKey& Stranger();

    std::string Sign(const std::string& bytes) const; // as the server serves it
    const std::wstring& PublicText() const { return publicText_; }

private:
    explicit SigningKey(const std::wstring& name);
    void* key_ = nullptr; // the BCrypt key, kept for the test program's life
    std::wstring publicText_;
};

// Trusts a key while it lives: a value under "SOFTWARE\Nimbrel\UpdateKeys" in
// HKEY_LOCAL_MACHINE or (where the updater never looks) HKEY_CURRENT_USER.
class TrustedKey {
public:
    explicit TrustedKey(const SigningKey& key = SigningKey::Test(), HKEY root = HKEY_LOCAL_MACHINE);

private:
    testing_support::TestRegistry registry_;
};

// Signs the files with the test key through sign-update.py. True when every
// "<file>.sig" appeared.
bool SignWithReleaseScript(const std::vector<std::wstring>& files);
