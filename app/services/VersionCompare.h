// Version texts such as "2.3.10" compared the way people read them.
#pragma once

#include <string>

namespace nimbrel {

// Negative, zero or positive as `a` is older than, the same as or newer
// than `b`. Dot-separated components compare as numbers (2.3.10 is newer
// than 2.3.2); a missing component counts as 0 (2.3 equals 2.3.0); anything
// after a component's digits ("3b", " 3") is ignored.
int CompareVersions(const std::wstring& a, const std::wstring& b);

} // namespace nimbrel
