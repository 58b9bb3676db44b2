// Files the host writes while it scans and cleans (its report, the files
// its output is redirected to, its log): a scheduled clean whose report lies
// in a temporary folder must not find, count or remove its only record.
#pragma once

#include <windows.h>

#include <string>

namespace scrub {

// Remembers the file as one of the host's; false when it cannot be opened.
bool KeepFile(const std::wstring& path);
void ForgetKeptFiles();

// Whether the file at `path` is one of the host's files, whatever name or
// path leads to it. Costs a name comparison per kept file unless the names
// match.
bool IsKeptFile(const std::wstring& path);

} // namespace scrub
