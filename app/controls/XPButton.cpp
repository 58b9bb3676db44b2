#include "XPButton.h"

#include "ControlMessages.h"
#include "Dpi.h"
#include "MemDC.h"

namespace nimbrel {

namespace {

void DrawStretched(HDC target, const RECT& area, HBITMAP image) {
    const SIZE size = win32::BitmapSize(image);
    win32::UniqueMemoryDC source(CreateCompatibleDC(target));
    if (!source || size.cx == 0 || size.cy == 0) {
        return;
    }
    win32::CSelectObject select(source.Get(), image);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, source.Get(), 0,
               0, size.cx, size.cy, SRCCOPY);
}

} // namespace

void CXPButton::SetImages(HINSTANCE module, UINT normal, UINT hover, UINT pressed) {
    const int dpi = hwnd_ ? Dpi() : kBaseDpi;
    SetImages(LoadBitmapForDpi(module, normal, dpi), LoadBitmapForDpi(module, hover, dpi),
              LoadBitmapForDpi(module, pressed, dpi));
    resources_ = ImageResources{module, normal, hover, pressed};
}

void CXPButton::SetImages(win32::UniqueBitmap normal, win32::UniqueBitmap hover,
                          win32::UniqueBitmap pressed) {
    resources_.reset();
    normal_ = std::move(normal);
    hoverImage_ = std::move(hover);
    pressed_ = std::move(pressed);
    if (hwnd_) {
        Invalidate(false);
    }
}

void CXPButton::SetIcon(HINSTANCE module, UINT bitmap, COLORREF transparent) {
    iconModule_ = module;
    iconId_ = bitmap;
    icon_ = LoadBitmapForDpi(module, bitmap, hwnd_ ? Dpi() : kBaseDpi, true);
    iconTransparent_ = transparent;
    if (hwnd_) {
        Invalidate(false);
    }
}

void CXPButton::SetBackgroundColor(COLORREF color) {
    background_ = color;
    if (hwnd_) {
        Invalidate(false);
    }
}

void CXPButton::OnDpiChanged() {
    if (resources_) {
        const ImageResources images = *resources_;
        SetImages(images.module, images.normal, images.hover, images.pressed);
    }
    if (iconId_) {
        SetIcon(iconModule_, iconId_, iconTransparent_);
    }
}

void CXPButton::OnAttached() {
    // The button draws itself; its own look must never show through.
    const auto style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    }
}

bool CXPButton::IsDefaultButton() const {
    const LRESULT defaultId = SendMessageW(GetParent(hwnd_), DM_GETDEFID, 0, 0);
    return HIWORD(defaultId) == DC_HASDEFID && LOWORD(defaultId) == static_cast<WORD>(ControlId());
}

CXPButton::Face CXPButton::FaceFor(UINT itemState) const {
    if ((itemState & ODS_SELECTED) || IsDefaultButton()) {
        return Face::Pressed;
    }
    if (hover_.IsHovering() || (itemState & ODS_FOCUS)) {
        return Face::Hover;
    }
    return Face::Normal;
}

void CXPButton::Draw(const DRAWITEMSTRUCT& item) const {
    CMemDC surface(item.hDC, item.rcItem);
    if (background_) {
        win32::UniqueBrush brush(CreateSolidBrush(*background_));
        FillRect(surface, &item.rcItem, brush.Get());
    }
    const Face face = FaceFor(item.itemState);
    HBITMAP image = face == Face::Pressed ? pressed_.Get()
                    : face == Face::Hover ? hoverImage_.Get()
                                          : normal_.Get();
    DrawStretched(surface, item.rcItem, image);
    if (icon_) {
        const SIZE size = win32::BitmapSize(icon_.Get());
        win32::UniqueMemoryDC source(CreateCompatibleDC(surface));
        win32::CSelectObject select(source.Get(), icon_.Get());
        const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size.cy) / 2;
        TransparentBlt(surface, item.rcItem.left + ScaleForDpi(12, Dpi()), top, size.cx, size.cy,
                       source.Get(), 0, 0, size.cx, size.cy, iconTransparent_);
    }
}

LRESULT CXPButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hover_.OnMessage(hwnd_, message)) {
        Invalidate(false);
    }
    switch (message) {
    case Reflected(WM_DRAWITEM):
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE; // the image covers everything
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click, not a lost double-click.
        return Default(WM_LBUTTONDOWN, wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace nimbrel
