#include "files/FilePrimitives.h"

#include "core/ScrubcoreApp.h"

namespace scrub {

int ListFixedDrives() {
    CScrubcoreApp& app = theApp;
    app.fixedDrives.clear();
    if (app.stopRequested) {
        return 1;
    }
    const DWORD mask = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(mask & (1u << letter))) {
            continue;
        }
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_FIXED) {
            app.fixedDrives.emplace_back(root);
        }
    }
    return 1;
}

} // namespace scrub
