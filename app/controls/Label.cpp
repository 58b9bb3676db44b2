#include "Label.h"

#include "ControlMessages.h"
#include "MemDC.h"
#include "ParentBackground.h"

namespace nimbrel {

void CLabel::OnAttached() {
    // Start from the font the dialog gave the control, so that a label whose
    // size alone changes keeps the template's face. Its height is kept as it
    // is until a size is set: the dialog has already fitted it to the layout.
    if (HFONT current = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0))) {
        LOGFONTW logical{};
        if (GetObjectW(current, sizeof logical, &logical)) {
            const int dpi = Dpi();
            font_.face = logical.lfFaceName;
            font_.points = logical.lfHeight < 0 ? -logical.lfHeight * 72.0 / dpi : font_.points;
            font_.pixelHeight = logical.lfHeight;
            font_.pixelDpi = dpi;
            font_.weight = logical.lfWeight ? logical.lfWeight : FW_NORMAL;
            font_.italic = logical.lfItalic != 0;
            font_.underline = logical.lfUnderline != 0;
            font_.charset = logical.lfCharSet;
        }
    }
    // Hover and click messages reach a static only with SS_NOTIFY.
    const auto style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, style | SS_NOTIFY);
}

void CLabel::SetText(const std::wstring& text) {
    CWindow::SetText(text);
    Redraw();
}

void CLabel::FontChanged() {
    ownFont_ = true;
    fontHandle_ = CreateFontForDpi(font_, hwnd_ ? Dpi() : 96);
    if (hwnd_) {
        Redraw();
    }
}

void CLabel::OnDpiChanged() {
    // A label in the dialog's font has it made anew by the dialog.
    if (ownFont_) {
        FontChanged();
    }
}

void CLabel::SetFontName(const std::wstring& face, BYTE charset) {
    font_.face = face;
    font_.charset = charset;
    FontChanged();
}

void CLabel::SetFontSize(double points) {
    font_.points = points;
    font_.pixelHeight = 0;
    FontChanged();
}

void CLabel::SetFontBold(bool bold) {
    font_.weight = bold ? FW_BOLD : FW_NORMAL;
    FontChanged();
}

void CLabel::SetFontUnderline(bool underline) {
    font_.underline = underline;
    FontChanged();
}

void CLabel::SetFontItalic(bool italic) {
    font_.italic = italic;
    FontChanged();
}

void CLabel::SetTextColor(COLORREF color) {
    textColor_ = color;
    if (hwnd_) {
        Redraw();
    }
}

void CLabel::SetBkColor(COLORREF color) {
    background_ = color;
    if (hwnd_) {
        Redraw();
    }
}

void CLabel::SetTransparent(bool transparent) {
    if (transparent) {
        background_.reset();
    } else if (!background_) {
        background_ = GetSysColor(COLOR_3DFACE);
    }
    if (hwnd_) {
        Redraw();
    }
}

void CLabel::SetTextStyle(const std::wstring& face, double points, COLORREF color, bool bold) {
    SetFontName(face);
    SetFontSize(points);
    SetFontBold(bold);
    SetTextColor(color);
    SetTransparent(true);
}

void CLabel::SetLook(Look look, COLORREF second) {
    look_ = look;
    secondColor_ = second;
    if (hwnd_) {
        Redraw();
    }
}

UINT CLabel::TextFormat(LONG_PTR style, const std::wstring& text) {
    UINT format = DT_EXPANDTABS;
    if (style & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    if (style & SS_CENTERIMAGE) {
        // One line centred both ways, unless the text breaks its own lines.
        if (text.find(L"\r\n") == std::wstring::npos) {
            return format | DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        }
        return format | DT_CENTER | DT_WORDBREAK;
    }
    // A long path keeps its start and its file name, one line high.
    if ((style & SS_ELLIPSISMASK) == SS_PATHELLIPSIS) {
        return format | DT_LEFT | DT_SINGLELINE | DT_PATH_ELLIPSIS;
    }
    if ((style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS) {
        return format | DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS;
    }
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return format | DT_RIGHT | DT_WORDBREAK;
    case SS_LEFTNOWORDWRAP:
        return format | DT_LEFT;
    default:
        return format | DT_LEFT | DT_WORDBREAK;
    }
}

HFONT CLabel::DrawingFont() const {
    return ownFont_ ? fontHandle_.Get() : reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
}

int CLabel::TextWidth(const std::wstring& text) const {
    win32::CWindowDC screen(hwnd_);
    win32::CSelectObject select(screen.Get(), DrawingFont());
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void CLabel::Paint(HDC target) const {
    const RECT client = ClientRect();
    CMemDC surface(target, client);
    if (background_) {
        win32::UniqueBrush brush(CreateSolidBrush(*background_));
        FillRect(surface, &client, brush.Get());
    } else {
        PaintParentBackground(hwnd_, surface);
    }
    win32::CSelectObject select(surface, DrawingFont());
    SetBkMode(surface, TRANSPARENT);

    const std::wstring text = Text();
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const UINT format = TextFormat(style, text);
    RECT area = client;
    if ((style & SS_CENTERIMAGE) && !(format & DT_SINGLELINE)) {
        // Several lines centred as a block.
        RECT measured = client;
        DrawTextW(surface, text.c_str(), -1, &measured, format | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        area.top = client.top + ((client.bottom - client.top) - height) / 2;
        area.bottom = area.top + height;
    }
    if (look_ != Look::Flat) {
        const int shift = look_ == Look::Raised ? 1 : -1;
        RECT second = area;
        OffsetRect(&second, shift, shift);
        ::SetTextColor(surface, secondColor_);
        DrawTextW(surface, text.c_str(), -1, &second, format);
    }
    ::SetTextColor(surface, textColor_);
    DrawTextW(surface, text.c_str(), -1, &area, format);
}

LRESULT CLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hover_.OnMessage(hwnd_, message) && hoverNotify_) {
        SendMessageW(GetParent(hwnd_), kControlHoverMessage, static_cast<WPARAM>(ControlId()),
                     hover_.IsHovering() ? 1 : 0);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        Paint(dc);
        EndPaint(hwnd_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole label
    case WM_SETTEXT: {
        // The static would draw the new text itself, over the old one.
        const LRESULT result = Default(message, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return result;
    }
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace nimbrel
