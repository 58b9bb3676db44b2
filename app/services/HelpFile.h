// The program's help file, "Nimbrel Help.chm" in the program folder.
#pragma once

#include <string>

namespace nimbrel {

inline constexpr wchar_t kHelpFileName[] = L"Nimbrel Help.chm";

std::wstring HelpFilePath(const std::wstring& programFolder);
// Opens the help file with the shell (its viewer decides what a missing
// file shows).
void OpenHelp();

} // namespace nimbrel
