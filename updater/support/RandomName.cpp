#include "support/RandomName.h"

#include <windows.h>
#include <bcrypt.h>

#include <vector>

namespace updrift {

namespace {

constexpr wchar_t kAlphabet[] = L"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr unsigned kAlphabetSize = 36;
// The largest multiple of 36 below 256: bytes above it would favour the
// first characters, so they are skipped.
constexpr unsigned kFairLimit = 252;

// Without the system generator the name is still unlikely to repeat; the
// exclusive create is what keeps an existing file safe either way.
void FallbackBytes(std::vector<unsigned char>& bytes) {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    unsigned long long state = static_cast<unsigned long long>(counter.QuadPart) ^
                               (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                               0x9E3779B97F4A7C15ull;
    for (unsigned char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        byte = static_cast<unsigned char>(state >> 24);
    }
}

} // namespace

std::wstring RandomName(size_t length) {
    std::wstring name;
    name.reserve(length);
    std::vector<unsigned char> bytes(length * 2 + 8);
    while (name.size() < length) {
        if (BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                            BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0) {
            FallbackBytes(bytes);
        }
        for (unsigned char byte : bytes) {
            if (byte < kFairLimit && name.size() < length) {
                name += kAlphabet[byte % kAlphabetSize];
            }
        }
    }
    return name;
}

} // namespace updrift
