#include "rules/RuleRunner.h"

#include "clean/SystemFolders.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "registry/RegistryPrimitives.h"
#include "rules/RuleMatch.h"
#include "rules/RuleSafety.h"
#include "win32/Handles.h"

namespace scrub {
namespace {

// The files of one key that its entry lets go.
class KeyFiles : public FileTest {
public:
    KeyFiles(const RuleFileKey& key, const RuleEntry& entry) : key_(key), entry_(entry) {}
    bool Accepts(const std::wstring& path) const override {
        const std::wstring name = path.substr(path.rfind(L'\\') + 1);
        bool named = false;
        for (const std::wstring& pattern : key_.patterns) {
            if (MatchesWildcard(name, pattern)) {
                named = true;
                break;
            }
        }
        return named && !ExcludedFile(entry_.exclusions, path);
    }

private:
    const RuleFileKey& key_;
    const RuleEntry& entry_;
};

DWORD WindowsVersion() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version.dwMajorVersion * 100 + version.dwMinorVersion;
}

bool KeyExists(const RuleRegistryKey& detect) {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        win32::UniqueKey key;
        if (RegOpenKeyExW(detect.hive, detect.key.c_str(), 0, KEY_READ | view, key.Put()) == ERROR_SUCCESS) {
            return true;
        }
    }
    return false;
}

// The concrete folders of a key, each passing the key's tests again: a
// wildcard may still lead to a folder the key could not have named.
std::vector<std::wstring> FoldersOf(const RuleFileKey& key) {
    std::vector<std::wstring> folders;
    const ProtectedFolders protectedFolders;
    for (std::wstring& folder : ResolveRulePath(key.folder, true)) {
        RuleFileKey concrete = key;
        concrete.folder = folder;
        if (RefusalOfFileKey(concrete, protectedFolders).empty()) {
            folders.push_back(std::move(folder));
        }
    }
    return folders;
}

} // namespace

bool RuleDetected(const RuleEntry& entry) {
    if (entry.osMin || entry.osMax) {
        const DWORD version = WindowsVersion();
        if ((entry.osMin && version < entry.osMin) || (entry.osMax && version > entry.osMax)) {
            return false;
        }
    }
    if (entry.detectKeys.empty() && entry.detectFiles.empty()) {
        return true;
    }
    for (const RuleRegistryKey& detect : entry.detectKeys) {
        if (KeyExists(detect)) {
            return true;
        }
    }
    for (const std::wstring& file : entry.detectFiles) {
        if (!ResolveRulePath(file, false).empty()) {
            return true;
        }
    }
    return false;
}

void RunRule(const RuleEntry& entry) {
    CScrubcoreApp& app = theApp;
    for (const RuleFileKey& key : entry.fileKeys) {
        for (const std::wstring& folder : FoldersOf(key)) {
            if (app.stopRequested) {
                return;
            }
            const KeyFiles test(key, entry);
            FileFilter filter;
            filter.subfolders = key.recurse || key.removeSelf;
            filter.test = &test;
            WalkFolder(folder, filter);
            if (app.deleteMode && key.removeSelf) {
                RemoveEmptySubfolders(folder);
                RemoveFolderIfLeftEmpty(folder);
            }
        }
    }
    for (const RuleRegKey& key : entry.regKeys) {
        if (app.stopRequested) {
            return;
        }
        if (key.wholeKey) {
            WalkRegistryKey(key.hive, key.key);
            WalkRegistrySubkeys(key.hive, key.key);
        } else {
            HandleRegistryValue(key.hive, key.key, key.value);
        }
    }
}

void RemoveEmptiedRuleFolders(const RuleEntry& entry) {
    for (const RuleFileKey& key : entry.fileKeys) {
        if (!key.removeSelf) {
            continue;
        }
        for (const std::wstring& folder : FoldersOf(key)) {
            RemoveEmptySubfolders(folder);
            RemoveFolderIfLeftEmpty(folder);
        }
    }
}

} // namespace scrub
