// Checking the detached signatures that the update server serves beside the
// update page and beside every download ("<address>.sig"): ECDSA on the
// P-256 curve over the SHA-256 digest of the signed bytes, stored as the 64
// bytes r then s (the form BCryptVerifySignature takes). The platform's own
// cryptography does the work. A signature counts when any trusted key made it.
#pragma once

#include "win32/CryptoHandles.h"

#include <string>
#include <vector>

namespace updrift {

inline constexpr wchar_t kSignatureSuffix[] = L".sig";
// A signature file is 64 bytes; one that is larger is not read to its end.
inline constexpr size_t kLargestSignatureFile = 1024;

class CSignatureCheck {
public:
    // Trusts the keys TrustedKeyPoints() names, as they are now.
    CSignatureCheck();
    // Trusts these points (X then Y, 64 bytes each); others are passed over.
    explicit CSignatureCheck(const std::vector<std::string>& keyPoints);

    bool Verify(const std::string& bytes, const std::string& signature) const;
    // The file's whole content, read through the handle from its start.
    bool VerifyFile(HANDLE file, const std::string& signature) const;

private:
    bool VerifyDigest(std::string digest, std::string signature) const;

    win32::UniqueCryptoProvider ecdsa_;
    std::vector<win32::UniqueCryptoKey> keys_;
};

} // namespace updrift
