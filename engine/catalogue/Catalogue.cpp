#include "catalogue/Catalogue.h"

#include "files/FilePrimitives.h"
#include "registry/RegistryPrimitives.h"

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
    case Target::Kind::HandleFile: {
        const std::wstring path = UnderRoot(target.folder(), target.path);
        if (path.empty()) {
            return;
        }
        if (target.kind == Target::Kind::WalkFolder) {
            WalkFolder(path, target.files);
        } else {
            HandleFile(path);
        }
        return;
    }
    case Target::Kind::WalkKey:
        WalkRegistryKey(target.hive, target.path, target.value);
        return;
    case Target::Kind::WalkSubkeys:
        WalkRegistrySubkeys(target.hive, target.path);
        return;
    case Target::Kind::HandleValue:
        HandleRegistryValue(target.hive, target.path, target.value);
        return;
    }
}

int RunItem(std::initializer_list<Target> targets) noexcept {
    return Guarded(1, [&] {
        for (const Target& target : targets) {
            // A stop request ends the item between its places too.
            if (theApp.stopRequested) {
                return;
            }
            RunTarget(target);
        }
    });
}

} // namespace scrub
