#include "registry/RegistryPrimitives.h"

#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <vector>

namespace scrub {

bool DataIsTrace(DWORD type, const BYTE* data, DWORD size) {
    switch (type) {
    case REG_SZ:
    case REG_MULTI_SZ:
        // A string up to its first terminator that is not empty.
        return size >= sizeof(wchar_t) && reinterpret_cast<const wchar_t*>(data)[0] != L'\0';
    case REG_BINARY:
        return size > 0;
    case REG_DWORD:
    case REG_EXPAND_SZ:
    case REG_RESOURCE_LIST:
    case REG_FULL_RESOURCE_DESCRIPTOR:
    case REG_RESOURCE_REQUIREMENTS_LIST:
        return true;
    default: // REG_NONE, REG_DWORD_BIG_ENDIAN, REG_LINK, REG_QWORD and unknown types
        return false;
    }
}

bool ValueHasData(const std::wstring& rootName, const std::wstring& subkeyAndValue) {
    const auto equals = subkeyAndValue.rfind(L'=');
    if (equals == std::wstring::npos) {
        return false;
    }
    const std::wstring subkey = subkeyAndValue.substr(0, equals);
    const std::wstring wanted = subkeyAndValue.substr(equals + 1);
    const HKEY root = RootFromName(rootName);
    if (!root) {
        return false;
    }
    win32::UniqueKey key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD valueCount = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<wchar_t> name(longestName + 1);
    // Room for a terminator so a string stored without one still ends.
    std::vector<BYTE> data(longestData + sizeof(wchar_t));
    int remeasures = 0;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size()) - sizeof(wchar_t);
        DWORD type = REG_NONE;
        const LONG status =
            RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_MORE_DATA && remeasures++ < 8) {
            // The key grew since it was measured: measure again and retry.
            if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
                return false;
            }
            name.resize(longestName + 1);
            data.resize(longestData + sizeof(wchar_t));
            --index;
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return false;
        }
        if (win32::EqualsNoCase(std::wstring(name.data(), nameLength), wanted)) {
            return DataIsTrace(type, data.data(), dataSize);
        }
    }
}

} // namespace scrub
