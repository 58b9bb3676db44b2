#include "registry/RegistryText.h"

#include "win32/Handles.h"

#include <vector>

namespace scrub {

namespace {

// Programs of the 32-bit generation keep their machine-wide keys in the
// registry's 32-bit view on a 64-bit system: a key missing from this
// program's own view is looked for there too.
win32::UniqueKey OpenInEitherView(HKEY root, const std::wstring& key) {
    win32::UniqueKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, opened.Put()) == ERROR_SUCCESS) {
        return opened;
    }
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, opened.Put()) ==
        ERROR_SUCCESS) {
        return opened;
    }
    return win32::UniqueKey();
}

} // namespace

std::wstring ReadRegistryText(HKEY root, const std::wstring& key, const std::wstring& valueName) {
    win32::UniqueKey opened = OpenInEitherView(root, key);
    if (!opened) {
        return {};
    }
    wchar_t buffer[kLookupTextMax + 1] = {};
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(opened.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &size) != ERROR_SUCCESS) {
        return {}; // missing, unreadable, or too long for the buffer
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return {};
    }
    // Never read past what was stored, and never past the buffer's last character.
    size_t length = size / sizeof(wchar_t);
    if (length > kLookupTextMax) {
        length = kLookupTextMax;
    }
    std::wstring text(buffer, length);
    const auto end = text.find(L'\0');
    if (end != std::wstring::npos) {
        text.resize(end);
    }
    if (type == REG_EXPAND_SZ && text.find(L'%') != std::wstring::npos) {
        const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
        std::vector<wchar_t> expanded(needed + 1);
        if (needed && ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed + 1) <= needed + 1) {
            text = expanded.data();
        }
    }
    return text;
}

} // namespace scrub
