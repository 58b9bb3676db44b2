#include "trust/SignatureCheck.h"

#include "trust/TrustedKeys.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace updrift {

namespace {

constexpr ULONG kPointSize = 64;
constexpr ULONG kDigestSize = 32;
constexpr DWORD kReadBlock = 64 * 1024;

bool Succeeded(NTSTATUS status) {
    return status >= 0;
}

// The SHA-256 digest of whatever `feed` hands to its sink, or "" when the
// digest could not be made or the feed failed.
template <class Feed> std::string Digest(Feed&& feed) {
    win32::UniqueCryptoProvider provider;
    win32::UniqueCryptoHash hash;
    if (!Succeeded(BCryptOpenAlgorithmProvider(provider.Put(), BCRYPT_SHA256_ALGORITHM, nullptr, 0)) ||
        !Succeeded(BCryptCreateHash(provider.Get(), hash.Put(), nullptr, 0, nullptr, 0, 0))) {
        return {};
    }
    const bool fed = feed([&](const char* data, ULONG size) {
        return Succeeded(
            BCryptHashData(hash.Get(), reinterpret_cast<PUCHAR>(const_cast<char*>(data)), size, 0));
    });
    std::string digest(kDigestSize, '\0');
    if (!fed ||
        !Succeeded(BCryptFinishHash(hash.Get(), reinterpret_cast<PUCHAR>(digest.data()), kDigestSize, 0))) {
        return {};
    }
    return digest;
}

} // namespace

CSignatureCheck::CSignatureCheck() : CSignatureCheck(TrustedKeyPoints()) {}

CSignatureCheck::CSignatureCheck(const std::vector<std::string>& keyPoints) {
    if (!Succeeded(BCryptOpenAlgorithmProvider(ecdsa_.Put(), BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0))) {
        return;
    }
    for (const std::string& point : keyPoints) {
        if (point.size() != kPointSize) {
            continue;
        }
        std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB) + kPointSize);
        auto* header = reinterpret_cast<BCRYPT_ECCKEY_BLOB*>(blob.data());
        header->dwMagic = BCRYPT_ECDSA_PUBLIC_P256_MAGIC;
        header->cbKey = kPointSize / 2;
        std::copy(point.begin(), point.end(), blob.begin() + sizeof(BCRYPT_ECCKEY_BLOB));
        win32::UniqueCryptoKey key;
        if (Succeeded(BCryptImportKeyPair(ecdsa_.Get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, key.Put(),
                                          blob.data(), static_cast<ULONG>(blob.size()), 0))) {
            keys_.push_back(std::move(key));
        }
    }
}

bool CSignatureCheck::Verify(const std::string& bytes, const std::string& signature) const {
    return VerifyDigest(Digest([&](auto&& sink) {
                            // Fed in pieces: a ULONG cannot count every size a string can hold.
                            for (size_t done = 0; done < bytes.size(); done += kReadBlock) {
                                const size_t piece = std::min<size_t>(kReadBlock, bytes.size() - done);
                                if (!sink(bytes.data() + done, static_cast<ULONG>(piece))) {
                                    return false;
                                }
                            }
                            return true;
                        }),
                        signature);
}

bool CSignatureCheck::VerifyFile(HANDLE file, const std::string& signature) const {
    return VerifyDigest(Digest([&](auto&& sink) {
                            LARGE_INTEGER start{};
                            if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
                                return false;
                            }
                            std::vector<char> block(kReadBlock);
                            for (;;) {
                                DWORD read = 0;
                                if (!ReadFile(file, block.data(), kReadBlock, &read, nullptr)) {
                                    return false;
                                }
                                if (read == 0) {
                                    return true;
                                }
                                if (!sink(block.data(), read)) {
                                    return false;
                                }
                            }
                        }),
                        signature);
}

bool CSignatureCheck::VerifyDigest(std::string digest, std::string signature) const {
    if (digest.size() != kDigestSize || signature.size() != kPointSize) {
        return false;
    }
    for (const win32::UniqueCryptoKey& key : keys_) {
        if (BCryptVerifySignature(key.Get(), nullptr, reinterpret_cast<PUCHAR>(digest.data()), kDigestSize,
                                  reinterpret_cast<PUCHAR>(signature.data()), kPointSize, 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace updrift
