// Folders that cleaning empties but must not remove: Windows and the user's
// programs expect the shell's folders, the temporary folders and the drive
// roots to be there.
#pragma once

#include <string>

namespace scrub {

// Whether the folder is one the system names for a purpose (a shell folder,
// a temporary folder, the Windows folder) or a drive root.
bool IsSystemFolder(const std::wstring& folder);

// Removes the folder a cleaned file was in when nothing is left in it,
// unless it is a system folder.
void RemoveFolderIfLeftEmpty(const std::wstring& folder);

} // namespace scrub
