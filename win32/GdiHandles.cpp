#include "win32/GdiHandles.h"

namespace win32 {

UniqueBitmap LoadBitmapResource(HINSTANCE module, UINT id) {
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(module ? module : GetModuleHandleW(nullptr),
                                                        MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

} // namespace win32
