#include "Fonts.h"

#include <cwchar>

namespace nimbrel {

int FontHeightForPoints(double points, double dpi) {
    return -static_cast<int>(points * dpi / 72.0 + 0.5);
}

UniqueFont CreateFontAt96Dpi(const FontSpec& spec) {
    LOGFONTW font{};
    font.lfHeight = FontHeightForPoints(spec.points, 96.0);
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic ? TRUE : FALSE;
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    font.lfCharSet = spec.charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace nimbrel
