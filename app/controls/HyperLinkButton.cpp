#include "HyperLinkButton.h"

#include "ControlMessages.h"
#include "Dpi.h"
#include "MemDC.h"
#include "ParentBackground.h"

namespace nimbrel {

namespace {

FontSpec LinkFont() {
    FontSpec spec;
    spec.underline = true;
    return spec;
}

} // namespace

CHyperLinkButton::CHyperLinkButton()
    : normal_{RGB(0, 0, 238), LinkFont(), CreateFontAt96Dpi(LinkFont())},
      hoverLook_{RGB(10, 10, 247), LinkFont(), CreateFontAt96Dpi(LinkFont())} {}

void CHyperLinkButton::Changed() const {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

int CHyperLinkButton::FontDpi() const {
    return hwnd_ ? Dpi() : kBaseDpi;
}

void CHyperLinkButton::SetNormalLook(COLORREF color, const FontSpec& font) {
    normal_ = LinkLook{color, font, CreateFontForDpi(font, FontDpi())};
    Changed();
}

void CHyperLinkButton::SetHoverLook(COLORREF color, const FontSpec& font) {
    hoverLook_ = LinkLook{color, font, CreateFontForDpi(font, FontDpi())};
    Changed();
}

void CHyperLinkButton::SetBackgroundColor(COLORREF color) {
    background_ = color;
    Changed();
}

void CHyperLinkButton::SetTransparent(bool transparent) {
    if (transparent) {
        background_.reset();
    } else if (!background_) {
        background_ = GetSysColor(COLOR_3DFACE);
    }
    Changed();
}

void CHyperLinkButton::SetIcon(HINSTANCE module, UINT bitmap, COLORREF transparent) {
    iconModule_ = module;
    iconId_ = bitmap;
    icon_ = LoadBitmapForDpi(module, bitmap, FontDpi(), true);
    iconTransparent_ = transparent;
    Changed();
}

void CHyperLinkButton::OnDpiChanged() {
    for (LinkLook* look : {&normal_, &hoverLook_}) {
        look->font = CreateFontForDpi(look->spec, Dpi());
    }
    if (iconId_) {
        icon_ = LoadBitmapForDpi(iconModule_, iconId_, Dpi(), true);
    }
    Changed();
}

void CHyperLinkButton::OnAttached() {
    if (Dpi() != kBaseDpi) {
        OnDpiChanged(); // the looks were made before the button was known
    }
    const auto style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    }
}

void CHyperLinkButton::Draw(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    CMemDC surface(item.hDC, area);
    if (background_) {
        win32::UniqueBrush brush(CreateSolidBrush(*background_));
        FillRect(surface, &area, brush.Get());
    } else {
        PaintParentBackground(hwnd_, surface);
    }
    RECT textArea = area;
    if (icon_) {
        const SIZE size = win32::BitmapSize(icon_.Get());
        win32::UniqueMemoryDC source(CreateCompatibleDC(surface));
        win32::CSelectObject select(source.Get(), icon_.Get());
        const int top = area.top + (area.bottom - area.top - size.cy) / 2;
        TransparentBlt(surface, area.left, top, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy,
                       iconTransparent_);
        textArea.left += size.cx + ScaleForDpi(kIconGap, Dpi());
    }
    const LinkLook& look = hover_.IsHovering() ? hoverLook_ : normal_;
    win32::CSelectObject select(surface, look.font.Get());
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, look.color);
    const std::wstring text = Text();
    DrawTextW(surface, text.c_str(), -1, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        // Keyboard users still see which link Enter would follow.
        RECT measured = textArea;
        DrawTextW(surface, text.c_str(), -1, &measured, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        measured.top = textArea.top + (textArea.bottom - textArea.top - height) / 2;
        measured.bottom = measured.top + height;
        DrawFocusRect(surface, &measured);
    }
}

LRESULT CHyperLinkButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hover_.OnMessage(hwnd_, message)) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    switch (message) {
    case Reflected(WM_DRAWITEM):
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDBLCLK:
        return Default(WM_LBUTTONDOWN, wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace nimbrel
