// Owners for the handles the updater opens, on the engine's handle template:
// every path out of a function closes what it opened.
#pragma once

#include "core/Handles.h"

#include <bcrypt.h>
#include <wininet.h>

namespace updrift {

using scrub::UniqueFile;
using scrub::UniqueFind;
using scrub::UniqueHandle;
using scrub::UniqueKernelHandle;
using scrub::UniqueKey;

struct InternetTraits {
    using Handle = HINTERNET;
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

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

using UniqueInternet = UniqueHandle<InternetTraits>;
using UniqueCryptoProvider = UniqueHandle<CryptoProviderTraits>;
using UniqueCryptoKey = UniqueHandle<CryptoKeyTraits>;
using UniqueCryptoHash = UniqueHandle<CryptoHashTraits>;

} // namespace updrift
