// Owners for the GDI objects, device contexts and image lists the windows
// create, so that every paint path gives back what it took.
#pragma once

#include "win32/Handles.h"

#include <windows.h>

#include <commctrl.h>

namespace win32 {

template <class T> struct GdiObjectTraits {
    using Handle = T;
    static T Invalid() { return nullptr; }
    static void Close(T h) { DeleteObject(h); }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDC = UniqueHandle<MemoryDCTraits>;
// A tab strip or tree does not own the image list it shows: its page does.
using UniqueImageList = UniqueHandle<ImageListTraits>;

// The device context of a window, released when it goes.
class CWindowDC {
public:
    explicit CWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    ~CWindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    ~CSelectObject() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A bitmap resource of the module, or a null owner when it is missing.
UniqueBitmap LoadBitmapResource(HINSTANCE module, UINT id);
SIZE BitmapSize(HBITMAP bitmap);

} // namespace win32
