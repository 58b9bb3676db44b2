#include "ScanDefaultDlg.h"

#include "NimbrelControlApp.h"
#include "resource.h"

namespace nimbrel {

namespace {

constexpr COLORREF kNavy = RGB(22, 52, 112);
constexpr COLORREF kHoverBlue = RGB(10, 10, 247);

struct DashboardCategory {
    UINT normal, hover;
    const wchar_t* description;
    const wchar_t* iconLog;
    const wchar_t* descriptionLog;
};

// In category order: the left column top to bottom, then the right column.
constexpr DashboardCategory kCategories[kBuiltInCategoryCount] = {
    {IDB_WINDOWS_NORMAL, IDB_WINDOWS_HOVER, L"Clean Windows logs and unwanted temporary files.",
     L"Show options windows", L"Show options s windows "},
    {IDB_INTERNET_NORMAL, IDB_INTERNET_HOVER, L"Clean Internet Browser History and temporary internet files.",
     L"Show options Internet", L"Show options s Internet"},
    {IDB_MESSENGERS_NORMAL, IDB_MESSENGERS_HOVER, L"Clean Instant Messenger logs and unwanted files.",
     L"Show options Instant messages", L"Show options s Instant"},
    {IDB_OFFICE_NORMAL, IDB_OFFICE_HOVER, L"Clean MS Office logs and recent files list.",
     L"Show options Microsoft office", L"Show options s Ms Office"},
    {IDB_MULTIMEDIA_NORMAL, IDB_MULTIMEDIA_HOVER, L"Clean played Multimedia details and recent files list.",
     L"Show options multimedia", L"Show options s Mult"},
    {IDB_FILESHARING_NORMAL, IDB_FILESHARING_HOVER,
     L"Clean logs and History of different File Sharing software.", L"Show options file sharing",
     L"Show options s file sharing"},
    {IDB_EMAIL_NORMAL, IDB_EMAIL_HOVER, L"Clean different email logs and old unwanted emails.",
     L"Show options emil", L"Show options s email"},
    {IDB_THIRDPARTY_NORMAL, IDB_THIRDPARTY_HOVER,
     L"Clean logs and History of different Third Party applications.", L"Show options third party",
     L"Show options s third party"},
};

void SetNormalLook(CLabel& label) {
    label.SetFontName(L"Arial");
    label.SetFontSize(9);
    label.SetFontUnderline(false);
    label.SetTextColor(kNavy);
}

} // namespace

CScanDefaultDlg::CScanDefaultDlg(IDashboardHost& host) : CPageDialog(IDD_SCANDEFAULT), host_(host) {}

BOOL CScanDefaultDlg::OnInitDialog() {
    WriteLog(L"Scaning init");
    LayoutAtFixedDpi();
    heading_.SubclassDlgItem(IDC_DASH_HEADING, Hwnd());
    heading_.SetTextStyle(L"Arial", 15, kNavy);
    heading_.SetText(L"Erase Evidence");
    for (int i = 0; i < kBuiltInCategoryCount; ++i) {
        const DashboardCategory& category = kCategories[i];
        CXPButton& icon = icons_[static_cast<size_t>(i)];
        icon.SubclassDlgItem(IDC_DASH_FIRST_ICON + i, Hwnd());
        icon.SetImages(Module(), category.normal, category.hover, category.normal);
        CLabel& description = descriptions_[static_cast<size_t>(i)];
        description.SubclassDlgItem(IDC_DASH_FIRST_TEXT + i, Hwnd());
        SetNormalLook(description);
        description.SetTransparent(true);
        description.SetHoverNotify(true);
        description.SetText(category.description);
    }
    // The categories keep their places; the button keeps to the corner.
    layout_.SetParent(Hwnd());
    layout_.AddControl(IDC_DASH_SCAN_NOW, CControlPos::kMoveRight | CControlPos::kMoveDown);
    return FALSE;
}

bool CScanDefaultDlg::OnCommand(int id, int code, HWND) {
    if (id == IDC_DASH_SCAN_NOW && code == BN_CLICKED) {
        WriteLog(L"Clicked on Scan now");
        host_.ShowOptionsAt(-1);
        return true;
    }
    if (id >= IDC_DASH_FIRST_ICON && id < IDC_DASH_FIRST_ICON + kBuiltInCategoryCount && code == BN_CLICKED) {
        OpenCategory(id - IDC_DASH_FIRST_ICON, false);
        return true;
    }
    // A line of text is clicked (static controls notify with SS_NOTIFY).
    if (id >= IDC_DASH_FIRST_TEXT && id < IDC_DASH_FIRST_TEXT + kBuiltInCategoryCount &&
        code == STN_CLICKED) {
        OpenCategory(id - IDC_DASH_FIRST_TEXT, true);
        return true;
    }
    return false;
}

void CScanDefaultDlg::OpenCategory(int category, bool fromDescription) {
    const DashboardCategory& entry = kCategories[category];
    if (fromDescription) {
        WriteLog(entry.descriptionLog);
    }
    WriteLog(entry.iconLog);
    WriteLog(L"Show Options");
    host_.ShowOptionsAt(category);
    lastCategory_ = category;
    if (fromDescription) {
        ShowNormalLook(category);
    }
}

void CScanDefaultDlg::ShowNormalLook(int category) {
    const auto index = static_cast<size_t>(category);
    SetNormalLook(descriptions_[index]);
    icons_[index].SetImages(Module(), kCategories[category].normal, kCategories[category].hover,
                            kCategories[category].normal);
}

void CScanDefaultDlg::OnControlHover(int id, bool entered) {
    if (id < IDC_DASH_FIRST_TEXT || id >= IDC_DASH_FIRST_TEXT + kBuiltInCategoryCount) {
        return;
    }
    const int category = id - IDC_DASH_FIRST_TEXT;
    if (!entered) {
        if (hoveredCategory_ >= 0) {
            ShowNormalLook(hoveredCategory_);
            hoveredCategory_ = -1;
        }
        return;
    }
    // The line and its icon light up together.
    CLabel& description = descriptions_[static_cast<size_t>(category)];
    description.SetTextColor(kHoverBlue);
    description.SetFontUnderline(true);
    const UINT hover = kCategories[category].hover;
    icons_[static_cast<size_t>(category)].SetImages(Module(), hover, hover, hover);
    hoveredCategory_ = category;
}

void CScanDefaultDlg::OnSize(UINT, int, int) {
    layout_.MoveControls();
}

} // namespace nimbrel
