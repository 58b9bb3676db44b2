// Fonts of the program's own controls. Sizes are taken at 96 DPI, like the
// fixed-DPI layout, so that text keeps fitting the pixel-sized controls on
// any DPI setting.
#pragma once

#include "GdiHandles.h"

#include <string>

namespace nimbrel {

struct FontSpec {
    std::wstring face = L"MS Shell Dlg";
    double points = 8;
    int weight = FW_NORMAL; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    BYTE charset = DEFAULT_CHARSET;
};

// The pixel height (negative: character height) of a font of `points` at
// `dpi`: -(points * dpi / 72 + 0.5).
int FontHeightForPoints(double points, double dpi);
UniqueFont CreateFontAt96Dpi(const FontSpec& spec);

} // namespace nimbrel
