#include "trust/TrustedKeys.h"

#include "win32/Handles.h"
#include "trust/VendorKeys.h"
#include "updrift/UpdatePage.h"

#include <wincrypt.h>

#include <cstring>
#include <cwctype>
#include <utility>

namespace updrift {

namespace {

// A P-256 SubjectPublicKeyInfo is always these 26 bytes (the key's type and
// curve), the byte 4 (an uncompressed point), then X and Y.
constexpr unsigned char kP256KeyInfoPrefix[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                                0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                                0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};
constexpr unsigned char kUncompressedPoint = 0x04;
constexpr size_t kPointSize = 64;
constexpr size_t kKeyInfoSize = sizeof kP256KeyInfoPrefix + 1 + kPointSize;
// Its base64 text, padding included: nothing may follow the key.
constexpr size_t kKeyTextLength = (kKeyInfoSize + 2) / 3 * 4;
// Far more than any key text; a longer value is no key.
constexpr DWORD kLongestKeyText = 1024;

// The key information a key text holds, or "" for a text of any other length.
std::string DecodeKeyText(const std::wstring& spread) {
    std::wstring text;
    for (wchar_t c : spread) {
        if (!std::iswspace(c)) {
            text += c;
        }
    }
    if (text.size() != kKeyTextLength) {
        return {};
    }
    DWORD size = 0;
    if (!CryptStringToBinaryW(text.c_str(), static_cast<DWORD>(text.size()), CRYPT_STRING_BASE64, nullptr,
                              &size, nullptr, nullptr)) {
        return {};
    }
    std::string bytes(size, '\0');
    if (!CryptStringToBinaryW(text.c_str(), static_cast<DWORD>(text.size()), CRYPT_STRING_BASE64,
                              reinterpret_cast<BYTE*>(bytes.data()), &size, nullptr, nullptr)) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

void AddAdministratorsKeys(std::vector<std::string>& points) {
    win32::UniqueKey key;
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + kTrustedKeysSubkey;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        DWORD nameLength = 256;
        DWORD type = 0;
        wchar_t text[kLongestKeyText + 1] = {};
        DWORD size = kLongestKeyText * sizeof(wchar_t);
        const LSTATUS result = RegEnumValueW(key.Get(), index, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(text), &size);
        if (result == ERROR_NO_MORE_ITEMS) {
            return;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        const std::string point = EcPointFromKeyText(text); // ends at its terminator or the zeroed rest
        if (!point.empty()) {
            points.push_back(point);
        }
    }
}

} // namespace

std::string EcPointFromKeyText(const std::wstring& text) {
    const std::string info = DecodeKeyText(text);
    if (info.size() != kKeyInfoSize ||
        std::memcmp(info.data(), kP256KeyInfoPrefix, sizeof kP256KeyInfoPrefix) != 0 ||
        static_cast<unsigned char>(info[sizeof kP256KeyInfoPrefix]) != kUncompressedPoint) {
        return {};
    }
    return info.substr(sizeof kP256KeyInfoPrefix + 1);
}

std::vector<std::string> TrustedKeyPoints() {
    std::vector<std::string> points;
    for (const wchar_t* text : kVendorKeyTexts) {
        if (std::string point = EcPointFromKeyText(text); !point.empty()) {
            points.push_back(std::move(point));
        }
    }
    AddAdministratorsKeys(points);
    return points;
}

} // namespace updrift
