// Windows, pixels and the mouse for the controls tests.
#pragma once

#include "win32/GdiHandles.h"
#include "TestProcess.h"

#include <windows.h>

#include <string>
#include <vector>

namespace controls_tests {

using testing_support::Pump;

// A bitmap of one colour.
win32::UniqueBitmap SolidBitmap(COLORREF color, int width = 16, int height = 16);

// The client area of a window as it is on screen now, row by row.
class Pixels {
public:
    explicit Pixels(HWND window);
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // How many pixels match.
    template <class Test> int Count(Test test) const {
        int n = 0;
        for (COLORREF c : pixels_) {
            n += test(c) ? 1 : 0;
        }
        return n;
    }
    // The first and last column holding a matching pixel (-1 when none).
    template <class Test> std::pair<int, int> Columns(Test test) const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < width_; ++x) {
            for (int y = 0; y < height_; ++y) {
                if (test(At(x, y))) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

inline bool IsDark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
}
inline bool IsReddish(COLORREF c) {
    return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110;
}

// The centre of a window on the screen.
POINT ScreenCentre(HWND window);
// Puts the mouse pointer on a screen point and lets the windows see it.
void MoveMouse(POINT to);
// A screen point no test window covers.
POINT AwayFromWindows();

} // namespace controls_tests
