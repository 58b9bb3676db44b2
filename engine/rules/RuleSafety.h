// The places no rule may reach, whatever a rules file says: a rules file is
// text anyone can edit, so its keys pass these tests before they run.
#pragma once

#include "rules/RuleEntry.h"

#include <string>
#include <vector>

namespace scrub {

// The machine's folders that no key may walk whole, read once: the shell
// answers slowly and a rules file holds thousands of keys.
class ProtectedFolders {
public:
    ProtectedFolders();
    // Windows and the Program Files folders, not to be walked with RECURSE.
    bool IsSystemFolder(const std::wstring& folder) const;
    // The profile, Documents, Desktop and the media folders.
    bool IsPersonalFolder(const std::wstring& folder) const;

private:
    std::vector<std::wstring> system_;
    std::vector<std::wstring> personal_;
};

// Empty when the key may run, else why it is refused ("reaches a drive
// root"). `folder` is expanded and may still hold wildcards.
std::wstring RefusalOfFileKey(const RuleFileKey& key, const ProtectedFolders& protectedFolders);
std::wstring RefusalOfRegKey(const RuleRegKey& key);

} // namespace scrub
