// A push button drawn as a link: its text in the link look, another look
// while the mouse is over it, and an optional icon on its left. The parent
// handles the click as for any button.
#pragma once

#include "Fonts.h"
#include "win32/GdiHandles.h"
#include "HoverTracker.h"
#include "SubclassedControl.h"

#include <optional>

namespace nimbrel {

class CHyperLinkButton : public CSubclassedControl {
public:
    CHyperLinkButton();

    void SetNormalLook(COLORREF color, const FontSpec& font);
    void SetHoverLook(COLORREF color, const FontSpec& font);
    // An opaque background; SetTransparent(true) shows the parent instead.
    void SetBackgroundColor(COLORREF color);
    void SetTransparent(bool transparent);
    void SetIcon(HINSTANCE module, UINT bitmap, COLORREF transparent);

    bool IsMouseOver() const { return hover_.IsHovering(); }

    // Pixels between the icon and the text (at 96 DPI).
    static constexpr int kIconGap = 4;

protected:
    void OnAttached() override;
    void OnDpiChanged() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct LinkLook {
        COLORREF color;
        FontSpec spec;
        win32::UniqueFont font;
    };
    void Draw(const DRAWITEMSTRUCT& item) const;
    void Changed() const;
    int FontDpi() const;

    LinkLook normal_;
    LinkLook hoverLook_;
    std::optional<COLORREF> background_; // none: transparent
    win32::UniqueBitmap icon_;
    HINSTANCE iconModule_ = nullptr;
    UINT iconId_ = 0;
    COLORREF iconTransparent_ = RGB(255, 0, 255);
    CHoverTracker hover_;
};

} // namespace nimbrel
