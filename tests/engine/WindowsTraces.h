// Fixtures for Windows traces that the generic harness has no words for: the
// Recycle Bin (Wine keeps it under XDG_DATA_HOME, inside the build folder)
// and whole registry trees to compare before and after.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Whether Wine keeps this prefix's Recycle Bin inside the build folder. When
// it does not (a test run by hand without the test environment), the bin is
// the host user's own trash and no test may put anything into it.
bool RecycleBinIsIsolated();
// Deletes the file or folder the way Explorer does, into the Recycle Bin.
bool MoveToRecycleBin(const std::wstring& path);
// Entries in all Recycle Bins, as the shell counts them.
long long RecycleBinCount();
// Empties the isolated bin, also of the folders Wine's own emptying leaves.
void EmptyRecycleBin();

// Every key, value name, type and data below a key, one line each.
std::vector<std::wstring> RegistryDump(HKEY root, const std::wstring& key);
// The raw data of a value as UTF-16 text (REG_MULTI_SZ with its NULs).
std::wstring RawText(HKEY root, const std::wstring& key, const std::wstring& name);
// Writes REG_MULTI_SZ raw data back, or deletes the value for empty data.
void RestoreRawText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& data);

// Everything before the last backslash.
std::wstring ParentOf(const std::wstring& path);
