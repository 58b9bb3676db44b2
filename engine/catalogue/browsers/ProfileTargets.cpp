#include "catalogue/browsers/ProfileTargets.h"

#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "databases/DatabaseTrace.h"

namespace scrub {

bool RunInProfile(const std::wstring& profile, const ProfileTarget* first, const ProfileTarget* last) {
    for (const ProfileTarget* target = first; target != last; ++target) {
        // A stop request ends the item between profiles and files too.
        if (theApp.stopRequested) {
            return false;
        }
        const std::wstring path = win32::JoinPath(profile, target->name);
        DatabaseJob job;
        switch (target->kind) {
        case ProfileTarget::Kind::File:
            HandleFile(path);
            break;
        case ProfileTarget::Kind::DatabaseRows:
            if (JobOfDatabase(path, job)) {
                HandleDatabase(path, job);
            }
            break;
        case ProfileTarget::Kind::CookieStore:
            if (!theApp.cookieSitesToKeep.empty() && JobOfDatabase(path, job)) {
                HandleDatabase(path, job);
                break;
            }
            [[fallthrough]];
        case ProfileTarget::Kind::Database:
            for (const wchar_t* companion : {L"", L"-journal", L"-wal", L"-shm"}) {
                HandleFile(path + companion);
            }
            break;
        case ProfileTarget::Kind::Folder:
            WalkFolder(path, target->files);
            break;
        }
    }
    return !theApp.stopRequested;
}

} // namespace scrub
