#include "Fonts.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>

namespace nimbrel {

namespace {

// The dialog face at 8 pt and 96 DPI, where its base units are known.
constexpr int kNominalHeight = 11;
constexpr DialogBaseUnits kNominalUnits{6, 13};
// Smaller than this the text would no longer be read comfortably; the
// layout then rather lets it run a little wider.
constexpr int kSmallestFittedHeight = kNominalHeight * 3 / 4;

win32::UniqueFont CreateRegularFont(const std::wstring& face, int height, BYTE charset) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return win32::UniqueFont(CreateFontIndirectW(&font));
}

int ScaleHeight(int height, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(height) * numerator / denominator));
}

} // namespace

int FontHeightForPoints(double points, double dpi) {
    return -static_cast<int>(points * dpi / 72.0 + 0.5);
}

DialogBaseUnits MeasureDialogBaseUnits(HFONT font) {
    win32::CWindowDC screen(nullptr);
    win32::CSelectObject select(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    // The average width of the letters, rounded, as the dialog manager takes it.
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), kLetters, 52, &extent);
    return DialogBaseUnits{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

bool IsDialogFace(const std::wstring& face) {
    return _wcsicmp(face.c_str(), L"MS Shell Dlg") == 0 || _wcsicmp(face.c_str(), L"MS Shell Dlg 2") == 0;
}

DialogBaseUnits NominalDialogBaseUnits(int height) {
    const int pixels = std::abs(height);
    return DialogBaseUnits{ScaleHeight(pixels, kNominalUnits.cx, kNominalHeight),
                           ScaleHeight(pixels, kNominalUnits.cy, kNominalHeight)};
}

int FittedDialogFaceHeight(const std::wstring& face, int height, BYTE charset) {
    // Judged on the regular weight: a bold or italic font of a face that
    // fits keeps its size.
    int fitting = kNominalHeight;
    for (; fitting > kSmallestFittedHeight; --fitting) {
        const win32::UniqueFont font = CreateRegularFont(face, -fitting, charset);
        const DialogBaseUnits units = MeasureDialogBaseUnits(font.Get());
        if (units.cx <= kNominalUnits.cx && units.cy <= kNominalUnits.cy) {
            break;
        }
    }
    return fitting == kNominalHeight ? height : ScaleHeight(height, fitting, kNominalHeight);
}

win32::UniqueFont CreateFontForDpi(const FontSpec& spec, int dpi) {
    LOGFONTW font{};
    if (spec.pixelHeight != 0) {
        font.lfHeight =
            spec.pixelDpi == dpi ? spec.pixelHeight : MulDiv(spec.pixelHeight, dpi, spec.pixelDpi);
    } else {
        font.lfHeight = FontHeightForPoints(spec.points, dpi);
        if (IsDialogFace(spec.face)) {
            font.lfHeight = FittedDialogFaceHeight(spec.face, font.lfHeight, spec.charset);
        }
    }
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic ? TRUE : FALSE;
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    font.lfCharSet = spec.charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
    return win32::UniqueFont(CreateFontIndirectW(&font));
}

} // namespace nimbrel
