// Reading the update page: its lines, entry headers and file lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace updrift {

// The page split at every line feed. A carriage return before the line feed
// stays part of its line (numbers stop at it); the piece after the last line
// feed is a line too. An empty page has no lines.
std::vector<std::wstring> SplitLines(const std::wstring& page);

// The TAB-separated fields of a line when there are exactly `count` of them
// (empty fields count), nothing otherwise.
std::optional<std::vector<std::wstring>> FieldsOf(const std::wstring& line, size_t count);

struct EntryHeader {
    std::wstring component; // what the host decides on ("software" for the program)
    std::wstring version;
    long long fileLines = 0; // the file lines that follow the header
    bool restart = false;    // the installation needs the program closed
};

// An entry header: a non-empty line of exactly 4 fields.
std::optional<EntryHeader> ReadEntryHeader(const std::wstring& line);

// Field positions of a file line (6 fields).
enum FileLineField : size_t {
    kDestinationField = 0, // file name relative to the program folder
    kJoinField = 1,
    kSizeField = 2, // expected size in bytes; 0 when not announced
    kAddressField = 3,
    kArchiveField = 4, // not 0: a ZIP archive to unpack over the program folder
    kRunField = 5,     // not 0: opened once installed
    kFileLineFields = 6
};

} // namespace updrift
