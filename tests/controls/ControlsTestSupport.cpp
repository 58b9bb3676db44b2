#include "ControlsTestSupport.h"

#include "TestProcess.h"

#include <thread>

namespace controls_tests {

win32::UniqueBitmap SolidBitmap(COLORREF color, int width, int height) {
    win32::CWindowDC screen(nullptr);
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    win32::UniqueMemoryDC dc(CreateCompatibleDC(screen.Get()));
    win32::CSelectObject select(dc.Get(), bitmap.Get());
    win32::UniqueBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, brush.Get());
    return bitmap;
}

Pixels::Pixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    win32::CWindowDC source(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win32::UniqueBitmap copy(CreateDIBSection(source.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDC dc(CreateCompatibleDC(source.Get()));
    if (!copy || !dc) {
        return;
    }
    {
        win32::CSelectObject select(dc.Get(), copy.Get());
        BitBlt(dc.Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
    const auto* row = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const DWORD bgr = row[i];
        pixels_[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
}

POINT ScreenCentre(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void MoveMouse(POINT to) {
    SetCursorPos(to.x, to.y);
    Pump();
}

POINT AwayFromWindows() {
    return POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5};
}

} // namespace controls_tests
