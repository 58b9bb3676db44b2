// Owners for the signature checks' algorithm, key and hash handles (bcrypt).
#pragma once

#include "win32/Handles.h"

#include <bcrypt.h>

namespace win32 {

struct CryptoProviderTraits {
    using Handle = BCRYPT_ALG_HANDLE;
    static BCRYPT_ALG_HANDLE Invalid() { return nullptr; }
    static void Close(BCRYPT_ALG_HANDLE h) { BCryptCloseAlgorithmProvider(h, 0); }
};

struct CryptoKeyTraits {
    using Handle = BCRYPT_KEY_HANDLE;
    static BCRYPT_KEY_HANDLE Invalid() { return nullptr; }
    static void Close(BCRYPT_KEY_HANDLE h) { BCryptDestroyKey(h); }
};

struct CryptoHashTraits {
    using Handle = BCRYPT_HASH_HANDLE;
    static BCRYPT_HASH_HANDLE Invalid() { return nullptr; }
    static void Close(BCRYPT_HASH_HANDLE h) { BCryptDestroyHash(h); }
};

using UniqueCryptoProvider = UniqueHandle<CryptoProviderTraits>;
using UniqueCryptoKey = UniqueHandle<CryptoKeyTraits>;
using UniqueCryptoHash = UniqueHandle<CryptoHashTraits>;

} // namespace win32
