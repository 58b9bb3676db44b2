// Whether an open file is the very entry a walk met, and not the file a link
// there leads to. Wine shows a link to a file as a plain file and deletes
// its target when asked to delete it; on Windows a link met on the way (a
// linked folder above the file) would lead the same way. The file's final
// path, as the file system resolves it, tells.
#pragma once

#include <windows.h>

#include <string>

namespace scrub {

// True when the file's final path is `path` itself: compared without the
// "\\?\" forms, ignoring case, with short (8.3) names and a drive mapped to
// a share read as the file system spells them; below a linked root
// (files/LinkedRoots.h), against the root's final location. False when the
// final path cannot be read.
bool IsEntryAt(HANDLE file, const std::wstring& path);

// The same for the file at `path`, opened as itself for the test alone (a
// file in use opens too).
bool IsEntryItself(const std::wstring& path);
// The same for a folder.
bool IsFolderItself(const std::wstring& path);

// Whether a folder's listing marks every link in it as a reparse point, so
// that an entry listed as a plain file in a folder that is itself is that
// file. Windows does; Wine lists a Unix link to a file as a plain file.
bool ListingsShowFileLinks();

} // namespace scrub
