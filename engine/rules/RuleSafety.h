// The places no rule may reach, whatever a rules file says: a rules file is
// text anyone can edit, so its keys pass these tests before they run.
#pragma once

#include "rules/RuleEntry.h"

#include <string>
#include <vector>

namespace scrub {

// The folders a key's folder is compared with, asked of the system once per
// file read or rule run: each ask reads the registry, and a file holds some
// thirty thousand keys.
struct ProtectedFolders {
    std::vector<std::wstring> system;   // Windows, both Program Files: never walked with RECURSE
    std::vector<std::wstring> personal; // the profile and its documents, desktop and media folders:
                                        // never walked with RECURSE or a "*" pattern
};
ProtectedFolders MachineProtectedFolders();

// Empty when the key may run, else why it is refused ("reaches a drive
// root"). `folder` is expanded and may still hold wildcards.
std::wstring RefusalOfFileKey(const RuleFileKey& key, const ProtectedFolders& protectedFolders);
std::wstring RefusalOfRegKey(const RuleRegKey& key);

} // namespace scrub
