// The installation list "updatetmp.tmp" in the staging folder: written by
// the update check, read by the installation. Its first line is the program
// folder; each further line is a file line as the update page gave it, a
// TAB and the name of the downloaded file in the staging folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace updrift {

inline constexpr wchar_t kInstallListName[] = L"updatetmp.tmp";

std::wstring InstallListPath(const std::wstring& stagingFolder);

struct InstallListContent {
    std::wstring programFolder;
    std::vector<std::wstring> lines;
};

// Replaces any earlier list. Stored as UTF-8, one line per text line.
bool WriteInstallList(const std::wstring& path, const InstallListContent& content);
// The program folder is the first line, or the second when the first has
// fewer than 3 characters.
std::optional<InstallListContent> ReadInstallList(const std::wstring& path);

struct InstallItem {
    std::wstring destination; // relative to the program folder
    bool archive = false;
    bool run = false;
    std::wstring download; // file name in the staging folder
};

// A list line of exactly 7 fields; nothing for any other line.
std::optional<InstallItem> ParseInstallLine(const std::wstring& line);

} // namespace updrift
