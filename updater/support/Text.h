// Text helpers shared by the update check and the installer (the encodings
// and name comparisons are win32/Text.h).
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

} // namespace updrift
