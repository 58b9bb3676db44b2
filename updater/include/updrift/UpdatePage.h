// Where the update page lies: on the vendor's server, unless the program's
// settings name another (a staging or test server). The program and the
// updater both take the address from here, so they never disagree.
#pragma once

#include <cwctype>
#include <string>

namespace updrift {

inline constexpr wchar_t kVendorUpdateServer[] = L"https://www.nimbrel.com";
inline constexpr wchar_t kUpdatePagePath[] = L"/updates/updates.asp";

// The settings value (REG_SZ under HKEY_LOCAL_MACHINE\kSettingsKey) that
// names another server: scheme, host, optional port and folder, for example
// "https://staging.example:8080" or "http://127.0.0.1:8000/qa" (plain http
// is followed only to this machine itself). Absent or blank: the vendor's.
inline constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Nimbrel";
inline constexpr wchar_t kUpdateServerSetting[] = L"updateserver";

// The update page's address on `server` (the vendor's own when blank);
// blanks around it and slashes at its end don't count.
inline std::wstring UpdatePageAddress(const std::wstring& server) {
    size_t first = 0;
    size_t last = server.size();
    while (first < last && std::iswspace(server[first])) {
        ++first;
    }
    while (last > first && (std::iswspace(server[last - 1]) || server[last - 1] == L'/')) {
        --last;
    }
    const std::wstring base =
        first == last ? std::wstring(kVendorUpdateServer) : server.substr(first, last - first);
    return base + kUpdatePagePath;
}

} // namespace updrift
