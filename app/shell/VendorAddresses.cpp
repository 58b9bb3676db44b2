#include "VendorAddresses.h"

#include "NimbrelControlApp.h"
#include "SettingsStore.h"

#include <cwctype>

namespace nimbrel {

std::wstring UpdatePageAddress(const std::wstring& server) {
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

std::wstring ConfiguredUpdatePageAddress() {
    return UpdatePageAddress(GetString(kProductTitle, kUpdateServerSetting));
}

} // namespace nimbrel
