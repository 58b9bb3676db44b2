// Folders and file names of the updater, and the checks that keep names
// from the network inside the program folder.
#pragma once

#include <windows.h>

#include <string>

namespace updrift {

std::wstring WithTrailingBackslash(std::wstring folder);
// folder + name with exactly one backslash between them.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// Everything up to and including the last backslash ("" when there is none).
std::wstring FolderOf(const std::wstring& path);
// The last name of a path, trailing backslashes left out.
std::wstring LastComponent(const std::wstring& path);
// Whether two folders name the same place, whatever their case and
// trailing backslash.
bool SameFolder(const std::wstring& a, const std::wstring& b);

// A name that stays below the folder it is joined to: not empty, not
// absolute, no drive letter or stream (no ':'), no "." or ".." component,
// no empty component. Both "\" and "/" separate components.
bool IsSafeRelativePath(const std::wstring& name);
// A plain file name with no folder part at all.
bool IsBareFileName(const std::wstring& name);

// The folder of a loaded module (the process's program when null), with a
// trailing backslash.
std::wstring ModuleFolder(HMODULE module);
// The module that holds this code (the DLL when built as one).
HMODULE ThisModule();

} // namespace updrift
