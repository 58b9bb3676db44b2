#include "ProgramLook.h"

#include "win32/GdiHandles.h"

namespace nimbrel {

void FillColour(HDC dc, const RECT& area, COLORREF colour) {
    win32::UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.Get());
}

bool DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = win32::BitmapSize(bitmap);
    win32::UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (!bitmap || !source || size.cx == 0) {
        return false;
    }
    win32::CSelectObject select(source.Get(), bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    return true;
}

} // namespace nimbrel
