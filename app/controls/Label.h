// A static text with its own font and colours, optionally drawn raised or
// sunken, and optionally telling its parent when the mouse enters or
// leaves it.
#pragma once

#include "Fonts.h"
#include "HoverTracker.h"
#include "SubclassedControl.h"

#include <optional>

namespace nimbrel {

class CLabel : public CSubclassedControl {
public:
    enum class Look { Flat, Raised, Sunken };

    // Every setter redraws the label.
    void SetText(const std::wstring& text);
    void SetFontName(const std::wstring& face, BYTE charset = DEFAULT_CHARSET);
    void SetFontSize(double points);
    void SetFontBold(bool bold);
    void SetFontUnderline(bool underline);
    void SetFontItalic(bool italic);
    void SetTextColor(COLORREF color);
    // An opaque background; SetTransparent(true) shows the parent instead.
    void SetBkColor(COLORREF color);
    void SetTransparent(bool transparent);
    // Raised: the text again in `second`, one pixel down-right; sunken: one
    // pixel up-left.
    void SetLook(Look look, COLORREF second = RGB(255, 255, 255));
    // The pages' usual text: a face, size and colour over the parent.
    void SetTextStyle(const std::wstring& face, double points, COLORREF color, bool bold = false);
    // Sends kControlHoverMessage to the parent as the mouse enters and leaves.
    void SetHoverNotify(bool notify) { hoverNotify_ = notify; }

    const FontSpec& Font() const { return font_; }
    // The width in pixels of `text` in the label's font.
    int TextWidth(const std::wstring& text) const;
    COLORREF TextColor() const { return textColor_; }

    // DrawText flags for the static control's style and text.
    static UINT TextFormat(LONG_PTR style, const std::wstring& text);

protected:
    void OnAttached() override;
    void OnDpiChanged() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FontChanged();
    HFONT DrawingFont() const;
    void Paint(HDC dc) const;

    FontSpec font_;
    bool ownFont_ = false; // false: the font the dialog gave the control
    win32::UniqueFont fontHandle_;
    COLORREF textColor_ = GetSysColor(COLOR_WINDOWTEXT);
    std::optional<COLORREF> background_; // none: transparent
    Look look_ = Look::Flat;
    COLORREF secondColor_ = RGB(255, 255, 255);
    bool hoverNotify_ = false;
    CHoverTracker hover_;
};

} // namespace nimbrel
