// An off-screen surface for one paint: the control draws into it in the
// target's own coordinates, and the surface reaches the target in one block
// when it goes, so that nothing flickers.
#pragma once

#include "win32/GdiHandles.h"

namespace nimbrel {

class CMemDC {
public:
    CMemDC(HDC target, const RECT& area);
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    ~CMemDC();

    // Where to draw: the surface, or the target itself when no surface could
    // be made (the paint then still happens, only not off-screen).
    HDC Get() const { return surface_ ? surface_.Get() : target_; }
    operator HDC() const { return Get(); }
    const RECT& Area() const { return area_; }

private:
    HDC target_;
    RECT area_;
    win32::UniqueMemoryDC surface_;
    win32::UniqueBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

} // namespace nimbrel
