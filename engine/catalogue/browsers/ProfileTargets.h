// What a browser item takes inside one profile folder: a file, or a folder
// walked (less the files it keeps). Firefox, Netscape and the browsers built
// on Chromium all name their traces this way, beside the bookmarks and
// settings the same profile holds.
#pragma once

#include "files/FilePrimitives.h"

#include <string>

namespace scrub {

struct ProfileTarget {
    bool walkFolder;     // true: folder walk; false: single-file handler
    const wchar_t* name; // inside the profile folder
    FileFilter files{};  // a walked folder's files that are traces
};

inline ProfileTarget FileInProfile(const wchar_t* name) {
    return {false, name};
}
inline ProfileTarget FolderInProfile(const wchar_t* name) {
    return {true, name};
}
// A folder whose files matching `keep` belong to something the user keeps
// (an extension's own databases among the sites').
inline ProfileTarget FolderInProfileKeeping(const wchar_t* name, const wchar_t* keep) {
    return {true, name, FileFilter{nullptr, keep}};
}

// The targets [first, last) inside the profile folder, in order; false when
// a stop request ended them.
bool RunInProfile(const std::wstring& profile, const ProfileTarget* first, const ProfileTarget* last);

} // namespace scrub
