// The colours of the program's windows.
#pragma once

#include <windows.h>

namespace nimbrel {

// The header band of the main window, the window below it, the navigation
// column, and the text colour of headings.
inline constexpr COLORREF kHeaderGreen = RGB(61, 164, 75);
inline constexpr COLORREF kBodyNavy = RGB(22, 52, 112);
inline constexpr COLORREF kFrameBlue = RGB(123, 184, 231);
inline constexpr COLORREF kPageWhite = RGB(255, 255, 255);

// Fills a rectangle of a device context with one colour.
void FillColour(HDC dc, const RECT& area, COLORREF colour);
// Draws a bitmap resource at (x, y) at its own size; false when missing.
bool DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y);

} // namespace nimbrel
