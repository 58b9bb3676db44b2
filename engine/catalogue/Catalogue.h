// The item catalogue's building blocks. An item that only hands places to
// the primitives is one row: its export name and its targets, in order.
//
//   SCRUB_ITEM(Privacy_WNDRunCommandHis,
//              KeyValues(HKEY_CURRENT_USER, L"Software\\...\\Explorer\\RunMRU"))
//
// An item with an algorithm of its own is written with SCRUB_SPECIAL_ITEM as
// a small named function beside its table.
#pragma once

#include "files/FilePrimitives.h"
#include "scrubcore/Scrubcore.h"

#include <initializer_list>
#include <string>

namespace scrub {

// A folder asked of the platform (or of an installation lookup) when the item
// runs, without trailing backslash; empty when there is none.
using FolderRoot = std::wstring (*)();

struct Target {
    enum class Kind {
        WalkFolder,
        WalkEachFolder,
        HandleFile,
        HandleIniSection,
        WalkKey,
        WalkSubkeys,
        HandleValue
    };
    Kind kind;
    FolderRoot folder;   // file targets: the root
    HKEY hive;           // registry targets: the predefined root
    const wchar_t* path; // file targets: suffix appended to the root; registry: the key
    // HandleValue: the value name; WalkKey: the value names walked (null:
    // all); WalkSubkeys: the subkeys kept (null: none); WalkEachFolder: the
    // suffix walked below each folder; HandleIniSection: the section.
    const wchar_t* value;
    FileFilter files{}; // WalkFolder: the files that are traces
};

// Folder walk of root + suffix.
inline Target FolderAt(FolderRoot root, const wchar_t* suffix = L"") {
    return {Target::Kind::WalkFolder, root, nullptr, suffix, nullptr};
}
// Folder walk of root + suffix that leaves the files matching `keep` (the
// application's settings) where they are.
inline Target FolderKeeping(FolderRoot root, const wchar_t* suffix, const wchar_t* keep) {
    return {Target::Kind::WalkFolder, root, nullptr, suffix, nullptr, FileFilter{nullptr, keep}};
}
// Folder walk of root + suffix that looks only at the files matching `only`,
// in a folder that also holds the user's own files.
inline Target FilesNamed(FolderRoot root, const wchar_t* suffix, const wchar_t* only) {
    return {Target::Kind::WalkFolder, root, nullptr, suffix, nullptr, FileFilter{only, nullptr}};
}
// Folder walk of root + suffix that looks only at the files `test` accepts.
inline Target FilesPassing(FolderRoot root, const wchar_t* suffix, const FileTest& test) {
    return {
        Target::Kind::WalkFolder, root, nullptr, suffix, nullptr, FileFilter{nullptr, nullptr, true, &test}};
}
// Folder walk of `below` inside every folder of root + suffix (the account
// folders of a program, each keeping its traces in the same place).
inline Target FolderInEach(FolderRoot root, const wchar_t* suffix, const wchar_t* below) {
    return {Target::Kind::WalkEachFolder, root, nullptr, suffix, below};
}
// Single-file handler on root + suffix.
inline Target FileAt(FolderRoot root, const wchar_t* suffix) {
    return {Target::Kind::HandleFile, root, nullptr, suffix, nullptr};
}
// One section of the settings file root + suffix (IniSection.h).
inline Target IniSectionAt(FolderRoot root, const wchar_t* suffix, const wchar_t* section) {
    return {Target::Kind::HandleIniSection, root, nullptr, suffix, section};
}
// Registry key walk: every value of the key.
inline Target KeyValues(HKEY hive, const wchar_t* key) {
    return {Target::Kind::WalkKey, nullptr, hive, key, nullptr};
}
// Registry key walk of the values whose names match `names` only, in a key
// that also holds the application's settings.
inline Target KeyValuesNamed(HKEY hive, const wchar_t* key, const wchar_t* names) {
    return {Target::Kind::WalkKey, nullptr, hive, key, names};
}
// Registry subkey walk: every value of every key below the key.
inline Target SubkeyValues(HKEY hive, const wchar_t* key) {
    return {Target::Kind::WalkSubkeys, nullptr, hive, key, nullptr};
}
// The same, less the subkeys whose paths below the key match `keep` (with
// everything below them): what the user set there stays.
inline Target SubkeyValuesKeeping(HKEY hive, const wchar_t* key, const wchar_t* keep) {
    return {Target::Kind::WalkSubkeys, nullptr, hive, key, keep};
}
// Registry value handler: one named value.
inline Target NamedValue(HKEY hive, const wchar_t* key, const wchar_t* value) {
    return {Target::Kind::HandleValue, nullptr, hive, key, value};
}

// root + suffix, or empty when the root is empty: a suffix is never appended
// to nothing (that would name a folder at the root of the current drive).
std::wstring UnderRoot(const std::wstring& root, const wchar_t* suffix);

void RunTarget(const Target& target);
// The stop test at entry, then each target in order; nothing thrown escapes.
int RunItem(std::initializer_list<Target> targets) noexcept;

template <class Body> int RunSpecialItem(Body&& body) noexcept;

} // namespace scrub

#include "core/ExportGuard.h"
#include "core/ScrubcoreApp.h"

template <class Body> int scrub::RunSpecialItem(Body&& body) noexcept {
    return Guarded(1, [&] {
        if (!theApp.stopRequested) {
            body();
        }
    });
}

#define SCRUB_ITEM(exportName, ...)                                                                          \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunItem({__VA_ARGS__});                                                              \
    }

// An item with its own algorithm: the body runs after the stop test, inside
// the export guard. `mode` is the host's mode byte.
#define SCRUB_SPECIAL_ITEM(exportName, bodyFunction)                                                         \
    SCRUBCORE_API int exportName(unsigned char mode) {                                                       \
        return ::scrub::RunSpecialItem([mode] { bodyFunction(mode); });                                      \
    }

// A second export name for an item body defined in the same file. Item
// bodies never throw, and the alias says so as its target does.
#define SCRUB_ITEM_ALIAS(aliasName, exportName)                                                              \
    SCRUBCORE_API int aliasName(unsigned char) __attribute__((alias(#exportName), nothrow))
