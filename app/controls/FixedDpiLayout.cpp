#include "FixedDpiLayout.h"

#include "DialogTemplate.h"
#include "Fonts.h"

#include <cwchar>
#include <vector>

namespace nimbrel {

namespace {

int Scale(int units, int base, int divisor) {
    return static_cast<int>(units * base / static_cast<double>(divisor) + 0.5);
}

win32::UniqueFont CreateTemplateFont(const DialogTemplateInfo& info, double dpi) {
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

} // namespace

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units) {
    const int left = Scale(x, units.cx, 4);
    const int top = Scale(y, units.cy, 8);
    return RECT{left, top, left + Scale(cx, units.cx, 4), top + Scale(cy, units.cy, 8)};
}

win32::UniqueFont LayOutAtFixedDpi(HWND dialog, UINT templateId, double dpi, HINSTANCE module) {
    const auto info = LoadDialogTemplate(module ? module : GetModuleHandleW(nullptr), templateId);
    if (!dialog || !info) {
        return win32::UniqueFont();
    }
    win32::UniqueFont font;
    DialogBaseUnits units;
    if (info->hasFont) {
        font = CreateTemplateFont(*info, dpi);
        units = IsDialogFace(info->face) ? NominalDialogBaseUnits(FontHeightForPoints(info->pointSize, dpi))
                                         : MeasureDialogBaseUnits(font.Get());
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    } else {
        const LONG system = GetDialogBaseUnits();
        units = DialogBaseUnits{LOWORD(system), HIWORD(system)};
    }

    RECT frame = DialogUnitsToPixels(0, 0, info->cx, info->cy, units);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    AdjustWindowRectEx(&frame, style, GetMenu(dialog) != nullptr, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
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
    std::vector<HWND> unplaced = ChildrenInCreationOrder(dialog);
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
            const RECT place = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, units);
            MoveWindow(*it, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
            unplaced.erase(it);
            break;
        }
    }
    return font;
}

} // namespace nimbrel
