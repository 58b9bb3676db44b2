#include "SubclassedControl.h"

#include "ControlMessages.h"
#include "Dpi.h"

#include <commctrl.h>

namespace nimbrel {

namespace {

constexpr UINT_PTR kSubclassId = 0x4E4D42; // one subclass of ours per window

} // namespace

CSubclassedControl::~CSubclassedControl() {
    Detach();
}

bool CSubclassedControl::Attach(HWND window) {
    if (!window || hwnd_) {
        return false;
    }
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    OnAttached();
    return true;
}

void CSubclassedControl::Detach() {
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        hwnd_ = nullptr;
    }
}

int CSubclassedControl::Dpi() const {
    return LayoutDpi(hwnd_);
}

LRESULT CSubclassedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CSubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                  UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<CSubclassedControl*>(self);
    if (message == WM_NCDESTROY) {
        // The window goes before the object: unbind so the object never
        // talks to a dead handle.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        control->Detach();
        return result;
    }
    if (message == kDpiChangedMessage) {
        control->OnDpiChanged();
        return TRUE;
    }
    return control->WindowProc(message, wParam, lParam);
}

} // namespace nimbrel
