#include "PlaceholderPage.h"

#include "Fonts.h"
#include "ProgramLook.h"
#include "resource.h"

namespace nimbrel {

CPlaceholderPage::CPlaceholderPage(int pageId, std::wstring heading)
    : CDialogBase(IDD_PLACEHOLDER_PAGE), pageId_(pageId), heading_(std::move(heading)) {}

bool CPlaceholderPage::CreateAt(HWND parent, const RECT& place) {
    if (!Create(parent)) {
        return false;
    }
    SetWindowLongPtrW(Hwnd(), GWLP_ID, pageId_);
    MoveWindow(Hwnd(), place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    return true;
}

BOOL CPlaceholderPage::OnInitDialog() {
    LayoutAtFixedDpi();
    // The headings of the program's pages: "Arial" 15 point in navy.
    FontSpec heading;
    heading.face = L"Arial";
    heading.points = 15;
    headingFont_ = CreateFontAt96Dpi(heading);
    return FALSE;
}

bool CPlaceholderPage::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillColour(dc, client, kPageWhite);
    return true;
}

bool CPlaceholderPage::OnPaint(HDC dc, const RECT&) {
    CSelectObject font(dc, headingFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBodyNavy);
    RECT line{16, 12, 600, 48};
    DrawTextW(dc, heading_.c_str(), static_cast<int>(heading_.size()), &line,
              DT_LEFT | DT_TOP | DT_SINGLELINE);
    return true;
}

} // namespace nimbrel
