#include "registry/RegistryPrimitives.h"

#include "win32/Handles.h"
#include "core/NamePattern.h"
#include "core/ScrubcoreApp.h"

#include <vector>

namespace scrub {
namespace {

// A report-only scan opens keys for reading only: a user who may only read a
// key is still told what it holds, and nothing can be changed by accident.
REGSAM WalkAccess() {
    return theApp.deleteMode ? (KEY_READ | KEY_SET_VALUE) : KEY_READ;
}

// Value names are read with the wide-character call, so names outside the
// ANSI code page are found and reported as they are.
bool ReadValueName(HKEY key, DWORD index, std::wstring& name) {
    DWORD longest = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                             nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        std::vector<wchar_t> buffer(longest + 1);
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG status =
            RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_SUCCESS) {
            name.assign(buffer.data(), length);
            return true;
        }
        if (status != ERROR_MORE_DATA) {
            return false;
        }
    }
    return false;
}

std::wstring JoinKey(const std::wstring& key, const std::wstring& name) {
    return key.empty() ? name : key + L"\\" + name;
}

// `below` is the path of `key` below the walked key, which the kept
// subkeys' patterns are matched against.
LONG WalkSubkeysBelow(HKEY root, const std::wstring& key, const std::wstring& below, const wchar_t* keep) {
    CScrubcoreApp& app = theApp;
    if (app.stopRequested) {
        return ERROR_SUCCESS;
    }
    win32::UniqueKey opened;
    LONG status = RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.Put());
    if (status != ERROR_SUCCESS) {
        return status;
    }
    constexpr DWORD kLongestKeyName = 256; // the registry's limit, terminator included
    wchar_t name[kLongestKeyName];
    for (DWORD index = 0;; ++index) {
        if (app.stopRequested) {
            break;
        }
        DWORD length = kLongestKeyName;
        status = RegEnumKeyExW(opened.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) {
            break;
        }
        const std::wstring childBelow = JoinKey(below, std::wstring(name, length));
        if (keep && MatchesNamePattern(childBelow, keep)) {
            continue;
        }
        const std::wstring child = JoinKey(key, std::wstring(name, length));
        WalkRegistryKey(root, child);
        WalkSubkeysBelow(root, child, childBelow, keep);
        app.Pump();
    }
    return status;
}

} // namespace

void WalkRegistryKey(HKEY root, const std::wstring& subkey, const wchar_t* onlyNames) {
    CScrubcoreApp& app = theApp;
    win32::UniqueKey key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, WalkAccess(), key.Put()) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring rootName = RootName(root);
    DWORD index = 0;
    std::wstring name;
    if (!ReadValueName(key.Get(), index, name)) {
        return;
    }
    for (;;) {
        if (app.stopRequested) {
            return;
        }
        if (onlyNames && !MatchesNamePattern(name, onlyNames)) {
            ++index; // the application's own setting: neither counted nor touched
        } else {
            // In delete mode the value goes before the report test, so
            // deleted values are counted but not reported. When a deletion
            // succeeds the next value moves into this index.
            if (app.deleteMode && RegDeleteValueW(key.Get(), name.c_str()) == ERROR_SUCCESS) {
                // stay at this index
            } else {
                ++index;
            }
            const std::wstring rest = subkey + L"=" + name;
            if (!rootName.empty() && ValueHasData(rootName, rest)) {
                const std::wstring text = rootName + L"||" + rest;
                if (app.FirstMeetingOfTrace(text)) {
                    app.Report(text);
                }
                app.Pump();
            }
            ++app.registryValues;
        }
        std::wstring next;
        if (!ReadValueName(key.Get(), index, next)) {
            return;
        }
        if (next == name && app.deleteMode) {
            return; // a value that reads back after its deletion would loop forever
        }
        name = std::move(next);
    }
}

LONG WalkRegistrySubkeys(HKEY root, const std::wstring& key, const wchar_t* keepSubkeys) {
    return WalkSubkeysBelow(root, key, L"", keepSubkeys);
}

void HandleRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& valueName) {
    CScrubcoreApp& app = theApp;
    win32::UniqueKey key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, WalkAccess(), key.Put()) != ERROR_SUCCESS) {
        return;
    }
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (app.stopRequested) {
        return;
    }
    if (app.deleteMode) {
        RegDeleteValueW(key.Get(), valueName.c_str());
    }
    const std::wstring rootName = RootName(root);
    const std::wstring rest = subkey + L"=" + valueName;
    if (!rootName.empty() && ValueHasData(rootName, rest)) {
        // A key's default value is counted and deleted but never reported.
        const std::wstring text = rootName + L"||" + rest;
        if (!valueName.empty() && app.FirstMeetingOfTrace(text)) {
            app.Report(text);
        }
        app.Pump();
    }
    ++app.registryValues;
}

} // namespace scrub
