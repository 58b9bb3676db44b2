// The version information a program file carries.
#pragma once

#include <string>

namespace app_tests {

// A text of the file's version information ("ProductName"...), in the
// language the file lists first; empty when it has none.
std::wstring VersionString(const std::wstring& file, const std::wstring& name);

} // namespace app_tests
