// The program's entry in the list of programs the system starts when the
// user logs on: value "Nimbrel" under HKLM\...\CurrentVersion\Run.
#pragma once

#include <string>

namespace nimbrel {

inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// The program's file name in its folder, as the start-up entry and the
// updater start it.
inline constexpr wchar_t kProgramFileName[] = L"Nimbrel.exe";

// The command the system runs: the program's path in double quotes, since
// a program folder such as "C:\Program Files\Nimbrel" holds a blank.
std::wstring StartupCommand(const std::wstring& programFolder);

// Adds (or renews) the entry for the program in `programFolder`, or removes
// it. Failures pass silently: the preference is still stored.
void RegisterStartupEntry(const std::wstring& programFolder);
void RemoveStartupEntry();

} // namespace nimbrel
