// An image push button: one image for rest, one while the mouse is over it
// (or it has the focus), one while it is pressed, with an optional small
// icon on its left.
#pragma once

#include "win32/GdiHandles.h"
#include "HoverTracker.h"
#include "SubclassedControl.h"

#include <optional>

namespace nimbrel {

class CXPButton : public CSubclassedControl {
public:
    // Bitmap resources of `module` (null: the program), the copies for the
    // dialog's DPI, made anew when it changes. Redraws.
    void SetImages(HINSTANCE module, UINT normal, UINT hover, UINT pressed);
    void SetImages(win32::UniqueBitmap normal, win32::UniqueBitmap hover, win32::UniqueBitmap pressed);
    // A bitmap drawn at x 12 (at 96 DPI), vertically centred; `transparent` pixels let
    // the button image show through.
    void SetIcon(HINSTANCE module, UINT bitmap, COLORREF transparent);
    // Fills the button before the image is drawn (for images smaller than
    // the button, or none).
    void SetBackgroundColor(COLORREF color);

    bool IsMouseOver() const { return hover_.IsHovering(); }

    enum class Face { Normal, Hover, Pressed };
    // The image a button shows for the owner-draw state flags.
    Face FaceFor(UINT itemState) const;

protected:
    void OnAttached() override;
    void OnDpiChanged() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    bool IsDefaultButton() const;

    win32::UniqueBitmap normal_;
    win32::UniqueBitmap hoverImage_;
    win32::UniqueBitmap pressed_;
    struct ImageResources {
        HINSTANCE module;
        UINT normal, hover, pressed;
    };
    std::optional<ImageResources> resources_;
    win32::UniqueBitmap icon_;
    HINSTANCE iconModule_ = nullptr;
    UINT iconId_ = 0;
    COLORREF iconTransparent_ = RGB(255, 0, 255);
    std::optional<COLORREF> background_;
    CHoverTracker hover_;
};

} // namespace nimbrel
