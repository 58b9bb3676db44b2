#include "StatisticsDlg.h"

#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kPanelColor = RGB(255, 255, 255);

} // namespace

CStatisticsDlg::CStatisticsDlg() : CDialogBase(IDD_STATISTICS), background_(CreateSolidBrush(kPanelColor)) {}

BOOL CStatisticsDlg::OnInitDialog() {
    LayoutAtFixedDpi();
    picture_.SubclassDlgItem(IDC_PREVIEW_PICTURE, Hwnd());
    return FALSE;
}

bool CStatisticsDlg::ShowPreviewImage(const std::wstring& path) {
    return picture_.LoadFromFile(path) && picture_.HasPicture();
}

// The main window gives the panel its own size: the picture takes all of it.
void CStatisticsDlg::OnSize(UINT, int width, int height) {
    if (picture_) {
        MoveWindow(picture_.Hwnd(), 0, 0, width, height, TRUE);
    }
}

bool CStatisticsDlg::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, background_.Get());
    return true;
}

} // namespace nimbrel
