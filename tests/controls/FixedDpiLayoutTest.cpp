// The fixed-DPI layout: at 96 DPI it agrees with the system's own dialog
// layout; on a 120-DPI screen every pixel of it grows by the scale, and
// with another face behind the dialog font it keeps the same pixels, with
// text that still fits them.
#include "DialogBase.h"
#include "FixedDpiLayout.h"

#include "ControlsTestSupport.h"
#include "TestDialogIds.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace controls_tests;
using namespace testing_support;

namespace {

class Page : public nimbrel::CDialogBase {
public:
    Page() : CDialogBase(IDD_LAYOUT) {}
};

// The places of the layout page's windows, as text for comparing between
// processes: client size, then every child in creation order.
std::string Places(HWND dialog) {
    std::ostringstream text;
    RECT client{};
    GetClientRect(dialog, &client);
    text << client.right << "x" << client.bottom;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = PlaceOf(child);
        text << " " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    return text.str();
}

// The places of a layout at 96 DPI as they are at `dpi`: every number
// scaled and rounded as the layout scales an edge.
std::string Scaled(const std::string& places, int dpi) {
    std::string text;
    std::string number;
    for (const char c : places + " ") {
        if (c >= '0' && c <= '9') {
            number += c;
            continue;
        }
        if (!number.empty()) {
            text += std::to_string(MulDiv(std::stoi(number), dpi, 96));
            number.clear();
        }
        text += c;
    }
    text.pop_back();
    return text;
}

int ScreenDpi() {
    win32::CWindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

struct Measurement {
    int dpi = 0;
    std::string native;            // as the system laid the template out
    std::string fixed;             // after the fixed-DPI layout
    nimbrel::DialogBaseUnits text; // of the font the layout gave the controls
};

// Lays the page out and, when `screenshot` is named, shows it for a picture.
Measurement Measure(const wchar_t* screenshot = nullptr) {
    Measurement m;
    m.dpi = ScreenDpi();
    Page page;
    if (page.Create(nullptr)) {
        m.native = Places(page.Hwnd());
        page.LayoutAtFixedDpi();
        m.fixed = Places(page.Hwnd());
        HWND label = GetWindow(page.Hwnd(), GW_CHILD);
        m.text =
            nimbrel::MeasureDialogBaseUnits(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        if (screenshot) {
            SetWindowPos(page.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            UpdateWindow(page.Hwnd());
            Pump();
            SaveScreenshot(screenshot);
        }
    }
    return m;
}

const wchar_t kReportVariable[] = L"NIMBREL_LAYOUT_REPORT";
const wchar_t kScreenshotVariable[] = L"NIMBREL_LAYOUT_SCREENSHOT";

} // namespace

TEST(FixedDpiLayout, At96DpiItMatchesTheSystemsOwnLayout) {
    const Measurement here = Measure();
    ASSERT_EQ(96, here.dpi) << "the test display runs at 96 DPI";
    ASSERT_FALSE(here.native.empty());
    EXPECT_EQ(here.native, here.fixed);
}

TEST(FixedDpiLayout, ADialogGrowsWithTheScreensScaleAndKeepsItsPixelsWithAnyDialogFace) {
    const Measurement here = Measure(L"controls-layout-96dpi");
    ASSERT_EQ(96, here.dpi);

    const struct {
        DWORD dpi;
        const wchar_t* face; // behind "MS Shell Dlg"; null: Wine's Tahoma
        const wchar_t* screenshot;
    } surroundings[] = {
        {120, nullptr, L"controls-layout-120dpi"},
        // Wider letters, which must be drawn smaller to fit.
        {96, L"DejaVu Sans", L"controls-layout-wider-face"},
        // What a prefix without Wine's Tahoma resolves: shorter lines, which
        // made every window shorter than the pages it places in pixels.
        {96, L"Liberation Sans", L"controls-layout-shorter-face"},
    };
    for (const auto& surrounding : surroundings) {
        SCOPED_TRACE(testing::Message() << surrounding.screenshot);
        TestFolder scratch;
        const std::wstring report = scratch.Path(L"layout-report.txt");
        {
            TestRegistry setting;
            if (surrounding.face) {
                setting.String(HKEY_LOCAL_MACHINE, kFontSubstitutesKey, L"MS Shell Dlg", surrounding.face);
            } else {
                setting.Dword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", surrounding.dpi);
            }
            const ProcessResult child =
                RunTestsInChild(L"LayoutChild.DISABLED_ReportLayout",
                                {{kReportVariable, report}, {kScreenshotVariable, surrounding.screenshot}});
            ASSERT_TRUE(child.finished);
            ASSERT_EQ(0u, child.exitCode);
        }
        std::istringstream lines(ReadAll(report));
        Measurement there;
        lines >> there.dpi >> there.text.cx >> there.text.cy >> std::ws;
        std::getline(lines, there.native);
        std::getline(lines, there.fixed);

        EXPECT_EQ(static_cast<int>(surrounding.dpi), there.dpi);
        EXPECT_NE(here.native, there.native) << "the system's own layout changes";
        EXPECT_EQ(Scaled(here.fixed, there.dpi), there.fixed) << "every pixel grows by the scale";
        EXPECT_TRUE(there.text.cx <= MulDiv(6, there.dpi, 96) && there.text.cy <= MulDiv(13, there.dpi, 96))
            << "the text holds to 6 x 13 units at 96 DPI: " << there.text.cx << " x " << there.text.cy;
    }
}

// Run by the test above in a process of its own, after the setting changed.
TEST(LayoutChild, DISABLED_ReportLayout) {
    wchar_t report[MAX_PATH] = {};
    wchar_t screenshot[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(kReportVariable, report, MAX_PATH));
    GetEnvironmentVariableW(kScreenshotVariable, screenshot, MAX_PATH);
    const Measurement m = Measure(screenshot);
    std::ostringstream text;
    text << m.dpi << " " << m.text.cx << " " << m.text.cy << "\n" << m.native << "\n" << m.fixed << "\n";
    MakeFileWithContent(report, text.str());
}
