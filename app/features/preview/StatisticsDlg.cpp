#include "StatisticsDlg.h"

#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kPanelColor = RGB(255, 255, 255);
// A hairline in the tree's own frame colour, so the picture reads as laid
// over the tree rather than as a hole in it.
constexpr COLORREF kFrameColor = RGB(160, 160, 160);

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

// The main window gives the panel its own size: the picture takes all of
// it inside the hairline.
void CStatisticsDlg::OnSize(UINT, int width, int height) {
    if (picture_ && width > 2 && height > 2) {
        MoveWindow(picture_.Hwnd(), 1, 1, width - 2, height - 2, TRUE);
    }
}

bool CStatisticsDlg::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, background_.Get());
    win32::UniqueBrush frame(CreateSolidBrush(kFrameColor));
    FrameRect(dc, &client, frame.Get());
    return true;
}

} // namespace nimbrel
