// The settings files programs write as "[Section]" header lines and
// "key=value" lines (VLC's interface settings, Firefox's profiles.ini), read
// as the bytes they are: a file is UTF-8 or plain ASCII, with or without a
// byte-order mark, and its lines end in CR LF or LF alone.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace scrub {

// The whole file, or false when it cannot be read (or exceeds 16 MB: no
// settings file is that large).
bool ReadFileBytes(const std::wstring& path, std::string& bytes);

// Where one section lies in the bytes: from the first byte of its header line
// to the first byte of the next header line, or to the end.
struct IniRange {
    size_t begin = 0;
    size_t end = 0;
};
// The first section of that name (compared ignoring ASCII letter case, as
// Windows compares section names); false when there is none.
bool FindIniSection(const std::string& bytes, const std::string& section, IniRange& range);

// Whether a section holds at least one entry with a value: an emptied list
// ("list=" or Qt's "list=@Invalid()") names nothing.
bool HasIniEntries(const std::string& bytes, const IniRange& range);

// Every "key=value" line with the section it stands in, in file order; keys
// and values without the blanks around them, converted from UTF-8.
void ForEachIniEntry(const std::string& bytes,
                     const std::function<void(const std::wstring& section, const std::wstring& key,
                                              const std::wstring& value)>& entry);

} // namespace scrub
