// Which found items the scan page previews, and what picture file it
// shows for each: a picture file found on the disk, or the picture a found
// shortcut points to. Plain functions, without windows.
#pragma once

#include <windows.h>

#include <string>

namespace nimbrel {

// A registry value's found-item text: "||" after the first character.
bool IsRegistryFoundItem(const std::wstring& text);
// "ico", "jpg", "png", "gif", "jpeg" or "bmp", in any letter case, after
// the last "." of the text.
bool HasPictureExtension(const std::wstring& path);
// A full path on a drive ("C:\..."): what a found file's text is. Recycle
// Bin names and registry texts are not, and are never opened as files.
bool IsLocalFullPath(const std::wstring& text);

// The target path a shortcut file names, as stored, or empty. The shortcut
// is only read: never updated, and its target never searched for.
std::wstring ShortcutTarget(const std::wstring& shortcut);

// The picture file to show for a found item's text, or empty for none.
std::wstring PreviewPictureFor(const std::wstring& foundItemText);

// The window's parent hears of the mouse wheel turned over it (a tree
// keeps the wheel to itself while it has the focus).
void TellParentOfWheel(HWND window);
// The window keeps its wheel to itself again. A subclassed window pays for
// every message it gets (thousands while a scan fills the tree), so the
// wheel is watched only while a picture shows.
void StopTellingParentOfWheel(HWND window);

} // namespace nimbrel
