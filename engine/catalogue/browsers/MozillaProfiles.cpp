#include "catalogue/browsers/MozillaProfiles.h"

#include "core/Handles.h"
#include "core/PathText.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

namespace scrub {

std::vector<std::wstring> ProfileNames(const std::wstring& profilesFolder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    UniqueFind find(FindFirstFileW((profilesFolder + L"\\*").c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if (!IsDotEntry(entry.cFileName) && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileW(find.Get(), &entry));
    return names;
}

int RunProfileItem(const ProfilesFolder& profiles, std::initializer_list<ProfileTarget> targets) noexcept {
    return Guarded(1, [&] {
        if (theApp.stopRequested) {
            return;
        }
        const std::wstring folder = UnderRoot(profiles.root(), profiles.suffix);
        if (folder.empty()) {
            return;
        }
        for (const std::wstring& profile : ProfileNames(folder)) {
            const std::wstring profileFolder = JoinPath(folder, profile);
            for (const ProfileTarget& target : targets) {
                // A stop request ends the item between profiles and files too.
                if (theApp.stopRequested) {
                    return;
                }
                const std::wstring path = JoinPath(profileFolder, target.name);
                if (target.walkFolder) {
                    WalkFolder(path);
                } else {
                    HandleFile(path);
                }
            }
        }
    });
}

} // namespace scrub
