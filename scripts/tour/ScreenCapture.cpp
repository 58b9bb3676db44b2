#include "ScreenCapture.h"

// GDI+ wants the OLE property types that a lean windows.h leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <memory>
#include <vector>

namespace tour {

namespace {

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok_) {
            Gdiplus::GdiplusShutdown(token_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

bool PngEncoder(CLSID* clsid) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
        return false;
    }
    std::vector<BYTE> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) {
        return false;
    }
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() { DeleteDC(dc); }
};

struct Bitmap {
    HBITMAP handle;
    ~Bitmap() { DeleteObject(handle); }
};

} // namespace

bool SaveWindowPicture(HWND window, const std::wstring& file) {
    RECT rect{};
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) {
        return false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    GdiplusSession gdiplus;
    CLSID png{};
    if (!gdiplus.Ok() || !PngEncoder(&png)) {
        return false;
    }
    ScreenDc screen;
    MemoryDc memory(screen.dc);
    Bitmap bitmap{CreateCompatibleBitmap(screen.dc, width, height)};
    if (!screen.dc || !memory.dc || !bitmap.handle) {
        return false;
    }
    HGDIOBJ old = SelectObject(memory.dc, bitmap.handle);
    const BOOL copied = BitBlt(memory.dc, 0, 0, width, height, screen.dc, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.dc, old);
    if (!copied) {
        return false;
    }
    Gdiplus::Bitmap picture(bitmap.handle, nullptr);
    return picture.Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
}

} // namespace tour
