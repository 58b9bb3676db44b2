// Messages between the dialogs and the controls they hold.
#pragma once

#include <windows.h>

namespace nimbrel {

// A parent passes owner-draw and colour messages back to the control they
// concern as kReflectedBase + the original message, so that a control draws
// itself whatever dialog holds it. A control that handles one returns
// non-zero (TRUE, or its brush).
inline constexpr UINT kReflectedBase = 0x2000;
inline constexpr UINT Reflected(UINT message) {
    return kReflectedBase + message;
}

// Sent by a control to its parent when the mouse enters (lParam 1) or leaves
// (lParam 0) it; wParam is the control's identifier.
inline constexpr UINT kControlHoverMessage = WM_APP + 0x3F00;

// Sent by a dialog to each of its children once it has laid itself out for
// a new DPI (wParam): a control remakes its fonts and images, a child
// dialog lays itself out as well.
inline constexpr UINT kDpiChangedMessage = WM_APP + 0x3F01;

} // namespace nimbrel
