// Text helpers for paths: joining, cutting and the platform's full form.
#pragma once

#include <string>

namespace win32 {

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

} // namespace win32
