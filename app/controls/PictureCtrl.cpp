#include "PictureCtrl.h"

#include "win32/ComApartment.h"
#include "win32/ComPtr.h"
#include "MemDC.h"
#include "ParentBackground.h"
#include "win32/Handles.h"

#include <windows.h>

#include <gdiplus.h>
#include <wincodec.h>

namespace nimbrel {

namespace {

// The picture's size as its header tells it, without decoding a pixel;
// zero when the bytes are no picture the system knows.
uint64_t PixelCount(IStream* stream) {
    win32::CComApartment apartment;
    win32::ComPtr<IWICImagingFactory> factory;
    win32::ComPtr<IWICBitmapDecoder> decoder;
    win32::ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    const bool known =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) &&
        SUCCEEDED(
            factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder.p)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame.p)) && SUCCEEDED(frame->GetSize(&width, &height));
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return known ? static_cast<uint64_t>(width) * height : 0;
}

} // namespace

CPictureCtrl::CPictureCtrl() = default;

CPictureCtrl::~CPictureCtrl() {
    Clear();
}

void CPictureCtrl::Clear() {
    loaded_ = false;
    decoded_ = false;
    image_.reset(); // it reads from the stream: it goes first
    if (stream_) {
        stream_->Release();
        stream_ = nullptr;
    }
}

bool CPictureCtrl::LoadFromFile(const std::wstring& path, uint64_t maxBytes) {
    Clear();
    auto fail = [this](DWORD error) {
        Clear();
        if (hwnd_) {
            InvalidateRect(hwnd_, nullptr, TRUE);
        }
        SetLastError(error);
        return false;
    };
    // The file may be in use by the program that made it.
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return fail(GetLastError());
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        return fail(GetLastError());
    }
    if (static_cast<uint64_t>(size.QuadPart) > maxBytes) {
        return fail(ERROR_FILE_TOO_LARGE);
    }
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream_))) {
        stream_ = nullptr;
        return fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    char chunk[1024];
    uint64_t total = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
            return fail(GetLastError());
        }
        if (read == 0) {
            break;
        }
        // A file that grows while it is read stops at the cap all the same.
        total += read;
        if (total > maxBytes) {
            return fail(ERROR_FILE_TOO_LARGE);
        }
        ULONG written = 0;
        if (FAILED(stream_->Write(chunk, read, &written)) || written != read) {
            return fail(ERROR_WRITE_FAULT);
        }
    }
    const LARGE_INTEGER start{};
    stream_->Seek(start, STREAM_SEEK_SET, nullptr);
    loaded_ = true;
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
    return true;
}

bool CPictureCtrl::HasPicture() {
    if (!loaded_) {
        return false;
    }
    if (!decoded_) {
        decoded_ = true;
        // A small file may still unpack into more memory than a preview
        // deserves: the header is asked first.
        const uint64_t pixels = PixelCount(stream_);
        if (pixels == 0 || pixels > kMaxPixels) {
            return false;
        }
        image_.reset(Gdiplus::Image::FromStream(stream_));
        if (image_ &&
            (image_->GetLastStatus() != Gdiplus::Ok || image_->GetWidth() == 0 || image_->GetHeight() == 0)) {
            image_.reset();
        }
    }
    return image_ != nullptr;
}

RECT CPictureCtrl::PlacePicture(SIZE image, SIZE control) {
    LONG width = image.cx;
    LONG height = image.cy;
    if (width > control.cx || height > control.cy) {
        // Shrunk in proportion: a picture squeezed in one direction only
        // would show the user something that is not there.
        const double scale =
            std::min(static_cast<double>(control.cx) / width, static_cast<double>(control.cy) / height);
        width = std::max(1L, static_cast<LONG>(width * scale + 0.5));
        height = std::max(1L, static_cast<LONG>(height * scale + 0.5));
    }
    const LONG left = (control.cx - width) / 2;
    const LONG top = (control.cy - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void CPictureCtrl::Paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    CMemDC dc(target, client);
    PaintParentBackground(hwnd_, dc);
    if (!HasPicture()) {
        return;
    }
    const RECT place =
        PlacePicture(SIZE{static_cast<LONG>(image_->GetWidth()), static_cast<LONG>(image_->GetHeight())},
                     SIZE{client.right, client.bottom});
    Gdiplus::Graphics graphics(dc.Get());
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(image_.get(), static_cast<INT>(place.left), static_cast<INT>(place.top),
                       static_cast<INT>(place.right - place.left),
                       static_cast<INT>(place.bottom - place.top));
}

LRESULT CPictureCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole control
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        Paint(dc);
        EndPaint(hwnd_, &paint);
        return 0;
    }
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace nimbrel
