// Opens registry keys to chosen accounts for a while. Whatever the user
// asked for (a report-only scan included), every access list changed here is
// put back exactly as it was when the object goes, on every key it changed
// and on every way out: a stop request, an error or an exception.
#pragma once

#include "win32/Handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace scrub {

class TemporaryKeyAccess {
public:
    // Full key access, inherited by subkeys, for each of the accounts.
    TemporaryKeyAccess(HKEY root, const std::vector<PSID>& accounts);
    ~TemporaryKeyAccess();
    TemporaryKeyAccess(const TemporaryKeyAccess&) = delete;
    TemporaryKeyAccess& operator=(const TemporaryKeyAccess&) = delete;

    // Whether the open access list could be built; without it nothing changes.
    bool Ready() const { return ready_; }
    // Gives the key the open access list. A key whose access list cannot be
    // read (and so could not be put back) is left as it is.
    bool Open(const std::wstring& path);
    // The key and every key below it, each opened before it is entered.
    // A scan's walk ends early when a stop is requested; cleaning what a
    // scan found is no scan and goes on (`stoppable` false).
    void OpenTree(const std::wstring& path, bool stoppable = true);
    // Puts back every access list changed so far, the deepest key first.
    void RestoreAll();

private:
    struct ChangedKey {
        win32::UniqueKey key; // held with the rights to put the old list back
        std::vector<BYTE> savedDescriptor;
    };
    HKEY root_;
    bool ready_ = false;
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR openDescriptor_{};
    std::vector<ChangedKey> changed_;
};

} // namespace scrub
