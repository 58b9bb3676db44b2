// The vendor's addresses, all in one place: the web site, the support page
// and e-mail address shown in the About box, and the web server that
// publishes the update page.
#pragma once

#include <string>

namespace nimbrel {

inline constexpr wchar_t kVendorWebSite[] = L"http://www.nimbrel.com";
inline constexpr wchar_t kVendorSupportPage[] = L"http://www.nimbrel.com/support.htm";
inline constexpr wchar_t kVendorSupportEmail[] = L"support@nimbrel.com";
inline constexpr wchar_t kVendorUpdateServer[] = L"http://www.nimbrel.com";

// Where the update page lies on the update server.
inline constexpr wchar_t kUpdatePagePath[] = L"/updates/updates.asp";

// The settings value that points the update check at another server (a
// staging or test server): its address with scheme, host and optional port
// and folder, for example "http://staging.example:8080" or
// "http://127.0.0.1:8000/qa". Absent or blank: the vendor's server.
inline constexpr wchar_t kUpdateServerSetting[] = L"updateserver";

// The update page's address on `server` (the vendor's own when blank).
std::wstring UpdatePageAddress(const std::wstring& server);
// The update page's address for the server the settings name.
std::wstring ConfiguredUpdatePageAddress();

} // namespace nimbrel
