// The vendor's addresses: the web site, the support page and e-mail address
// shown in the About box. The update server, which the updater needs too,
// lives with the updater's interface (updrift/UpdatePage.h).
#pragma once

#include "updrift/UpdatePage.h"

#include <string>

namespace nimbrel {

inline constexpr wchar_t kVendorWebSite[] = L"https://www.nimbrel.com";
inline constexpr wchar_t kVendorSupportPage[] = L"https://www.nimbrel.com/support.htm";
inline constexpr wchar_t kVendorSupportEmail[] = L"support@nimbrel.com";
using updrift::UpdatePageAddress;

// The update page's address for the server the settings name.
std::wstring ConfiguredUpdatePageAddress();

} // namespace nimbrel
