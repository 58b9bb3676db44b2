#include "LFrameDlg.h"

#include "NimbrelControlApp.h"
#include "Dpi.h"
#include "ProgramLook.h"
#include "resource.h"

namespace nimbrel {

namespace {

struct NavButton {
    int id;
    UINT normal, hover, selected;
    const wchar_t* logLine;
};

// In page order: Scan, Options, Shred, Statistics.
constexpr NavButton kNavButtons[] = {
    {IDC_SCAN_BUTTON, IDB_SCAN_NORMAL, IDB_SCAN_HOVER, IDB_SCAN_SELECTED, L"Left frame Scan"},
    {IDC_OPTIONS_BUTTON, IDB_OPTIONS_NORMAL, IDB_OPTIONS_HOVER, IDB_OPTIONS_SELECTED, L"Left frame Options"},
    {IDC_SHRED_BUTTON, IDB_SHRED_NORMAL, IDB_SHRED_HOVER, IDB_SHRED_SELECTED, L"Left frame Shred"},
    {IDC_STATISTICS_BUTTON, IDB_STATISTICS_NORMAL, IDB_STATISTICS_HOVER, IDB_STATISTICS_SELECTED,
     L"Left frame Statistics"},
};

size_t IndexOf(NavPage page) {
    return static_cast<size_t>(page) - 1;
}

} // namespace

CLFrameDlg::CLFrameDlg(INavigationHost& host) : CDialogBase(IDD_LFRAME), host_(host) {}

BOOL CLFrameDlg::OnInitDialog() {
    WriteLog(L"Left frame Init");
    LayoutAtFixedDpi();
    background_ = LoadBitmapForDpi(Module(), IDB_LEFT_FRAME, Dpi());
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const NavButton& nav = kNavButtons[i];
        buttons_[i].SubclassDlgItem(nav.id, Hwnd());
        buttons_[i].SetImages(Module(), nav.normal, nav.hover, nav.selected);
    }
    return FALSE;
}

HWND CLFrameDlg::Button(NavPage page) const {
    return buttons_[IndexOf(page)].Hwnd();
}

bool CLFrameDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (kNavButtons[i].id == id) {
            Press(static_cast<NavPage>(i + 1));
            return true;
        }
    }
    return false;
}

void CLFrameDlg::Press(NavPage page) {
    WriteLog(kNavButtons[IndexOf(page)].logLine);
    if (currentPage_ == page) {
        return;
    }
    SelectButton(page);
    host_.HideAllPages();
    for (const CXPButton& button : buttons_) {
        button.Redraw();
    }
    host_.ShowPage(page);
    currentPage_ = page;
}

void CLFrameDlg::SelectButton(NavPage page) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const NavButton& nav = kNavButtons[i];
        if (i == IndexOf(page)) {
            // The page shown: its button looks selected whatever the mouse does.
            buttons_[i].SetImages(Module(), nav.selected, nav.selected, nav.selected);
        } else {
            buttons_[i].SetImages(Module(), nav.normal, nav.hover, nav.selected);
        }
    }
}

void CLFrameDlg::OnDpiChanged() {
    background_ = LoadBitmapForDpi(Module(), IDB_LEFT_FRAME, Dpi());
}

bool CLFrameDlg::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillColour(dc, client, kFrameBlue);
    // The column's picture, stretched when the window is maximised.
    const SIZE size = win32::BitmapSize(background_.Get());
    win32::UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (background_ && source && size.cx > 0) {
        win32::CSelectObject select(source.Get(), background_.Get());
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
    return true;
}

} // namespace nimbrel
