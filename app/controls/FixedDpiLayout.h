// Lays a dialog out from its template: the pixel layout it has at 96 DPI,
// grown in proportion for the window's DPI, so that every page keeps its
// proportions (and its images fit) on any screen setting and whatever face
// the system gives the dialog font.
#pragma once

#include "Fonts.h"
#include "win32/GdiHandles.h"

#include <windows.h>

namespace nimbrel {

// A rectangle in dialog units as pixels: every edge and size rounded.
RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

// Sizes the dialog's client area and moves every control of the template
// to its place at 96 DPI scaled to `dpi` (every edge), and sets the
// template's font, made for `dpi`, on the dialog and its controls. A template in the dialog face is placed by
// the face's nominal base units, not by those of the face the system resolves, and its font is fitted to them
// (FittedDialogFaceHeight); a template naming another face is placed by that face's measured units. The
// returned font must live as long as the dialog. Nothing happens (a null font) when the template cannot be
// read.
win32::UniqueFont LayOutAtFixedDpi(HWND dialog, UINT templateId, int dpi = 96, HINSTANCE module = nullptr);

} // namespace nimbrel
