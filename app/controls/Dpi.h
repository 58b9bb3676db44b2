// The DPI a window is laid out for, and pixels, rectangles and images
// measured at 96 DPI made for it. The program's layout, fonts and images
// are drawn for 96 DPI and grow in proportion on a screen set to more.
#pragma once

#include "win32/GdiHandles.h"

#include <windows.h>

namespace nimbrel {

inline constexpr int kBaseDpi = 96;

// `pixels` at 96 DPI for `dpi`, rounded (MulDiv).
int ScaleForDpi(int pixels, int dpi);
// Every edge scaled, so that rectangles that touch at 96 DPI still touch
// and ones that do not overlap still do not.
RECT ScaleForDpi(const RECT& rect, int dpi);

// The DPI of the monitor the window is on (the system's DPI where Windows
// has no DPI per window).
int WindowDpi(HWND window);
// The DPI the window's dialog is laid out for: the nearest of the window
// and its parents that a dialog marked (SetLayoutDpi), else WindowDpi.
int LayoutDpi(HWND window);
void SetLayoutDpi(HWND dialog, int dpi);
void ClearLayoutDpi(HWND dialog);

// The system metric (SM_CXICON...) at `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The window frame around `client` for the window's style at `dpi`.
RECT FrameForClient(HWND window, const RECT& client, int dpi);

// The resource of an image's copy drawn for 150 % and 200 %: its
// identifier + 15000 and + 20000 (the resource script keeps the same).
inline constexpr UINT kArtwork150Offset = 15000;
inline constexpr UINT kArtwork200Offset = 20000;
// The bitmap resource `id` at its 96-DPI size scaled to `dpi`: the copy
// drawn for that scale when there is one, else the next larger copy made
// smaller (else the largest made larger). `exact`: a copy that needs
// resizing keeps its pixels' colours (nearest pixel), for images with a
// colour that stands for transparency.
win32::UniqueBitmap LoadBitmapForDpi(HINSTANCE module, UINT id, int dpi, bool exact = false);

} // namespace nimbrel
