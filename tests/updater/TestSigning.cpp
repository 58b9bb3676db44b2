#include "TestSigning.h"

#include "TestFiles.h"
#include "TestProcess.h"

#include <bcrypt.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace testing_support;

namespace {

constexpr size_t kPointSize = 64;
constexpr size_t kScalarSize = 32;
// "openssl ecparam -genkey -noout" writes a P-256 key as these 121 bytes:
// the private scalar at 7, the curve's name, the public point at 57.
constexpr size_t kKeyFileSize = 121;
constexpr size_t kScalarAt = 7;
constexpr size_t kPointAt = 57;
const unsigned char kKeyFileStart[] = {0x30, 0x77, 0x02, 0x01, 0x01, 0x04, 0x20};
const unsigned char kKeyInfoPrefix[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                        0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                        0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00, 0x04};

BCRYPT_ALG_HANDLE Ecdsa() {
    static BCRYPT_ALG_HANDLE provider = [] {
        BCRYPT_ALG_HANDLE opened = nullptr;
        BCryptOpenAlgorithmProvider(&opened, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0);
        return opened;
    }();
    return provider;
}

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

std::string KeyFileBytes() {
    const std::string pem = ReadAll(TestProgramFolder() + L"\\update-test-key.pem");
    DWORD size = 0;
    CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER, nullptr,
                         &size, nullptr, nullptr);
    std::string der(size, '\0');
    if (size == 0 ||
        !CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                              reinterpret_cast<BYTE*>(der.data()), &size, nullptr, nullptr)) {
        return {};
    }
    return der;
}

} // namespace

SigningKey::SigningKey(void* key, std::string point) : key_(key), point_(std::move(point)) {}

SigningKey::SigningKey(SigningKey&& other) noexcept : key_(other.key_), point_(std::move(other.point_)) {
    other.key_ = nullptr;
}

SigningKey::~SigningKey() {
    if (key_) {
        BCryptDestroyKey(key_);
    }
}

const SigningKey& SigningKey::Test() {
    static const SigningKey key = [] {
        const std::string der = KeyFileBytes();
        EXPECT_EQ(kKeyFileSize, der.size()) << "update-test-key.pem is no P-256 key made by sign-update.py";
        if (der.size() != kKeyFileSize || std::memcmp(der.data(), kKeyFileStart, sizeof kKeyFileStart) != 0) {
            return SigningKey(nullptr, {});
        }
        const std::string point = der.substr(kPointAt, kPointSize);
        std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB));
        auto* header = reinterpret_cast<BCRYPT_ECCKEY_BLOB*>(blob.data());
        header->dwMagic = BCRYPT_ECDSA_PRIVATE_P256_MAGIC;
        header->cbKey = kScalarSize;
        blob.insert(blob.end(), point.begin(), point.end());
        blob.insert(blob.end(), der.begin() + kScalarAt, der.begin() + kScalarAt + kScalarSize);
        BCRYPT_KEY_HANDLE imported = nullptr;
        EXPECT_EQ(0, BCryptImportKeyPair(Ecdsa(), nullptr, BCRYPT_ECCPRIVATE_BLOB, &imported, blob.data(),
                                         static_cast<ULONG>(blob.size()), 0));
        return SigningKey(imported, point);
    }();
    return key;
}

SigningKey SigningKey::Stranger() {
    BCRYPT_KEY_HANDLE made = nullptr;
    BCryptGenerateKeyPair(Ecdsa(), &made, 256, 0);
    BCryptFinalizeKeyPair(made, 0);
    std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB) + kPointSize);
    ULONG size = 0;
    BCryptExportKey(made, nullptr, BCRYPT_ECCPUBLIC_BLOB, blob.data(), static_cast<ULONG>(blob.size()), &size,
                    0);
    return SigningKey(made, std::string(blob.begin() + sizeof(BCRYPT_ECCKEY_BLOB), blob.end()));
}

std::string SigningKey::Sign(const std::string& bytes) const {
    std::string digest = Sha256(bytes);
    std::string signature(kPointSize, '\0');
    ULONG size = 0;
    EXPECT_EQ(0, BCryptSignHash(key_, nullptr, reinterpret_cast<PUCHAR>(digest.data()), 32,
                                reinterpret_cast<PUCHAR>(signature.data()), kPointSize, &size, 0));
    return signature;
}

std::wstring SigningKey::PublicText() const {
    std::string info(reinterpret_cast<const char*>(kKeyInfoPrefix), sizeof kKeyInfoPrefix);
    info += point_;
    DWORD size = 0;
    CryptBinaryToStringW(reinterpret_cast<const BYTE*>(info.data()), static_cast<DWORD>(info.size()),
                         CRYPT_STRING_BASE64, nullptr, &size);
    std::wstring text(size, L'\0');
    CryptBinaryToStringW(reinterpret_cast<const BYTE*>(info.data()), static_cast<DWORD>(info.size()),
                         CRYPT_STRING_BASE64, text.data(), &size);
    std::wstring line;
    for (wchar_t c : text) {
        if (c != L'\r' && c != L'\n' && c != L'\0') {
            line += c;
        }
    }
    return line;
}

TrustedKey::TrustedKey(const SigningKey& key, HKEY root) {
    const std::wstring text = key.PublicText();
    registry_.String(root, L"SOFTWARE\\Nimbrel\\UpdateKeys", L"key " + text.substr(text.size() - 12), text);
}

bool SignWithReleaseScript(const std::vector<std::wstring>& files) {
    const auto quoted = [](const std::wstring& path) {
        const std::string unix = UnixPath(path);
        return L"\"" + std::wstring(unix.begin(), unix.end()) + L"\"";
    };
    std::wstring command = L"\\\\?\\unix\\usr\\bin\\python3 " +
                           quoted(TestProgramFolder() + L"\\sign-update.py") + L" sign " +
                           quoted(TestProgramFolder() + L"\\update-test-key.pem");
    for (const std::wstring& file : files) {
        command += L" " + quoted(file);
    }
    // Wine cannot wait for a program of the host: each signature appears
    // under its name only once it is complete.
    if (!RunProcess(command, 30000).started) {
        return false;
    }
    for (const std::wstring& file : files) {
        if (!WaitFor([&] { return FileExists(file + L".sig"); }, std::chrono::milliseconds(30000))) {
            return false;
        }
    }
    return true;
}
