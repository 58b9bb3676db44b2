// The program's persistent state: named text values under
// HKEY_LOCAL_MACHINE\SOFTWARE\<product>. Every call opens and closes the key
// around one value and nothing is cached, so a value another window (or the
// update thread) wrote is always seen. No call reports failure: a failed
// read yields 0 or the empty text, a failed write does nothing.
#pragma once

#include <string>
#include <vector>

namespace nimbrel {

// The value as a decimal integer; 0 when absent, empty, unparsable, or at or
// beyond the 32-bit limits.
int GetInt(const std::wstring& product, const std::wstring& name);
// Stores the integer as "%d" text.
void SetInt(const std::wstring& product, const std::wstring& name, int value);
// The value's text; empty when absent. At most 511 characters are read.
std::wstring GetString(const std::wstring& product, const std::wstring& name);
void SetString(const std::wstring& product, const std::wstring& name, const std::wstring& text);
// The names of the values that begin with `prefix` (compared without
// regard to case, as the registry compares names).
std::vector<std::wstring> ValueNamesStartingWith(const std::wstring& product, const std::wstring& prefix);
// The text of a value that may be long, such as a list the user keeps; at
// most 32,767 characters are read.
std::wstring GetLongString(const std::wstring& product, const std::wstring& name);

// The decimal conversion GetInt applies: leading white space, an optional
// sign, then digits up to the first other character. The 32-bit limits and
// anything beyond them read as 0, since a stored limit can only come from an
// overflowed counter.
int ParseSettingInt(const std::wstring& text);

} // namespace nimbrel
