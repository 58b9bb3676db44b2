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

} // namespace win32
