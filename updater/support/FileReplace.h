// Putting a new file in place of an old one without ever leaving the
// destination half-written or missing: the new content is prepared next to
// the destination and then moved over it in one step.
#pragma once

#include "win32/Handles.h"

#include <string>

namespace updrift {

// Makes the folder and every missing parent, parents first. True when the
// path ends up as an existing folder (an existing file of that name fails).
bool CreateFolderTree(const std::wstring& folder);
// Makes every missing folder above the file the path names.
bool CreateParentFolders(const std::wstring& filePath);

// A new, empty file next to `destination` under a name nobody can predict,
// created exclusively and open for writing. `path` receives its name.
win32::UniqueFile CreateSiblingFile(const std::wstring& destination, std::wstring& path);

// Moves `from` over `to`, replacing it. A destination that is in use but may
// be renamed (a running program, a loaded library such as Updrift.dll during
// its own installation) is moved aside in its folder under a name starting
// with kSetAsidePrefix, and that copy is removed at once or, while still in
// use, at the next update or the system's next start. A destination the
// ending program still holds open gets a short while to come free. On
// failure `to` is untouched.
bool MoveOver(const std::wstring& from, const std::wstring& to);

inline constexpr wchar_t kSetAsidePrefix[] = L"~updold";
// Removes the set-aside copies in the folder and below it that are no
// longer in use. Links to other folders are not followed.
void RemoveSetAsideCopies(const std::wstring& folder);

// Copies `source` next to `destination` and moves the copy over it. The
// source stays; on failure the destination is untouched.
bool PutCopyInPlace(const std::wstring& source, const std::wstring& destination);

} // namespace updrift
