#include "PageDialog.h"

namespace nimbrel {

CPageDialog::CPageDialog(UINT templateId, HINSTANCE module)
    : CDialogBase(templateId, module), background_(CreateSolidBrush(kPageColor)) {}

bool CPageDialog::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, background_.Get());
    return true;
}

HBRUSH CPageDialog::OnCtlColor(HDC dc, HWND, UINT message) {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        SetBkColor(dc, kPageColor);
        return background_.Get();
    }
    return nullptr;
}

} // namespace nimbrel
