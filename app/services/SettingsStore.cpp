#include "SettingsStore.h"

#include "win32/Handles.h"
#include "win32/Text.h"

#include <windows.h>

#include <climits>
#include <cwctype>
#include <vector>

namespace nimbrel {

namespace {

// Read buffers in characters, terminator included: a value longer than this
// is cut, never read past.
constexpr size_t kIntBufferChars = 100;
constexpr size_t kStringBufferChars = 512;
constexpr size_t kLongStringBufferChars = 32768;

std::wstring KeyPath(const std::wstring& product) {
    return L"SOFTWARE\\" + product;
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Reads a text value of any stored length. A value stored without its
// terminator or with an odd byte count ends at its last whole character; a
// value that is not text reads as absent.
std::wstring ReadText(const std::wstring& product, const std::wstring& name, size_t bufferChars) {
    win32::UniqueKey key;
    // Reading creates the key, so that writes succeed after the first read.
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath(product).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    for (;;) {
        DWORD type = REG_NONE;
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_MORE_DATA) {
            buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
            continue;
        }
        if (status != ERROR_SUCCESS || !IsText(type)) {
            return {};
        }
        std::wstring text(buffer.data(), bytes / sizeof(wchar_t));
        const size_t end = text.find(L'\0');
        if (end != std::wstring::npos) {
            text.resize(end);
        }
        if (text.size() > bufferChars - 1) {
            text.resize(bufferChars - 1);
        }
        return text;
    }
}

void WriteText(const std::wstring& product, const std::wstring& name, const std::wstring& text) {
    win32::UniqueKey key;
    // Writing never creates the key: until the installation or a first read
    // made it, writes are dropped.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyPath(product).c_str(), 0, KEY_SET_VALUE, key.Put()) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

} // namespace

int ParseSettingInt(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            return 0; // beyond the 32-bit range
        }
    }
    if (negative) {
        value = -value;
    }
    if (value >= INT_MAX || value <= INT_MIN) {
        return 0;
    }
    return static_cast<int>(value);
}

int GetInt(const std::wstring& product, const std::wstring& name) {
    return ParseSettingInt(ReadText(product, name, kIntBufferChars));
}

void SetInt(const std::wstring& product, const std::wstring& name, int value) {
    WriteText(product, name, std::to_wstring(value));
}

std::wstring GetString(const std::wstring& product, const std::wstring& name) {
    return ReadText(product, name, kStringBufferChars);
}

std::wstring GetLongString(const std::wstring& product, const std::wstring& name) {
    return ReadText(product, name, kLongStringBufferChars);
}

void SetString(const std::wstring& product, const std::wstring& name, const std::wstring& text) {
    WriteText(product, name, text);
}

std::vector<std::wstring> ValueNamesStartingWith(const std::wstring& product, const std::wstring& prefix) {
    std::vector<std::wstring> names;
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyPath(product).c_str(), 0, KEY_QUERY_VALUE, key.Put()) !=
        ERROR_SUCCESS) {
        return names;
    }
    // Registry value names are at most 16,383 characters.
    std::vector<wchar_t> name(16384, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS status =
            RegEnumValueW(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status == ERROR_SUCCESS && win32::StartsWithNoCase(std::wstring(name.data(), length), prefix)) {
            names.emplace_back(name.data(), length);
        }
    }
    return names;
}

} // namespace nimbrel
