#include "catalogue/EntryItems.h"

#include "core/ExportGuard.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

namespace scrub {

std::vector<std::wstring> EntriesOf(const std::wstring& folder) {
    std::vector<std::wstring> entries;
    if (folder.empty()) {
        return entries;
    }
    WIN32_FIND_DATAW found;
    win32::UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find) {
        return entries;
    }
    do {
        // A linked account folder would lead the item away from the
        // application's own folder, which a walk never does.
        if (!IsDotEntry(found.cFileName) && !IsLinkedFolder(found.dwFileAttributes)) {
            entries.push_back(win32::JoinPath(folder, found.cFileName));
        }
    } while (FindNextFileW(find.Get(), &found));
    return entries;
}

int RunInEachEntry(EntryList entries, std::initializer_list<PlaceBelow> places) noexcept {
    return Guarded(1, [&] {
        CScrubcoreApp& app = theApp;
        if (app.stopRequested) {
            return;
        }
        for (const std::wstring& entry : entries()) {
            for (const PlaceBelow& place : places) {
                if (app.stopRequested) {
                    return;
                }
                const std::wstring path = entry + place.suffix;
                if (place.walk) {
                    WalkFolder(path);
                } else {
                    HandleFile(path);
                }
            }
        }
    });
}

} // namespace scrub
