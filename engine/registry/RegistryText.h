// Reading one registry value as text, the way installation lookups need it.
#pragma once

#include <windows.h>

#include <string>

namespace scrub {

// The longest text a lookup reads: 511 characters (1024 bytes with the
// terminator). A longer value yields an empty text.
inline constexpr size_t kLookupTextMax = 511;

// The value's text, or empty when the key or value is missing, the value is
// not a string, or it is longer than the lookup buffer. A string stored
// without its terminator is cut at its end; expandable strings are expanded.
// The key is opened for reading only: a user who may only read it still
// gets the answer. A key missing from the program's own registry view is
// looked for in the 32-bit view, where 32-bit installers write on a 64-bit
// system.
std::wstring ReadRegistryText(HKEY root, const std::wstring& key, const std::wstring& valueName);

} // namespace scrub
