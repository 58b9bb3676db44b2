#include "catalogue/browsers/BrowserAlgorithms.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

namespace scrub {

void CountOperaHistoryDatabases() {
    const std::wstring profile = UnderRoot(AppDataFolder(), L"\\Opera\\Opera\\profile");
    if (profile.empty()) {
        return;
    }
    for (const wchar_t* database : {L"\\opera.dir", L"\\global.dat"}) {
        if (CanOpenFile(profile + database)) {
            ++theApp.countedFiles;
        }
    }
}

} // namespace scrub
