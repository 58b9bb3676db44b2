// Lays a dialog out from its template at a fixed DPI, so that every page
// keeps its pixel layout (and its images fit) on any screen setting.
#pragma once

#include "GdiHandles.h"

#include <windows.h>

namespace nimbrel {

struct DialogBaseUnits {
    int cx = 0; // pixels per 4 horizontal dialog units
    int cy = 0; // pixels per 8 vertical dialog units
};

// The base units of a font, measured as the dialog manager measures them.
DialogBaseUnits MeasureDialogBaseUnits(HFONT font);
// A rectangle in dialog units as pixels: every edge and size rounded.
RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

// Sizes the dialog's client area and moves every control of the template
// to its place, all computed with the template's font made for `dpi`, and
// sets that font on the dialog and its controls. The returned font must
// live as long as the dialog. Nothing happens (a null font) when the
// template cannot be read.
UniqueFont LayOutAtFixedDpi(HWND dialog, UINT templateId, double dpi = 96.0, HINSTANCE module = nullptr);

} // namespace nimbrel
