// What a browser item takes inside one profile folder: a file, a database
// with the files SQLite keeps beside it, or a folder walked (less the files
// it keeps). Firefox, Thunderbird, Netscape and the browsers built on
// Chromium all name their traces this way, beside the bookmarks and settings
// the same profile holds.
#pragma once

#include "files/FilePrimitives.h"

#include <string>

namespace scrub {

struct ProfileTarget {
    enum class Kind { File, Database, Folder, DatabaseRows, CookieStore };
    Kind kind;
    const wchar_t* name; // inside the profile folder
    FileFilter files{};  // a walked folder's files that are traces
};

inline ProfileTarget FileInProfile(const wchar_t* name) {
    return {ProfileTarget::Kind::File, name};
}
// The database and its journal, write-ahead log and shared memory
// ("-journal", "-wal", "-shm"): a database never goes without them.
inline ProfileTarget DatabaseInProfile(const wchar_t* name) {
    return {ProfileTarget::Kind::Database, name};
}
// A database that also holds what the user keeps: only its trace rows go
// (DatabaseTrace.h), the file stays.
inline ProfileTarget RowsInProfile(const wchar_t* name) {
    return {ProfileTarget::Kind::DatabaseRows, name};
}
// A cookie database: whole, with its companions, while no site's cookies
// are kept; else the rows of the other sites.
inline ProfileTarget CookiesInProfile(const wchar_t* name) {
    return {ProfileTarget::Kind::CookieStore, name};
}
inline ProfileTarget FolderInProfile(const wchar_t* name) {
    return {ProfileTarget::Kind::Folder, name};
}
// A folder whose files matching `keep` belong to something the user keeps
// (an extension's own databases among the sites').
inline ProfileTarget FolderInProfileKeeping(const wchar_t* name, const wchar_t* keep) {
    return {ProfileTarget::Kind::Folder, name, FileFilter{nullptr, keep}};
}
// A folder of which only the files matching `only` are traces (the sites'
// storage among the extensions').
inline ProfileTarget FilesInProfileNamed(const wchar_t* name, const wchar_t* only) {
    return {ProfileTarget::Kind::Folder, name, FileFilter{only, nullptr}};
}

// The targets [first, last) inside the profile folder, in order; false when
// a stop request ended them.
bool RunInProfile(const std::wstring& profile, const ProfileTarget* first, const ProfileTarget* last);

} // namespace scrub
