// Text helpers for paths and found-item texts.
#pragma once

#include <string>

namespace scrub {

// parent + "\" + name.
std::wstring JoinPath(const std::wstring& parent, const std::wstring& name);
// The text before the last backslash; empty when there is none.
std::wstring CutAtLastBackslash(const std::wstring& path);
// The text after the last backslash (all of it when there is none).
std::wstring LastComponent(const std::wstring& path);
bool Contains(const std::wstring& text, const wchar_t* part);
// The path without the "\\?\" the platform puts before long and final
// paths: "\\?\C:\x" is "C:\x" and "\\?\UNC\server\share\x" is "\\server\share\x".
std::wstring WithoutLongPathPrefix(const std::wstring& path);
// The absolute path GetFullPathNameW makes of the text ("." and ".."
// resolved, "/" read as "\"); empty when it cannot.
std::wstring FullPathOf(const std::wstring& path);
// Ordinal comparison ignoring case, as the file system and registry compare names.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
std::wstring Utf16FromAnsi(const std::string& text);

} // namespace scrub
