#include "PictureCtrl.h"

#include "core/Handles.h"

#include <windows.h>

namespace nimbrel {

CPictureCtrl::~CPictureCtrl() {
    Clear();
}

void CPictureCtrl::Clear() {
    loaded_ = false;
    if (stream_) {
        stream_->Release();
        stream_ = nullptr;
    }
}

bool CPictureCtrl::LoadFromFile(const std::wstring& path) {
    Clear();
    auto fail = [this](DWORD error) {
        Clear();
        if (hwnd_) {
            InvalidateRect(hwnd_, nullptr, TRUE);
        }
        SetLastError(error);
        return false;
    };
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream_))) {
        stream_ = nullptr;
        return fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    // The file may be in use by the program that made it.
    scrub::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return fail(GetLastError());
    }
    char chunk[1024];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
            return fail(GetLastError());
        }
        if (read == 0) {
            break;
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

} // namespace nimbrel
