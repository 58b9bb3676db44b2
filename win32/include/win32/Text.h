// UTF-16 text to and from the 8-bit encodings the platform speaks, and the
// comparisons the file system and the registry use for names.
#pragma once

#include <string>

namespace win32 {

std::wstring Utf16FromCodePage(const std::string& bytes, unsigned codePage);
// The system's ANSI code page, as the registry's and log's 8-bit text is.
std::wstring Utf16FromAnsi(const std::string& text);
std::string Utf8FromUtf16(const std::wstring& text);
// Characters the ANSI code page lacks become its default character.
std::string AnsiFromUtf16(const std::wstring& text);

// Ordinal comparisons ignoring case, as the file system and registry compare names.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix);

// Any program can plant a line break or a tab in a file or value name; shown
// as it is, one found item would read as several lines, or as other items.
// Escaped: "\r", "\n", "\t", the other control characters "\xNN" (for
// text output). Marked: each as its visible sign (U+2400 block; C1 controls
// as U+FFFD), for the window. Every other character stays.
enum class ControlCharacters { Escaped, Marked };
std::wstring WithControlsShown(const std::wstring& text, ControlCharacters how);

} // namespace win32
