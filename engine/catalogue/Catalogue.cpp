#include "catalogue/Catalogue.h"

#include "catalogue/EntryItems.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "files/FilePrimitives.h"
#include "files/IniSection.h"
#include "registry/RegistryPrimitives.h"

#include <vector>

namespace scrub {

std::wstring UnderRoot(const std::wstring& root, const wchar_t* suffix) {
    if (root.empty()) {
        return {};
    }
    return root + suffix;
}

void RunTarget(const Target& target) {
    switch (target.kind) {
    case Target::Kind::WalkFolder:
    case Target::Kind::WalkEachFolder:
    case Target::Kind::HandleFile:
    case Target::Kind::HandleIniSection: {
        const std::wstring path = UnderRoot(target.folder(), target.path);
        if (path.empty()) {
            return;
        }
        if (target.kind == Target::Kind::WalkFolder) {
            WalkFolder(path, target.files);
        } else if (target.kind == Target::Kind::WalkEachFolder) {
            for (const std::wstring& folder : EntriesOf(path)) {
                if (theApp.stopRequested) {
                    return;
                }
                WalkFolder(folder + target.value);
            }
        } else if (target.kind == Target::Kind::HandleFile) {
            HandleFile(path);
        } else {
            HandleIniSection(path, target.value);
        }
        return;
    }
    case Target::Kind::WalkKey:
        WalkRegistryKey(target.hive, target.path, target.value);
        return;
    case Target::Kind::WalkSubkeys:
        WalkRegistrySubkeys(target.hive, target.path, target.value);
        return;
    case Target::Kind::HandleValue:
        HandleRegistryValue(target.hive, target.path, target.value);
        return;
    }
}

namespace {

// The folders an item has walked, each with the files it looked at there.
struct WalkedFolder {
    std::wstring path;
    const wchar_t* only;
    const wchar_t* keep;
};

bool AlreadyWalked(const std::vector<WalkedFolder>& walked, const std::wstring& path,
                   const FileFilter& files) {
    for (const WalkedFolder& folder : walked) {
        if (folder.only == files.only && folder.keep == files.keep && win32::EqualsNoCase(folder.path, path)) {
            return true;
        }
    }
    return false;
}

} // namespace

int RunItem(std::initializer_list<Target> targets) noexcept {
    return Guarded(1, [&] {
        // An item names the place XP keeps a trace in and the place later
        // Windows keeps it in; on XP both are often one folder, walked once.
        std::vector<WalkedFolder> walked;
        for (const Target& target : targets) {
            // A stop request ends the item between its places too.
            if (theApp.stopRequested) {
                return;
            }
            if (target.kind != Target::Kind::WalkFolder) {
                RunTarget(target);
                continue;
            }
            const std::wstring path = UnderRoot(target.folder(), target.path);
            if (path.empty() || AlreadyWalked(walked, path, target.files)) {
                continue;
            }
            walked.push_back({path, target.files.only, target.files.keep});
            WalkFolder(path, target.files);
        }
    });
}

} // namespace scrub
