#include "CookiesToKeepDlg.h"

#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace nimbrel {

CCookiesToKeepDlg::CCookiesToKeepDlg(std::wstring product, SiteSource foundSites)
    : CDialogBase(IDD_COOKIES_TO_KEEP), product_(std::move(product)), foundSource_(std::move(foundSites)) {}

BOOL CCookiesToKeepDlg::OnInitDialog() {
    LayoutAtFixedDpi();
    kept_ = CListBox(Item(IDC_KEEP_LIST));
    foundList_ = CListView(Item(IDC_KEEP_FOUND));
    ListView_SetExtendedListViewStyle(foundList_.Hwnd(), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT area = foundList_.ClientRect();
    foundList_.InsertColumn(0, L"", area.right - area.left - GetSystemMetrics(SM_CXVSCROLL));
    for (const std::wstring& site : CookieSitesToKeep(product_)) {
        kept_.AddString(site);
    }
    // Read once: the stores do not change while the user chooses.
    if (foundSource_) {
        for (const std::wstring& text : foundSource_()) {
            const std::wstring site = CookieSiteFromText(text);
            if (!site.empty() && std::find(found_.begin(), found_.end(), site) == found_.end()) {
                found_.push_back(site);
            }
        }
        std::sort(found_.begin(), found_.end());
    }
    FillFoundList();
    UpdateButtons();
    return TRUE;
}

std::vector<std::wstring> CCookiesToKeepDlg::KeptSites() const {
    std::vector<std::wstring> sites;
    for (int i = 0; i < kept_.Count(); ++i) {
        sites.push_back(kept_.GetText(i));
    }
    return sites;
}

std::vector<std::wstring> CCookiesToKeepDlg::FoundSites() const {
    std::vector<std::wstring> sites;
    for (int i = 0; i < foundList_.Count(); ++i) {
        sites.push_back(foundList_.GetItemText(i, 0));
    }
    return sites;
}

bool CCookiesToKeepDlg::Keep(const std::wstring& text) {
    const std::wstring site = CookieSiteFromText(text);
    if (site.empty()) {
        return false;
    }
    if (kept_.FindStringExact(site) == LB_ERR) {
        kept_.AddString(site);
    }
    return true;
}

void CCookiesToKeepDlg::AddTypedSite() {
    CWindow typed(Item(IDC_KEEP_SITE));
    if (!Keep(typed.Text())) {
        MessageBeep(MB_ICONWARNING);
        SetFocus(typed.Hwnd());
        SendMessageW(typed.Hwnd(), EM_SETSEL, 0, -1);
        return;
    }
    typed.SetText(L"");
    FillFoundList();
    UpdateButtons();
}

void CCookiesToKeepDlg::RemoveSelectedSites() {
    for (int i = kept_.Count() - 1; i >= 0; --i) {
        if (kept_.Send(LB_GETSEL, static_cast<WPARAM>(i)) > 0) {
            kept_.DeleteString(i);
        }
    }
    // A removed site the browsers hold cookies of can be ticked again.
    FillFoundList();
    UpdateButtons();
}

void CCookiesToKeepDlg::AddTickedSites() {
    for (int i = 0; i < foundList_.Count(); ++i) {
        if (ListView_GetCheckState(foundList_.Hwnd(), i)) {
            Keep(foundList_.GetItemText(i, 0));
        }
    }
    FillFoundList();
    UpdateButtons();
}

void CCookiesToKeepDlg::FillFoundList() {
    foundList_.DeleteAllItems();
    int row = 0;
    for (const std::wstring& site : found_) {
        if (kept_.FindStringExact(site) == LB_ERR) {
            foundList_.InsertItem(row++, site);
        }
    }
}

void CCookiesToKeepDlg::UpdateButtons() const {
    CWindow(Item(IDC_KEEP_REMOVE)).Enable(kept_.Send(LB_GETSELCOUNT) > 0);
    CWindow(Item(IDC_KEEP_ADD_FOUND)).Enable(foundList_.Count() > 0);
}

bool CCookiesToKeepDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_KEEP_ADD:
        AddTypedSite();
        return true;
    case IDC_KEEP_REMOVE:
        RemoveSelectedSites();
        return true;
    case IDC_KEEP_ADD_FOUND:
        AddTickedSites();
        return true;
    case IDC_KEEP_LIST:
        if (code == LBN_SELCHANGE) {
            UpdateButtons();
        }
        return true;
    default:
        return CDialogBase::OnCommand(id, code, control);
    }
}

void CCookiesToKeepDlg::OnOK() {
    // Enter while a site is typed adds it rather than closing the list.
    if (GetFocus() == Item(IDC_KEEP_SITE) && !CWindow(Item(IDC_KEEP_SITE)).Text().empty()) {
        AddTypedSite();
        return;
    }
    SetCookieSitesToKeep(product_, KeptSites());
    EndDialog(IDOK);
}

} // namespace nimbrel
