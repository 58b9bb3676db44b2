#include "Dpi.h"

namespace nimbrel {

namespace {

constexpr wchar_t kLayoutDpiProperty[] = L"Nimbrel.LayoutDpi";

// Windows 10 1607 and later; earlier systems have one DPI for every window.
template <class Function> Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

int SystemDpi() {
    win32::CWindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kBaseDpi;
}

struct ArtworkCopy {
    UINT offset;
    int percent;
};
constexpr ArtworkCopy kCopies[] = {{0, 100}, {kArtwork150Offset, 150}, {kArtwork200Offset, 200}};

win32::UniqueBitmap Resized(HBITMAP source, SIZE size, bool exact) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    win32::UniqueBitmap result(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDC from(CreateCompatibleDC(nullptr));
    win32::UniqueMemoryDC to(CreateCompatibleDC(nullptr));
    if (!result || !from || !to) {
        return win32::UniqueBitmap();
    }
    const SIZE sourceSize = win32::BitmapSize(source);
    win32::CSelectObject selectFrom(from.Get(), source);
    win32::CSelectObject selectTo(to.Get(), result.Get());
    SetStretchBltMode(to.Get(), exact ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, size.cx, size.cy, from.Get(), 0, 0, sourceSize.cx, sourceSize.cy, SRCCOPY);
    return result;
}

} // namespace

int ScaleForDpi(int pixels, int dpi) {
    return dpi == kBaseDpi ? pixels : MulDiv(pixels, dpi, kBaseDpi);
}

RECT ScaleForDpi(const RECT& rect, int dpi) {
    return RECT{ScaleForDpi(rect.left, dpi), ScaleForDpi(rect.top, dpi), ScaleForDpi(rect.right, dpi),
                ScaleForDpi(rect.bottom, dpi)};
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int LayoutDpi(HWND window) {
    for (HWND at = window; at; at = GetParent(at)) {
        if (const auto dpi = reinterpret_cast<INT_PTR>(GetPropW(at, kLayoutDpiProperty))) {
            return static_cast<int>(dpi);
        }
        if (!(GetWindowLongPtrW(at, GWL_STYLE) & WS_CHILD)) {
            break; // an owned window does not take its owner's DPI
        }
    }
    return WindowDpi(window);
}

void SetLayoutDpi(HWND dialog, int dpi) {
    SetPropW(dialog, kLayoutDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

void ClearLayoutDpi(HWND dialog) {
    RemovePropW(dialog, kLayoutDpiProperty);
}

int SystemMetricForDpi(int index, int dpi) {
    using Function = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<Function>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

RECT FrameForClient(HWND window, const RECT& client, int dpi) {
    using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = User32Function<Function>("AdjustWindowRectExForDpi");
    RECT frame = client;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr && !(style & WS_CHILD);
    if (!forDpi || !forDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi))) {
        frame = client;
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    }
    return frame;
}

win32::UniqueBitmap LoadBitmapForDpi(HINSTANCE module, UINT id, int dpi, bool exact) {
    if (dpi == kBaseDpi) {
        return win32::LoadBitmapResource(module, id);
    }
    // The smallest copy drawn for at least this scale: making a picture
    // smaller keeps it sharp, making it larger does not.
    const int percent = MulDiv(dpi, 100, kBaseDpi);
    win32::UniqueBitmap image;
    int imagePercent = 100;
    for (const ArtworkCopy& copy : kCopies) {
        if (win32::UniqueBitmap found = win32::LoadBitmapResource(module, id + copy.offset)) {
            image = std::move(found);
            imagePercent = copy.percent;
            if (copy.percent >= percent) {
                break;
            }
        }
    }
    if (!image || imagePercent == percent) {
        return image;
    }
    const SIZE size = win32::BitmapSize(image.Get());
    const SIZE wanted{MulDiv(size.cx, dpi * 100, kBaseDpi * imagePercent),
                      MulDiv(size.cy, dpi * 100, kBaseDpi * imagePercent)};
    if (wanted.cx == size.cx && wanted.cy == size.cy) {
        return image;
    }
    win32::UniqueBitmap resized = Resized(image.Get(), wanted, exact);
    return resized ? std::move(resized) : std::move(image);
}

} // namespace nimbrel
