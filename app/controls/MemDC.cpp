#include "MemDC.h"

namespace nimbrel {

CMemDC::CMemDC(HDC target, const RECT& area) : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    win32::UniqueMemoryDC surface(CreateCompatibleDC(target));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
    if (!surface || !bitmap) {
        return;
    }
    previousBitmap_ = SelectObject(surface.Get(), bitmap.Get());
    SetWindowOrgEx(surface.Get(), area.left, area.top, nullptr);
    surface_ = std::move(surface);
    bitmap_ = std::move(bitmap);
}

CMemDC::~CMemDC() {
    if (!surface_) {
        return;
    }
    SetWindowOrgEx(surface_.Get(), 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, surface_.Get(),
           0, 0, SRCCOPY);
    SelectObject(surface_.Get(), previousBitmap_);
}

} // namespace nimbrel
