#include "VendorAddresses.h"

#include "NimbrelControlApp.h"
#include "SettingsStore.h"

namespace nimbrel {

std::wstring ConfiguredUpdatePageAddress() {
    return UpdatePageAddress(GetString(kProductTitle, updrift::kUpdateServerSetting));
}

} // namespace nimbrel
