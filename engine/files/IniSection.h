// One section of a program's settings file as a trace. VLC keeps the media
// the user opened as the [RecentsMRU] section of the file that also holds
// the user's settings: only that section is the trace. Its found-item text
// names the file and the section, and "|" never appears in a Windows path:
//
//   C:\Users\ann\AppData\Roaming\vlc\vlc-qt-interface.ini|[RecentsMRU]
//
// Cleaning it rewrites the file without the section, every other byte as it
// was.
#pragma once

#include <string>

namespace scrub {

std::wstring IniSectionText(const std::wstring& path, const std::wstring& section);
// The file and section such a text names; false for any other text.
bool ParseIniSectionText(const std::wstring& text, std::wstring& path, std::wstring& section);

// Reports the section when the file holds it with at least one entry (once
// per count, measured by its bytes, counted as a file); in delete mode it is
// removed. A file that fails the walk's open test (held by a reader, a link)
// is left alone, as any file is.
void HandleIniSection(const std::wstring& path, const std::wstring& section);

// Rewrites the file without the section: the new text is written beside the
// file and then takes its place, so a failure leaves the file as it was.
// True when the file no longer holds the section (or is gone); the bytes
// removed are added to `removedBytes`.
bool RemoveIniSection(const std::wstring& path, const std::wstring& section, double& removedBytes);

} // namespace scrub
