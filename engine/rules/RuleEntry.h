// A community cleaning rule as the engine runs it: the places an entry of a
// rules file names, with its variables expanded and its guards read, in
// the same terms the built-in rows use (folders with file patterns,
// registry keys and values).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace scrub {

struct RuleFileKey {
    std::wstring folder;                // may hold "*" and "?" in any part
    std::vector<std::wstring> patterns; // file names, "*" and "?"
    bool recurse = false;               // also every subfolder
    bool removeSelf = false;            // recurse, then the emptied folders go
};

struct RuleRegKey {
    HKEY hive = nullptr;
    std::wstring key;
    std::wstring value; // empty with wholeKey
    bool wholeKey = true;
};

// What an entry never reports or removes, whatever its other keys name.
struct RuleExclusion {
    enum class Kind { File, Path, Registry };
    Kind kind = Kind::File;
    std::wstring folder;  // File, Path: may hold wildcards
    std::wstring pattern; // File, Path: file names; empty: every file
    HKEY hive = nullptr;  // Registry
    std::wstring key;
    std::wstring value; // empty: the whole key
};

struct RuleRegistryKey {
    HKEY hive = nullptr;
    std::wstring key;
};

struct RuleEntry {
    std::wstring name;    // as the file's section header names it, without " *"
    std::wstring group;   // the group the file puts it in
    std::wstring warning; // asked before it is ticked; empty: none
    std::vector<RuleRegistryKey> detectKeys;
    std::vector<std::wstring> detectFiles; // may hold wildcards
    DWORD osMin = 0;                       // major * 100 + minor; 0: no bound
    DWORD osMax = 0;
    std::vector<RuleFileKey> fileKeys;
    std::vector<RuleRegKey> regKeys;
    std::vector<RuleExclusion> exclusions;
};

struct RuleSet {
    std::vector<RuleEntry> entries;
    size_t skipped = 0;
    // One line per skipped entry or key ("Foo: FileKey2 reaches a drive root").
    std::vector<std::wstring> notes;
    bool notText = false; // nothing could be read: the bytes are no text
};

} // namespace scrub
