// Transparent controls show what their parent paints behind them.
#pragma once

#include <windows.h>

namespace nimbrel {

// Paints the parent's background and picture under `child` into `dc`, whose
// coordinates are the child's client coordinates.
void PaintParentBackground(HWND child, HDC dc);

} // namespace nimbrel
