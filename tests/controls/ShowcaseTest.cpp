// The program's own controls in a real window: image buttons and links
// follow the mouse, labels draw as set, and a screenshot shows the look.
#include "DialogBase.h"
#include "HyperLinkButton.h"
#include "Label.h"
#include "XPButton.h"

#include "ControlsTestSupport.h"
#include "TestDialogIds.h"
#include "TestProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <array>

using namespace controls_tests;
using namespace testing_support;

namespace {

constexpr COLORREF kPage = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(123, 184, 231);
constexpr COLORREF kNavy = RGB(22, 52, 112);

// A page painted like the program's: a light blue column and a white page.
class ShowcaseDialog : public nimbrel::CDialogBase {
public:
    ShowcaseDialog() : CDialogBase(IDD_SHOWCASE) {}

    std::array<nimbrel::CXPButton, 4> navigation;
    std::array<nimbrel::CXPButton, 8> categories;
    nimbrel::CXPButton hoverButton;
    nimbrel::CLabel heading, raised, sunken, rightText, centredText, transparentText;
    nimbrel::CHyperLinkButton link;
    std::vector<std::pair<int, bool>> hovers; // labels' enter and leave reports

protected:
    BOOL OnInitDialog() override {
        LayoutAtFixedDpi();
        const UINT navImages[4][3] = {{IDB_SCAN_SELECTED, IDB_SCAN_SELECTED, IDB_SCAN_SELECTED},
                                      {IDB_OPTIONS_NORMAL, IDB_OPTIONS_HOVER, IDB_OPTIONS_SELECTED},
                                      {IDB_SHRED_NORMAL, IDB_SHRED_HOVER, IDB_SHRED_SELECTED},
                                      {IDB_STATISTICS_NORMAL, IDB_STATISTICS_HOVER, IDB_STATISTICS_SELECTED}};
        for (int i = 0; i < 4; ++i) {
            navigation[i].SubclassDlgItem(IDC_NAV_SCAN + i, Hwnd());
            navigation[i].SetImages(nullptr, navImages[i][0], navImages[i][1], navImages[i][2]);
        }
        const UINT icons[8][2] = {
            {IDB_WINDOWS_NORMAL, IDB_WINDOWS_HOVER},       {IDB_INTERNET_NORMAL, IDB_INTERNET_HOVER},
            {IDB_MESSENGERS_NORMAL, IDB_MESSENGERS_HOVER}, {IDB_OFFICE_NORMAL, IDB_OFFICE_HOVER},
            {IDB_MULTIMEDIA_NORMAL, IDB_MULTIMEDIA_HOVER}, {IDB_FILESHARING_NORMAL, IDB_FILESHARING_HOVER},
            {IDB_EMAIL_NORMAL, IDB_EMAIL_HOVER},           {IDB_THIRDPARTY_NORMAL, IDB_THIRDPARTY_HOVER}};
        for (int i = 0; i < 8; ++i) {
            categories[i].SubclassDlgItem(IDC_ICON_FIRST + i, Hwnd());
            categories[i].SetImages(nullptr, icons[i][0], icons[i][1], icons[i][0]);
        }
        hoverButton.SubclassDlgItem(IDC_HOVER_BUTTON, Hwnd());
        hoverButton.SetImages(SolidBitmap(RGB(200, 0, 0)), SolidBitmap(RGB(0, 160, 0)),
                              SolidBitmap(RGB(0, 0, 200)));

        heading.SubclassDlgItem(IDC_HEADING, Hwnd());
        heading.SetFontName(L"Arial");
        heading.SetFontSize(15);
        heading.SetTextColor(kNavy);
        heading.SetHoverNotify(true);
        for (auto* label : {&raised, &sunken, &rightText, &centredText}) {
            label->SetBkColor(RGB(255, 255, 255));
            label->SetTextColor(RGB(0, 0, 0));
            label->SetFontName(L"Arial");
            label->SetFontSize(10);
            label->SetFontBold(true);
        }
        raised.SubclassDlgItem(IDC_RAISED, Hwnd());
        raised.SetLook(nimbrel::CLabel::Look::Raised, RGB(230, 0, 0));
        sunken.SubclassDlgItem(IDC_SUNKEN, Hwnd());
        sunken.SetLook(nimbrel::CLabel::Look::Sunken, RGB(230, 0, 0));
        rightText.SubclassDlgItem(IDC_RIGHT_TEXT, Hwnd());
        centredText.SubclassDlgItem(IDC_CENTRED_TEXT, Hwnd());
        transparentText.SubclassDlgItem(IDC_TRANSPARENT_TEXT, Hwnd());
        transparentText.SetTransparent(true);
        transparentText.SetTextColor(kNavy);

        link.SubclassDlgItem(IDC_LINK, Hwnd());
        nimbrel::FontSpec linkFont;
        linkFont.face = L"Arial";
        linkFont.points = 9;
        linkFont.underline = true;
        link.SetNormalLook(RGB(0, 0, 255), linkFont);
        link.SetHoverLook(RGB(230, 0, 0), linkFont);
        SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        return TRUE;
    }
    bool OnEraseBackground(HDC dc) override {
        RECT client{};
        GetClientRect(Hwnd(), &client);
        win32::UniqueBrush page(CreateSolidBrush(kPage));
        FillRect(dc, &client, page.Get());
        RECT column = client;
        column.right = 170;
        win32::UniqueBrush frame(CreateSolidBrush(kFrame));
        FillRect(dc, &column, frame.Get());
        return true;
    }
    void OnControlHover(int id, bool entered) override { hovers.emplace_back(id, entered); }
};

class Showcase : public ::testing::Test {
protected:
    void SetUp() override {
        MoveMouse(AwayFromWindows());
        ASSERT_TRUE(dialog.Create(nullptr));
        ShowWindow(dialog.Hwnd(), SW_SHOW);
        SetForegroundWindow(dialog.Hwnd());
        UpdateWindow(dialog.Hwnd());
        Pump();
    }
    void TearDown() override { MoveMouse(AwayFromWindows()); }
    ShowcaseDialog dialog;
};

bool Is(COLORREF c, COLORREF expected) {
    return std::abs(GetRValue(c) - GetRValue(expected)) < 8 &&
           std::abs(GetGValue(c) - GetGValue(expected)) < 8 &&
           std::abs(GetBValue(c) - GetBValue(expected)) < 8;
}

} // namespace

TEST_F(Showcase, AnImageButtonShowsItsHoverImageOnlyWhileTheMouseIsOverIt) {
    HWND button = dialog.hoverButton.Hwnd();
    const auto showing = [&](COLORREF color) {
        return WaitFor(
            [&] {
                Pixels now(button);
                return Is(now.At(2, 2), color) && Is(now.At(now.Width() - 3, now.Height() - 3), color);
            },
            std::chrono::milliseconds(3000));
    };
    EXPECT_TRUE(showing(RGB(200, 0, 0))) << "normal image at rest";
    EXPECT_FALSE(dialog.hoverButton.IsMouseOver());

    MoveMouse(ScreenCentre(button));
    EXPECT_TRUE(showing(RGB(0, 160, 0))) << "hover image under the mouse";
    EXPECT_TRUE(dialog.hoverButton.IsMouseOver());

    MoveMouse(AwayFromWindows());
    EXPECT_TRUE(showing(RGB(200, 0, 0))) << "normal image after the mouse left";
    EXPECT_FALSE(dialog.hoverButton.IsMouseOver());

    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(showing(RGB(0, 0, 200))) << "pressed image while pressed";
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_TRUE(showing(RGB(200, 0, 0)));
}

TEST_F(Showcase, ALinkTakesItsHoverLookUnderTheMouseAndItsClickReachesThePage) {
    HWND link = dialog.link.Hwnd();
    const auto reddish = [&] { return Pixels(link).Count(IsReddish); };
    const auto blue = [](COLORREF c) {
        return GetBValue(c) > 150 && GetRValue(c) < 110 && GetGValue(c) < 110;
    };
    EXPECT_GT(Pixels(link).Count(blue), 10);
    EXPECT_EQ(0, reddish());

    MoveMouse(ScreenCentre(link));
    EXPECT_TRUE(WaitFor([&] { return reddish() > 10; }, std::chrono::milliseconds(3000)));
    EXPECT_EQ(0, Pixels(link).Count(blue));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());

    MoveMouse(AwayFromWindows());
    EXPECT_TRUE(WaitFor([&] { return reddish() == 0; }, std::chrono::milliseconds(3000)));
    EXPECT_FALSE(dialog.link.IsMouseOver());
}

TEST_F(Showcase, ALabelReportsTheMouseEnteringAndLeavingIt) {
    MoveMouse(ScreenCentre(dialog.heading.Hwnd()));
    ASSERT_TRUE(WaitFor([&] { return !dialog.hovers.empty(); }, std::chrono::milliseconds(3000)));
    MoveMouse(AwayFromWindows());
    ASSERT_TRUE(WaitFor([&] { return dialog.hovers.size() >= 2; }, std::chrono::milliseconds(3000)));
    EXPECT_EQ((std::vector<std::pair<int, bool>>{{IDC_HEADING, true}, {IDC_HEADING, false}}), dialog.hovers);
}

TEST_F(Showcase, LabelsAlignAndShadeTheirTextAsSet) {
    const Pixels right(dialog.rightText.Hwnd());
    const auto [rightFirst, rightLast] = right.Columns(IsDark);
    ASSERT_GE(rightFirst, 0);
    EXPECT_GT(rightFirst, right.Width() / 2) << "right-aligned text sits in the right half";
    EXPECT_GE(rightLast, right.Width() - 4);

    const Pixels centred(dialog.centredText.Hwnd());
    const auto [centredFirst, centredLast] = centred.Columns(IsDark);
    ASSERT_GE(centredFirst, 0);
    EXPECT_LE(std::abs((centredFirst + centredLast) / 2 - centred.Width() / 2), 3) << "centred text";

    // The second colour peeks out on the side the look moves it to.
    const auto black = [](COLORREF c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; };
    const Pixels raised(dialog.raised.Hwnd());
    ASSERT_GT(raised.Count(IsReddish), 0) << "the raised look draws a second colour";
    EXPECT_GT(raised.Columns(IsReddish).second, raised.Columns(black).second) << "raised: down-right";
    EXPECT_GE(raised.Columns(IsReddish).first, raised.Columns(black).first);
    const Pixels sunken(dialog.sunken.Hwnd());
    ASSERT_GT(sunken.Count(IsReddish), 0);
    EXPECT_LT(sunken.Columns(IsReddish).first, sunken.Columns(black).first) << "sunken: up-left";
    EXPECT_LE(sunken.Columns(IsReddish).second, sunken.Columns(black).second);

    const Pixels overPage(dialog.transparentText.Hwnd());
    EXPECT_TRUE(Is(overPage.At(overPage.Width() - 2, 1), kPage)) << "a transparent label shows the page";
    const Pixels heading(dialog.heading.Hwnd());
    EXPECT_GT(heading.Count([](COLORREF c) { return Is(c, kNavy); }), 20) << "the heading's own colour";
}

TEST_F(Showcase, TheProgramsLookIsSavedForPeopleToSee) {
    MoveMouse(ScreenCentre(dialog.navigation[1].Hwnd()));
    WaitFor([&] { return dialog.navigation[1].IsMouseOver(); }, std::chrono::milliseconds(3000));
    Pump();
    const std::wstring picture = SaveScreenshot(L"controls-showcase");
    EXPECT_FALSE(picture.empty()) << "no screenshot could be saved";
}
