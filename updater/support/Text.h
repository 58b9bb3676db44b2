// Text helpers shared by the update check and the installer.
#pragma once

#include <string>
#include <vector>

namespace updrift {

// Splits at every separator, keeping empty pieces; the piece after the last
// separator is a piece too, so "a\tb\t" gives three.
std::vector<std::wstring> SplitAt(const std::wstring& text, wchar_t separator);

// A decimal number the way the update page writes them: leading blanks
// skipped, an optional sign, digits up to the first other character; no
// digits give 0. Values beyond the range are clamped, never wrapped.
long long ParseDecimal(const std::wstring& text);

// At most `limit` characters of the text.
std::wstring Bounded(const std::wstring& text, size_t limit);

std::wstring Utf16FromCodePage(const std::string& bytes, unsigned codePage);
std::string Utf8FromUtf16(const std::wstring& text);

// Ordinal comparisons ignoring case, as the file system compares names.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix);

} // namespace updrift
