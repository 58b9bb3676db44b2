// Pictures of a window as it stands on the screen, saved as PNG files.
#pragma once

#include <windows.h>

#include <string>

namespace tour {

// Copies the window's screen rectangle (frame included) into `file`.
bool SaveWindowPicture(HWND window, const std::wstring& file);

} // namespace tour
