// The registry-side primitives: every item that targets MRU lists, typed
// histories and remembered settings hands its keys and values to these.
// Keys themselves are never reported and never deleted here.
#pragma once

#include <windows.h>

#include <string>

namespace scrub {

// Every value of one key (not its subkeys); with `onlyNames`, only the values
// whose names match those patterns (MatchesNamePattern), where the key also
// holds the application's settings.
void WalkRegistryKey(HKEY root, const std::wstring& subkey, const wchar_t* onlyNames = nullptr);
// Every value of every key below the key, at any depth; not the key's own.
// With `keepSubkeys`, the subkeys whose paths below the key match those
// patterns (MatchesNamePattern: "AllFolders;1\\Desktop") are passed over
// with everything below them. Returns the status of the last subkey
// enumeration.
LONG WalkRegistrySubkeys(HKEY root, const std::wstring& key, const wchar_t* keepSubkeys = nullptr);
// One named value.
void HandleRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& valueName);
// Whether the value named by "subkey=value name" (split at the last "=")
// exists under the named root and holds something worth reporting.
bool ValueHasData(const std::wstring& rootName, const std::wstring& subkeyAndValue);
// Whether a value of this type and data is worth reporting.
bool DataIsTrace(DWORD type, const BYTE* data, DWORD size);

// "HKEY_CURRENT_USER" ... for the six predefined roots; empty for others.
std::wstring RootName(HKEY root);
// The predefined root of that exact name, or null.
HKEY RootFromName(const std::wstring& name);

// root name + "||" + subkey + "=" + value name.
std::wstring RegistryText(HKEY root, const std::wstring& subkey, const std::wstring& valueName);

struct RegistryTextParts {
    std::wstring rootName;
    std::wstring subkey;
    std::wstring valueName;
};
// Splits a registry found-item text: the root before the first "||", the
// value name after the last "=", the subkey between them. False when the
// text has no "||" or no "=" after it.
bool ParseRegistryText(const std::wstring& text, RegistryTextParts& parts);
// Whether the text starts with one of the six root names and "||".
bool IsRegistryText(const std::wstring& text);

} // namespace scrub
