#include "AboutDilg.h"

#include "Button.h"
#include "Dpi.h"
#include "NimbrelControlApp.h"
#include "ProgramFolder.h"
#include "ProgramLook.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "StartupEntry.h"
#include "VendorAddresses.h"
#include "resource.h"

#include <algorithm>

namespace nimbrel {

namespace {

constexpr COLORREF kLinkCaptionBlue = RGB(22, 53, 202);
// The line between the addresses and the preferences, pixels from the top
// (at 96 DPI, as the icon's place and size).
constexpr int kSeparatorY = 180;
// The program's icon in the top right corner (pixels from the right, top).
constexpr int kIconRight = 24;
constexpr int kIconTop = 14;
constexpr int kIconSize = 48;

// The check boxes named after their settings value by their own text.
constexpr wchar_t kStartupValue[] = L"Startup";
constexpr wchar_t kMinimiseValue[] = L"Minimise";

std::wstring ControlText(HWND dialog, int id) {
    return CWindow(GetDlgItem(dialog, id)).Text();
}

} // namespace

CAboutDilg::CAboutDilg() : CDialogBase(IDD_ABOUTBOX), white_(CreateSolidBrush(kPageWhite)) {}

BOOL CAboutDilg::OnInitDialog() {
    WriteLog(L"About OnInitDialog");
    LayoutAtFixedDpi();

    title_.SubclassDlgItem(IDC_ABOUT_TITLE, Hwnd());
    title_.SetFontName(L"Arial");
    title_.SetFontSize(13);
    title_.SetFontBold(true);
    title_.SetTextColor(kBodyNavy);
    title_.SetTransparent(true);

    struct LabelLook {
        int id;
        COLORREF colour;
    };
    const LabelLook looks[] = {
        {IDC_VERSION_CAPTION, RGB(0, 0, 0)},   {IDC_VERSION_TEXT, RGB(0, 0, 0)},
        {IDC_WEBSITE_LABEL, kLinkCaptionBlue}, {IDC_SUPPORT_LABEL, kLinkCaptionBlue},
        {IDC_EMAIL_LABEL, kLinkCaptionBlue},   {IDC_AUTOUPDATE_LABEL, RGB(0, 0, 0)},
        {IDC_PROMPT_LABEL, RGB(0, 0, 0)},      {IDC_STARTUP_LABEL, RGB(0, 0, 0)},
        {IDC_MINIMISE_LABEL, RGB(0, 0, 0)},
    };
    static_assert(sizeof looks / sizeof looks[0] == std::tuple_size<decltype(labels_)>::value);
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].SubclassDlgItem(looks[i].id, Hwnd());
        labels_[i].SetFontName(L"Arial");
        labels_[i].SetFontSize(9);
        labels_[i].SetTextColor(looks[i].colour);
        labels_[i].SetTransparent(true);
    }
    labels_[1].SetText(kVersionText);

    FontSpec linkFont;
    linkFont.face = L"Arial";
    linkFont.points = 9;
    linkFont.underline = true;
    const std::pair<CHyperLinkButton*, std::pair<int, const wchar_t*>> links[] = {
        {&website_, {IDC_WEBSITE_LINK, kVendorWebSite}},
        {&supportPage_, {IDC_SUPPORT_LINK, kVendorSupportPage}},
        {&supportEmail_, {IDC_EMAIL_LINK, kVendorSupportEmail}},
    };
    for (const auto& [link, place] : links) {
        link->SubclassDlgItem(place.first, Hwnd());
        link->SetText(place.second);
        link->SetNormalLook(RGB(0, 0, 238), linkFont);
        link->SetHoverLook(RGB(10, 10, 247), linkFont);
        link->SetTransparent(true);
    }

    CButton(Item(IDC_CHECK_AUTOUPDATE)).SetCheck(GetInt(kProductTitle, L"autoupdate") != 0);
    CButton(Item(IDC_CHECK_PROMPT)).SetCheck(GetInt(kProductTitle, L"prompt") != 0);
    for (int box : {IDC_CHECK_STARTUP, IDC_CHECK_MINIMISE}) {
        CButton(Item(box)).SetCheck(GetInt(kProductTitle, ControlText(Hwnd(), box)) != 0);
    }
    OnDpiChanged();
    // OK has the focus, so that Enter closes the box (and no link looks chosen).
    SetFocus(Item(IDOK));
    WriteLog(L"OnInitDialog - exit");
    return FALSE;
}

bool CAboutDilg::IsChecked(int box) const {
    return CButton(Item(box)).IsChecked();
}

void CAboutDilg::OnAutoUpdateClicked() {
    WriteLog(L" OnBnClickedCheckAutoupdate");
    SetInt(kProductTitle, L"autoupdate", IsChecked(IDC_CHECK_AUTOUPDATE) ? 1 : 0);
    WriteLog(L"OnBnClickedCheckAutoupdate exit");
}

void CAboutDilg::OnPromptClicked() {
    WriteLog(L" OnBnClickedCheckPrompt");
    SetInt(kProductTitle, L"prompt", IsChecked(IDC_CHECK_PROMPT) ? 1 : 0);
    WriteLog(L"OnBnClickedCheckPrompt exit");
}

void CAboutDilg::OnStartupClicked() {
    const bool checked = IsChecked(IDC_CHECK_STARTUP);
    SetInt(kProductTitle, kStartupValue, checked ? 1 : 0);
    if (checked) {
        RegisterStartupEntry(ProgramFolder());
    } else {
        RemoveStartupEntry();
    }
}

void CAboutDilg::OnMinimiseClicked() {
    SetInt(kProductTitle, kMinimiseValue, IsChecked(IDC_CHECK_MINIMISE) ? 1 : 0);
}

void CAboutDilg::ToggleAndApply(int box) {
    CButton(Item(box)).SetCheck(!IsChecked(box));
    OnCommand(box, BN_CLICKED, Item(box));
}

bool CAboutDilg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) { // STN_CLICKED of the labels is 0 as well
        return false;
    }
    switch (id) {
    case IDC_CHECK_AUTOUPDATE:
        OnAutoUpdateClicked();
        return true;
    case IDC_CHECK_PROMPT:
        OnPromptClicked();
        return true;
    case IDC_CHECK_STARTUP:
        OnStartupClicked();
        return true;
    case IDC_CHECK_MINIMISE:
        OnMinimiseClicked();
        return true;
    case IDC_AUTOUPDATE_LABEL:
        ToggleAndApply(IDC_CHECK_AUTOUPDATE);
        return true;
    case IDC_PROMPT_LABEL:
        ToggleAndApply(IDC_CHECK_PROMPT);
        return true;
    case IDC_STARTUP_LABEL:
        ToggleAndApply(IDC_CHECK_STARTUP);
        return true;
    case IDC_MINIMISE_LABEL:
        ToggleAndApply(IDC_CHECK_MINIMISE);
        return true;
    case IDC_WEBSITE_LINK:
        WriteLog(L"OnBnClickedButtonWebsite");
        ShellOpen(L"open", kVendorWebSite);
        return true;
    case IDC_SUPPORT_LINK:
        WriteLog(L"OnBnClickedButtonSupportlnk");
        ShellOpen(L"open", kVendorSupportPage);
        return true;
    case IDC_EMAIL_LINK:
        WriteLog(L"OnBnClickedButtonSupporteml");
        // The user's own mail program, whichever it is.
        ShellOpen(L"open", std::wstring(L"mailto:") + kVendorSupportEmail);
        return true;
    default:
        return false;
    }
}

void CAboutDilg::OnOK() {
    WriteLog(L"OnBnClickedOk");
    EndDialog(IDOK);
}

void CAboutDilg::OnDpiChanged() {
    icon_ = static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                          Scale(kIconSize), Scale(kIconSize), LR_SHARED));
}

bool CAboutDilg::OnEraseBackground(HDC dc) {
    const RECT client = CWindow(Hwnd()).ClientRect();
    FillColour(dc, client, kPageWhite);
    const int lineTop = Scale(kSeparatorY);
    const RECT line{1, lineTop, client.right - 1, lineTop + std::max(1, Scale(1))};
    FillColour(dc, line, kBodyNavy);
    if (icon_) {
        const int size = Scale(kIconSize);
        DrawIconEx(dc, client.right - Scale(kIconRight) - size, Scale(kIconTop), icon_, size, size, 0,
                   nullptr, DI_NORMAL);
    }
    return true;
}

HBRUSH CAboutDilg::OnCtlColor(HDC dc, HWND, UINT) {
    // Check boxes and the icon sit on the white page.
    SetBkColor(dc, kPageWhite);
    return white_.Get();
}

} // namespace nimbrel
