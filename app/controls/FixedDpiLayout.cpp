#include "FixedDpiLayout.h"

#include "DialogTemplate.h"
#include "Dpi.h"
#include "Fonts.h"

#include <cwchar>
#include <vector>

namespace nimbrel {

namespace {

int Scale(int units, int base, int divisor) {
    return static_cast<int>(units * base / static_cast<double>(divisor) + 0.5);
}

win32::UniqueFont CreateTemplateFont(const DialogTemplateInfo& info, int dpi) {
    LOGFONTW font{};
    font.lfHeight = FontHeightForPoints(info.pointSize, dpi);
    if (IsDialogFace(info.face)) {
        font.lfHeight = FittedDialogFaceHeight(info.face, font.lfHeight, info.charset);
    }
    font.lfWeight = info.weight;
    font.lfItalic = info.italic ? TRUE : FALSE;
    font.lfCharSet = info.charset;
    wcsncpy(font.lfFaceName, info.face.c_str(), LF_FACESIZE - 1);
    return win32::UniqueFont(CreateFontIndirectW(&font));
}

// The dialog's children in creation order, which is the template's order.
std::vector<HWND> ChildrenInCreationOrder(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// The dialog's own layout is the program's, at every DPI: the system must
// not move or resize it, nor change the controls' fonts, when the window
// moves to a monitor of another DPI (Windows 10 1703 and later).
void KeepSystemFromRescaling(HWND dialog, const std::vector<HWND>& controls) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) {
        return;
    }
    using DialogFunction = BOOL(WINAPI*)(HWND, int, int);
    using ControlFunction = BOOL(WINAPI*)(HWND, int, int);
    constexpr int kDisableAllDialogChanges = 0x0001 | 0x0002 | 0x0004 | 0x0008; // DDC_*
    constexpr int kDisableControlChanges = 0x0001 | 0x0002;                     // DCDC_*
    const auto forDialog = reinterpret_cast<DialogFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetDialogDpiChangeBehavior")));
    const auto forControl = reinterpret_cast<ControlFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetDialogControlDpiChangeBehavior")));
    if (forDialog) {
        forDialog(dialog, kDisableAllDialogChanges, kDisableAllDialogChanges);
    }
    for (HWND control : forControl ? controls : std::vector<HWND>()) {
        forControl(control, kDisableControlChanges, kDisableControlChanges);
    }
}

} // namespace

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units) {
    const int left = Scale(x, units.cx, 4);
    const int top = Scale(y, units.cy, 8);
    return RECT{left, top, left + Scale(cx, units.cx, 4), top + Scale(cy, units.cy, 8)};
}

win32::UniqueFont LayOutAtFixedDpi(HWND dialog, UINT templateId, int dpi, HINSTANCE module) {
    const auto info = LoadDialogTemplate(module ? module : GetModuleHandleW(nullptr), templateId);
    if (!dialog || !info) {
        return win32::UniqueFont();
    }
    // The places are those of 96 DPI, each edge then scaled: what fits and
    // stays apart at 96 DPI does at every DPI, and the pixel places the
    // program gives its pages scale the same way.
    win32::UniqueFont font;
    DialogBaseUnits units;
    if (info->hasFont) {
        font = CreateTemplateFont(*info, dpi);
        if (IsDialogFace(info->face)) {
            units = NominalDialogBaseUnits(FontHeightForPoints(info->pointSize, kBaseDpi));
        } else {
            const win32::UniqueFont at96 =
                dpi == kBaseDpi ? win32::UniqueFont() : CreateTemplateFont(*info, kBaseDpi);
            units = MeasureDialogBaseUnits(at96 ? at96.Get() : font.Get());
        }
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    } else {
        const LONG system = GetDialogBaseUnits();
        units = DialogBaseUnits{LOWORD(system), HIWORD(system)};
    }
    const std::vector<HWND> children = ChildrenInCreationOrder(dialog);
    KeepSystemFromRescaling(dialog, children);

    const RECT frame = FrameForClient(
        dialog, ScaleForDpi(DialogUnitsToPixels(0, 0, info->cx, info->cy, units), dpi), WindowDpi(dialog));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
    RECT before{};
    GetWindowRect(dialog, &before);
    if ((style & DS_CENTER) && !(style & WS_CHILD)) {
        // The system centred the window at the size it computed; keep that
        // centre for the size given here.
        SetWindowPos(dialog, nullptr, (before.left + before.right - width) / 2,
                     (before.top + before.bottom - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Controls that share an identifier (the unnamed labels) are matched in
    // order, so each one reaches its own place.
    std::vector<HWND> unplaced = children;
    for (const DialogTemplateItem& item : info->items) {
        for (auto it = unplaced.begin(); it != unplaced.end(); ++it) {
            if (static_cast<WORD>(GetDlgCtrlID(*it)) != item.id) {
                continue;
            }
            // The font first: controls such as list boxes fit their height
            // to the font's lines when they are sized.
            if (font) {
                SendMessageW(*it, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
            }
            const RECT place = ScaleForDpi(DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, units), dpi);
            MoveWindow(*it, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
            unplaced.erase(it);
            break;
        }
    }
    return font;
}

} // namespace nimbrel
