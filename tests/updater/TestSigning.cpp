#include "TestSigning.h"

#include "TestFiles.h"
#include "TestProcess.h"

#include <bcrypt.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// "openssl ecparam -genkey -noout" writes a P-256 key as 121 bytes: the
// private scalar at 7, the public point at 57.
constexpr DWORD kKeyFileSize = 121;

std::string Sha256(const std::string& bytes) {
    BCRYPT_ALG_HANDLE provider = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    std::string digest(32, '\0');
    BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0);
    BCryptCreateHash(provider, &hash, nullptr, 0, nullptr, 0, 0);
    BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                   static_cast<ULONG>(bytes.size()), 0);
    BCryptFinishHash(hash, reinterpret_cast<PUCHAR>(digest.data()), 32, 0);
    BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(provider, 0);
    return digest;
}

std::wstring Quoted(const std::wstring& path) {
    const std::string unix = UnixPath(path);
    return L"\"" + std::wstring(unix.begin(), unix.end()) + L"\"";
}

} // namespace

SigningKey::SigningKey(const std::wstring& name) {
    const std::wstring path = TestProgramFolder() + L"\\" + name;
    const std::string pem = ReadAll(path);
    const std::string text = ReadAll(path + L".pub");
    publicText_.assign(text.begin(), text.end());
    BYTE der[kKeyFileSize + 64] = {};
    DWORD size = sizeof der;
    if (!CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER, der,
                              &size, nullptr, nullptr) ||
        size != kKeyFileSize) {
        ADD_FAILURE() << "no P-256 key made by sign-update.py: " << UnixPath(path);
        return;
    }
    // BCRYPT_ECCKEY_BLOB, then X, Y and the private scalar.
    std::string blob("ECS2\x20\0\0\0", 8);
    blob.append(reinterpret_cast<char*>(der) + 57, 64).append(reinterpret_cast<char*>(der) + 7, 32);
    BCRYPT_ALG_HANDLE ecdsa = nullptr;
    BCryptOpenAlgorithmProvider(&ecdsa, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0);
    EXPECT_EQ(0,
              BCryptImportKeyPair(ecdsa, nullptr, BCRYPT_ECCPRIVATE_BLOB, &key_,
                                  reinterpret_cast<PUCHAR>(blob.data()), static_cast<ULONG>(blob.size()), 0));
}

const SigningKey& SigningKey::Test() {
    static const SigningKey key(L"update-test-key.pem");
    return key;
}

const SigningKey& SigningKey::Stranger() {
    static const SigningKey key(L"update-stranger-key.pem");
    return key;
}

std::string SigningKey::Sign(const std::string& bytes) const {
    std::string digest = Sha256(bytes);
    std::string signature(64, '\0');
    ULONG size = 0;
    EXPECT_EQ(0, BCryptSignHash(key_, nullptr, reinterpret_cast<PUCHAR>(digest.data()), 32,
                                reinterpret_cast<PUCHAR>(signature.data()), 64, &size, 0));
    return signature;
}

TrustedKey::TrustedKey(const SigningKey& key, HKEY root) {
    registry_.String(root, L"SOFTWARE\\Nimbrel\\UpdateKeys", L"key " + key.PublicText().substr(40, 8),
                     key.PublicText());
}

bool SignWithReleaseScript(const std::vector<std::wstring>& files) {
    std::wstring command = L"\\\\?\\unix\\usr\\bin\\python3 " +
                           Quoted(TestProgramFolder() + L"\\sign-update.py") + L" sign " +
                           Quoted(TestProgramFolder() + L"\\update-test-key.pem");
    for (const std::wstring& file : files) {
        command += L" " + Quoted(file);
    }
    // Wine cannot wait for a program of the host: each signature appears
    // under its name only once it is complete.
    bool complete = RunProcess(command, 30000).started;
    for (const std::wstring& file : files) {
        complete =
            complete && WaitFor([&] { return FileExists(file + L".sig"); }, std::chrono::milliseconds(30000));
    }
    return complete;
}
