#include "DialogBase.h"

#include "ControlMessages.h"
#include "Dpi.h"
#include "FixedDpiLayout.h"

#include <commctrl.h>

namespace nimbrel {

CDialogBase::CDialogBase(UINT templateId, HINSTANCE module)
    : templateId_(templateId), module_(module ? module : GetModuleHandleW(nullptr)) {}

CDialogBase::~CDialogBase() {
    if (hwnd_ && !modal_) {
        DestroyWindow(hwnd_);
    }
}

INT_PTR CDialogBase::DoModal(HWND owner) {
    modal_ = true;
    const INT_PTR result = DialogBoxParamW(module_, MAKEINTRESOURCEW(templateId_), owner, StaticDialogProc,
                                           reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool CDialogBase::Create(HWND parent) {
    if (hwnd_) {
        return false;
    }
    modal_ = false;
    return CreateDialogParamW(module_, MAKEINTRESOURCEW(templateId_), parent, StaticDialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialogBase::EndDialog(INT_PTR result) {
    if (!hwnd_) {
        return;
    }
    if (modal_) {
        ::EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

void CDialogBase::LayoutAtFixedDpi() {
    if (!hwnd_) {
        return;
    }
    // A child dialog takes the DPI its parent is laid out for, which is the
    // monitor's unless the parent is between two layouts.
    dpi_ = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) ? LayoutDpi(GetParent(hwnd_)) : WindowDpi(hwnd_);
    SetLayoutDpi(hwnd_, dpi_);
    laidOut_ = true;
    layoutFont_ = LayOutAtFixedDpi(hwnd_, templateId_, dpi_, module_);
}

int CDialogBase::Dpi() const {
    return dpi_ ? dpi_ : LayoutDpi(hwnd_);
}

int CDialogBase::Scale(int pixels) const {
    return ScaleForDpi(pixels, Dpi());
}

RECT CDialogBase::Scale(const RECT& rect) const {
    return ScaleForDpi(rect, Dpi());
}

void CDialogBase::SetControlFont(int id, const FontSpec& spec) {
    auto it = controlFonts_.begin();
    while (it != controlFonts_.end() && it->id != id) {
        ++it;
    }
    if (it == controlFonts_.end()) {
        it = controlFonts_.insert(it, ControlFont{id, spec, {}});
    }
    it->spec = spec;
    it->font = CreateFontForDpi(spec, Dpi());
    SendDlgItemMessageW(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(it->font.Get()), TRUE);
}

void CDialogBase::ApplyDpi(int dpi) {
    if (!hwnd_ || dpi <= 0 || dpi == Dpi()) {
        return;
    }
    dpi_ = dpi;
    SetLayoutDpi(hwnd_, dpi_);
    if (laidOut_) {
        layoutFont_ = LayOutAtFixedDpi(hwnd_, templateId_, dpi_, module_);
    }
    for (ControlFont& own : controlFonts_) {
        own.font = CreateFontForDpi(own.spec, dpi_);
        SendDlgItemMessageW(hwnd_, own.id, WM_SETFONT, reinterpret_cast<WPARAM>(own.font.Get()), FALSE);
    }
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, kDpiChangedMessage, static_cast<WPARAM>(dpi_), 0);
    }
    OnDpiChanged();
    RECT client{};
    GetClientRect(hwnd_, &client);
    SendMessageW(hwnd_, WM_SIZE, IsZoomed(hwnd_) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                 MAKELPARAM(client.right, client.bottom));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

CDialogBase* CDialogBase::FromHandle(HWND window) {
    return window ? reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(window, DWLP_USER)) : nullptr;
}

bool CDialogBase::OnCommand(int, int, HWND) {
    return false;
}
bool CDialogBase::OnNotify(int, NMHDR&, LRESULT&) {
    return false;
}
void CDialogBase::OnTimer(UINT_PTR) {}
void CDialogBase::OnSize(UINT, int, int) {}
bool CDialogBase::OnPaint(HDC, const RECT&) {
    return false;
}
bool CDialogBase::OnEraseBackground(HDC) {
    return false;
}
HBRUSH CDialogBase::OnCtlColor(HDC, HWND, UINT) {
    return nullptr;
}
void CDialogBase::OnShowWindow(bool) {}
void CDialogBase::OnDestroy() {}
void CDialogBase::OnControlHover(int, bool) {}
bool CDialogBase::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

void CDialogBase::OnOK() {
    if (modal_) {
        EndDialog(IDOK);
    }
}

void CDialogBase::OnCancel() {
    if (modal_) {
        EndDialog(IDCANCEL);
    }
}

INT_PTR CALLBACK CDialogBase::StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialogBase* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogBase*>(lParam);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = FromHandle(window);
    }
    if (!self) {
        return FALSE; // messages before WM_INITDIALOG: the system's defaults
    }
    const INT_PTR result = self->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ClearLayoutDpi(window);
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR CDialogBase::SetResult(LRESULT result) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CDialogBase::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR early = 0;
    if (OnMessage(message, wParam, lParam, early)) {
        return early;
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return TRUE;
        }
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header && OnNotify(static_cast<int>(header->idFrom), *header, result)) {
            return SetResult(result);
        }
        return FALSE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd_, &paint);
        OnPaint(dc, paint.rcPaint);
        EndPaint(hwnd_, &paint);
        return TRUE;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd_, &client);
        return OnPaint(reinterpret_cast<HDC>(wParam), client) ? TRUE : FALSE;
    }
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? SetResult(TRUE) : FALSE;
    case WM_DRAWITEM: {
        // Owner-drawn controls draw themselves.
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && item->hwndItem &&
            SendMessageW(item->hwndItem, Reflected(WM_DRAWITEM), wParam, lParam)) {
            return SetResult(TRUE);
        }
        return FALSE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (const LRESULT brush = SendMessageW(control, Reflected(message), wParam, lParam)) {
            return static_cast<INT_PTR>(brush);
        }
        return reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), control, message));
    }
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != FALSE);
        return FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case kControlHoverMessage:
        OnControlHover(static_cast<int>(wParam), lParam != 0);
        return TRUE;
    case kDpiChangedMessage:
        ApplyDpi(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        // The monitor's new DPI, and the place the system suggests for the
        // window at it (the same part of the window stays under the mouse).
        ApplyDpi(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return SetResult(0);
    }
    default:
        return FALSE;
    }
}

} // namespace nimbrel
