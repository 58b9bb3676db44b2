// The folders the engine starts from (a shell folder, a program folder) may
// themselves be links: a user who moved Documents or the whole AppData to
// another drive with a junction or a symbolic link, and every Wine prefix,
// whose shell folders link into the home folder. Each such root is resolved
// once to its final location; below it every link is still refused, and
// found items keep the path the user knows. A root that leads off the
// machine's local drives or into a system folder stays refused as a whole.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace scrub {

// The roots met so far and where they lead. Walks ask it from any thread.
class LinkedRoots {
public:
    // Resolves the root unless it was resolved since the last Renew. A root
    // that is no link, or leads where no walk may go, is remembered as
    // leading nowhere else; one that is not there is not remembered.
    void Note(const std::wstring& root);
    // `path` as it lies below its root's final location, for the longest
    // linked root above it (or at it); empty when no linked root is.
    std::wstring ThroughRoot(const std::wstring& path) const;
    // The length of the linked root `path` begins with; 0 when none.
    size_t RootLength(const std::wstring& path) const;
    // A new scan resolves every root again as it is named (a link may have
    // changed); until then, a cleaning run compares against what its scan
    // saw.
    void Renew();

private:
    struct Root {
        std::wstring named;    // as the platform names it
        std::wstring resolved; // its final location; empty: no link, or refused
        bool current = true;   // resolved since the last Renew
    };
    const Root* LongestAbove(const std::wstring& path) const;

    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<Root> roots_;
};

// Notes the root in the run state's table and returns it unchanged: every
// root the catalogue names passes through here.
const std::wstring& NotedRoot(const std::wstring& root);

// Whether the location a linked root leads to may be walked: on a local
// fixed drive (or, for a root on a drive mapped to a share, on that share),
// and not a drive's root, the Windows folder or anything in it, the program
// files folders or the folder of every user's profile.
bool MayLeadTo(const std::wstring& root, const std::wstring& resolved);

} // namespace scrub
