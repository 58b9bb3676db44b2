// Fonts of the program's own controls, made for the DPI their window is
// laid out for, so that text grows with the controls that hold it. The
// dialog face is fitted as well: every system maps
// "MS Shell Dlg" to a face of its own, and one wider than the face the
// layout was drawn for is made smaller until its text takes no more room.
#pragma once

#include "win32/GdiHandles.h"

#include <string>

namespace nimbrel {

struct FontSpec {
    std::wstring face = L"MS Shell Dlg";
    double points = 8;
    // Not zero: this exact pixel height (negative: character height) at
    // `pixelDpi` in place of `points`, as a font taken over from a dialog
    // has it.
    int pixelHeight = 0;
    int pixelDpi = 96;
    int weight = FW_NORMAL; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    BYTE charset = DEFAULT_CHARSET;
};

struct DialogBaseUnits {
    int cx = 0; // pixels per 4 horizontal dialog units
    int cy = 0; // pixels per 8 vertical dialog units
};

// The pixel height (negative: character height) of a font of `points` at
// `dpi`: -(points * dpi / 72 + 0.5).
int FontHeightForPoints(double points, double dpi);
// The base units of a font, measured as the dialog manager measures them.
DialogBaseUnits MeasureDialogBaseUnits(HFONT font);

// "MS Shell Dlg" or "MS Shell Dlg 2": a name that stands for whatever face
// the system gives dialogs.
bool IsDialogFace(const std::wstring& face);
// The base units the program's pixel layout and images were drawn for: the
// dialog face's 6 x 13 at 8 pt and 96 DPI (a height of 11 pixels), in
// proportion for other heights.
DialogBaseUnits NominalDialogBaseUnits(int height);
// The height to give a dialog face for a font of `height`. The face the
// system resolves is measured at 8 pt: when it is wider or taller than the
// nominal units, every size of it is made smaller by the same ratio (never
// below three quarters); a face that fits keeps `height` exactly.
int FittedDialogFaceHeight(const std::wstring& face, int height, BYTE charset = DEFAULT_CHARSET);

win32::UniqueFont CreateFontForDpi(const FontSpec& spec, int dpi);
inline win32::UniqueFont CreateFontAt96Dpi(const FontSpec& spec) {
    return CreateFontForDpi(spec, 96);
}

} // namespace nimbrel
