#include "OptionsDlg.h"

#include "CategoryPages.h"
#include "Dpi.h"
#include "OptCommunityDlg.h"
#include "SettingsStore.h"
#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kErasingBlue = RGB(0, 0, 252);
constexpr COLORREF kLinkHover = RGB(10, 10, 247);
// The tab images: one strip of 16 x 16 pictures (at 96 DPI), magenta where
// the strip shows through.
constexpr int kTabImageSize = 16;
constexpr COLORREF kTabImageMask = RGB(255, 0, 255);

std::unique_ptr<COptCategoryDlg> MakePage(ItemCategory category, const std::wstring& product) {
    switch (category) {
    case ItemCategory::Windows:
        return std::make_unique<COptWindowsDlg>(product);
    case ItemCategory::InternetBrowsers:
        return std::make_unique<COptIntBrowserDlg>(product);
    case ItemCategory::InstantMessengers:
        return std::make_unique<COptInsMessengerDlg>(product);
    case ItemCategory::MSOffice:
        return std::make_unique<COptMSOfficeDlg>(product);
    case ItemCategory::Multimedia:
        return std::make_unique<COptMultiMediaDlg>(product);
    case ItemCategory::FileSharing:
        return std::make_unique<COptFileSharingDlg>(product);
    case ItemCategory::Email:
        return std::make_unique<COptEmailDlg>(product);
    case ItemCategory::ThirdParty:
        return std::make_unique<COptThirdPartyDlg>(product);
    case ItemCategory::Community:
        return std::make_unique<COptCommunityDlg>(product);
    }
    return nullptr;
}

void LookLikeALink(CHyperLinkButton& link) {
    FontSpec font;
    link.SetNormalLook(kNavy, font);
    font.underline = true;
    link.SetHoverLook(kLinkHover, font);
    link.SetTransparent(true);
}

} // namespace

COptionsDlg::COptionsDlg(IOptionsHost& host, std::wstring product)
    : CPageDialog(IDD_OPTIONS), host_(host), product_(std::move(product)) {
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        pages_[static_cast<size_t>(tab)] = MakePage(static_cast<ItemCategory>(tab), product_);
    }
}

BOOL COptionsDlg::OnInitDialog() {
    LayoutAtFixedDpi();
    SetUpLabels();
    for (auto& page : pages_) {
        page->Create(Hwnd());
    }
    SetUpTabs();
    erasing_ = CComboBox(Item(IDC_OPT_WHEN_ERASING));
    for (const std::wstring& choice : ErasingChoices()) {
        erasing_.AddString(choice);
    }
    erasing_.SetCurSel(kInitialErasingChoice);
    SetUpLayout();
    currentTab_ = 0;
    PlacePages();
    ShowOnlyPage(currentTab_);
    return FALSE;
}

void COptionsDlg::SetUpLabels() {
    title_.SubclassDlgItem(IDC_OPT_TITLE, Hwnd());
    title_.SetFontName(L"Arial");
    title_.SetFontSize(15);
    title_.SetTextColor(kNavy);
    title_.SetTransparent(true);
    title_.SetText(L"Options");

    separator_.SubclassDlgItem(IDC_OPT_SEPARATOR, Hwnd());
    separator_.SetTextColor(kNavy);
    separator_.SetTransparent(true);
    separator_.SetText(L"|");

    erasingLabel_.SubclassDlgItem(IDC_OPT_WHEN_ERASING_LABEL, Hwnd());
    erasingLabel_.SetTextColor(kErasingBlue);
    erasingLabel_.SetTransparent(true);
    erasingLabel_.SetText(L"When erasing");

    uncheckAll_.SubclassDlgItem(IDC_OPT_UNCHECK_ALL, Hwnd());
    setDefault_.SubclassDlgItem(IDC_OPT_SET_DEFAULT, Hwnd());
    viewResults_.SubclassDlgItem(IDC_OPT_VIEW_RESULTS, Hwnd());
    for (CHyperLinkButton* link : {&uncheckAll_, &setDefault_, &viewResults_}) {
        LookLikeALink(*link);
    }
}

void COptionsDlg::SetUpTabs() {
    tabs_ = CTabCtrl(Item(IDC_OPT_TABS));
    LoadTabImages();
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        tabs_.InsertItem(tab, LabelsOf(static_cast<ItemCategory>(tab)).tab, tabImages_ ? tab : -1);
    }
    tabs_.SetCurSel(0);
}

void COptionsDlg::LoadTabImages() {
    const int size = Scale(kTabImageSize);
    win32::UniqueImageList images(
        ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kCategoryCount, 0));
    if (const win32::UniqueBitmap strip = LoadBitmapForDpi(Module(), IDB_TAB_IMAGES, Dpi(), true);
        strip && images) {
        ImageList_AddMasked(images.Get(), strip.Get(), kTabImageMask);
        tabs_.SetImageList(images.Get());
        tabImages_ = std::move(images); // the strip lets go of the old list first
    }
}

void COptionsDlg::OnDpiChanged() {
    LoadTabImages();
}

void COptionsDlg::SetUpLayout() {
    // The main window gives the page more room than its template: the tab
    // strip takes it, the rows below it stay at the bottom.
    layout_.SetParent(Hwnd());
    layout_.AddControl(IDC_OPT_VIEW_RESULTS, CControlPos::kMoveRight);
    layout_.AddControl(IDC_OPT_TABS, CControlPos::kStretchRight | CControlPos::kStretchDown);
    for (int id : {IDC_OPT_UNCHECK_ALL, IDC_OPT_SEPARATOR, IDC_OPT_SET_DEFAULT, IDC_OPT_WHEN_ERASING_LABEL,
                   IDC_OPT_WHEN_ERASING}) {
        layout_.AddControl(id, CControlPos::kMoveDown);
    }
    layout_.AddControl(IDC_OPT_START_SCAN, CControlPos::kMoveRight | CControlPos::kMoveDown);
}

void COptionsDlg::PlacePages() {
    if (!tabs_) {
        return;
    }
    const RECT area = tabs_.DisplayArea();
    for (auto& page : pages_) {
        if (page->Hwnd()) {
            // Above the strip, which would otherwise paint over the page.
            SetWindowPos(page->Hwnd(), HWND_TOP, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOACTIVATE);
        }
    }
}

void COptionsDlg::ShowOnlyPage(int tab) {
    for (int other = 0; other < kCategoryCount; ++other) {
        if (other != tab) {
            ShowWindow(Page(other).Hwnd(), SW_HIDE);
        }
    }
    ShowWindow(Page(tab).Hwnd(), SW_SHOW);
}

void COptionsDlg::SwitchToTab(int tab) {
    if (tab < 0 || tab >= kCategoryCount || tab == currentTab_) {
        return;
    }
    // Leaving a tab is what stores the choices made on it.
    StoreShownTab();
    ShowWindow(Page(currentTab_).Hwnd(), SW_HIDE);
    currentTab_ = tab;
    ShowWindow(Page(currentTab_).Hwnd(), SW_SHOW);
}

void COptionsDlg::SelectTab(int tab) {
    if (tab < 0 || tab >= kCategoryCount) {
        return;
    }
    currentTab_ = tab;
    tabs_.SetCurSel(tab);
    ShowOnlyPage(tab);
}

COptCommunityDlg& COptionsDlg::CommunityPage() {
    return static_cast<COptCommunityDlg&>(Page(static_cast<int>(ItemCategory::Community)));
}

void COptionsDlg::StoreShownTab() {
    Page(currentTab_).SaveTree();
}

void COptionsDlg::ReloadAllTrees() {
    for (auto& page : pages_) {
        page->LoadTree();
    }
}

void COptionsDlg::SetDefaultSelection() {
    WriteDefaultSelection(product_);
    host_.SetDashboardFlag();
}

void COptionsDlg::StartReloadTimer() {
    SetTimer(Hwnd(), kReloadTimer, 10, nullptr);
}

void COptionsDlg::StartShowTabTimer() {
    SetTimer(Hwnd(), kShowTabTimer, 10, nullptr);
}

int COptionsDlg::ErasingChoice() const {
    return erasing_ ? erasing_.GetCurSel() : kInitialErasingChoice;
}

int COptionsDlg::OverwritePasses() const {
    return OverwritePassesFor(ErasingChoice());
}

bool COptionsDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_OPT_UNCHECK_ALL:
        WriteNothingSelected(product_);
        ReloadAllTrees();
        return true;
    case IDC_OPT_SET_DEFAULT:
        SetDefaultSelection();
        ReloadAllTrees();
        return true;
    case IDC_OPT_START_SCAN:
        // The scan reads the store: what the user sees on the shown tab is
        // what is scanned.
        StoreShownTab();
        host_.StartScanFromOptions();
        return true;
    case IDC_OPT_VIEW_RESULTS:
        host_.ShowLastScanResults();
        return true;
    default:
        return false;
    }
}

bool COptionsDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id == IDC_OPT_TABS && header.code == TCN_SELCHANGE) {
        SwitchToTab(tabs_.GetCurSel());
        result = 0;
        return true;
    }
    return false;
}

void COptionsDlg::OnTimer(UINT_PTR id) {
    if (id == kReloadTimer) {
        KillTimer(Hwnd(), kReloadTimer);
        ReloadAllTrees();
    } else if (id == kShowTabTimer) {
        KillTimer(Hwnd(), kShowTabTimer);
        ShowWindow(Page(currentTab_).Hwnd(), SW_SHOW);
        RedrawWindow(Page(currentTab_).Hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void COptionsDlg::OnSize(UINT, int, int) {
    layout_.MoveControls();
    PlacePages();
}

void COptionsDlg::OnShowWindow(bool shown) {
    if (!shown) {
        return;
    }
    ShowWindow(Page(currentTab_).Hwnd(), SW_SHOW);
    // The shortcut leads to results only once a scan has left some.
    viewResults_.Show(!GetString(product_, L"tts").empty());
}

COptionsDlg::~COptionsDlg() {
    // Destroyed here, while this object is whole, the window still stores
    // the shown tab (the base class would destroy it too late for that).
    if (Hwnd()) {
        DestroyWindow(Hwnd());
    }
}

void COptionsDlg::OnDestroy() {
    // The program is closing: the choices on the shown tab are kept like
    // those of the tabs the user left.
    StoreShownTab();
}

} // namespace nimbrel
