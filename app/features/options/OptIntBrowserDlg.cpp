#include "OptIntBrowserDlg.h"

#include "Button.h"
#include "DatabaseSettings.h"
#include "resource.h"

namespace nimbrel {

COptIntBrowserDlg::COptIntBrowserDlg(std::wstring product, CCookiesToKeepDlg::SiteSource foundSites)
    : COptCategoryDlg(IDD_OPT_INTBROWSER, ItemCategory::InternetBrowsers, product),
      product_(std::move(product)), foundSites_(std::move(foundSites)) {}

BOOL COptIntBrowserDlg::OnInitDialog() {
    const BOOL result = COptCategoryDlg::OnInitDialog();
    layout_.SetParent(Hwnd());
    layout_.AddControl(IDC_OPT_TREE, CControlPos::kStretchRight | CControlPos::kStretchDown);
    layout_.AddControl(IDC_OPT_COMPACT_DATABASES, CControlPos::kMoveDown);
    layout_.AddControl(IDC_OPT_COOKIES_TO_KEEP, CControlPos::kMoveRight | CControlPos::kMoveDown);
    CButton(Item(IDC_OPT_COMPACT_DATABASES)).SetCheck(CompactsDatabases(product_));
    return result;
}

bool COptIntBrowserDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_OPT_COMPACT_DATABASES && code == BN_CLICKED) {
        SetCompactsDatabases(product_, CButton(control).IsChecked());
        return true;
    }
    if (id == IDC_OPT_COOKIES_TO_KEEP && code == BN_CLICKED) {
        CCookiesToKeepDlg(product_, foundSites_).DoModal(Hwnd());
        return true;
    }
    return COptCategoryDlg::OnCommand(id, code, control);
}

void COptIntBrowserDlg::OnSize(UINT, int, int) {
    // The tree no longer fills the page: the row below it stays in view.
    layout_.MoveControls();
}

} // namespace nimbrel
