// The fixed-DPI layout: at 96 DPI it agrees with the system's own dialog
// layout, and on a 120-DPI screen or with another face behind the dialog
// font it keeps the same pixels, with text that still fits them.
#include "DialogBase.h"
#include "FixedDpiLayout.h"

#include "ControlsTestSupport.h"
#include "TestDialogIds.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

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

int ScreenDpi() {
    nimbrel::CWindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

struct Measurement {
    int dpi = 0;
    std::string native;            // as the system laid the template out
    std::string fixed;             // after the fixed-DPI layout
    nimbrel::DialogBaseUnits face; // "MS Shell Dlg" 8 pt as the system resolves it
    nimbrel::DialogBaseUnits text; // the font the layout gave the controls
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
        LOGFONTW dialogFace{};
        dialogFace.lfHeight = -11;
        wcscpy(dialogFace.lfFaceName, L"MS Shell Dlg");
        m.face = nimbrel::MeasureDialogBaseUnits(nimbrel::UniqueFont(CreateFontIndirectW(&dialogFace)).Get());
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

// What a child process is started under, and the setting that makes it so.
struct Surrounding {
    const char* what;
    int dpi;
    nimbrel::DialogBaseUnits face; // "MS Shell Dlg" 8 pt there
    const wchar_t* screenshot;
    std::function<ValueOverride()> set;
};

} // namespace

TEST(FixedDpiLayout, At96DpiItMatchesTheSystemsOwnLayout) {
    const Measurement here = Measure();
    ASSERT_EQ(96, here.dpi) << "the test display runs at 96 DPI";
    ASSERT_FALSE(here.native.empty());
    EXPECT_EQ(here.native, here.fixed);
}

TEST(FixedDpiLayout, ADialogKeepsItsPixelsOnAnyScreenAndWithAnyDialogFace) {
    const Measurement here = Measure(L"controls-layout-96dpi");
    ASSERT_EQ(96, here.dpi);
    ASSERT_TRUE(here.face.cx == 6 && here.face.cy == 13)
        << "Wine's Tahoma is behind the test prefix's dialog font";

    const Surrounding surroundings[] = {
        {"a 120-DPI screen",
         120,
         {6, 13},
         L"controls-layout-120dpi",
         [] {
             return ValueOverride(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", DWORD{120});
         }},
        // Wider letters: the text must be made smaller to fit the layout.
        {"a wider dialog face",
         96,
         {7, 13},
         L"controls-layout-wider-face",
         [] { return SubstituteDialogFace(L"DejaVu Sans"); }},
        // What a prefix without Wine's Tahoma resolves: shorter lines, which
        // used to make every window shorter than its pages.
        {"a shorter dialog face",
         96,
         {6, 12},
         L"controls-layout-shorter-face",
         [] { return SubstituteDialogFace(L"Liberation Sans"); }},
    };
    for (const Surrounding& surrounding : surroundings) {
        SCOPED_TRACE(surrounding.what);
        TestFolder scratch;
        const std::wstring report = scratch.Path(L"layout-report.txt");
        {
            const ValueOverride setting = surrounding.set();
            SetEnvironmentVariableW(kReportVariable, report.c_str());
            SetEnvironmentVariableW(kScreenshotVariable, surrounding.screenshot);
            wchar_t self[MAX_PATH] = {};
            GetModuleFileNameW(nullptr, self, MAX_PATH);
            const ProcessResult child = RunProcess(
                L"\"" + std::wstring(self) +
                    L"\" --gtest_also_run_disabled_tests --gtest_filter=LayoutChild.DISABLED_ReportLayout",
                60000);
            SetEnvironmentVariableW(kReportVariable, nullptr);
            SetEnvironmentVariableW(kScreenshotVariable, nullptr);
            ASSERT_TRUE(child.finished);
            ASSERT_EQ(0u, child.exitCode);
        }
        std::istringstream lines(ReadAll(report));
        Measurement there;
        lines >> there.dpi >> there.face.cx >> there.face.cy >> there.text.cx >> there.text.cy >> std::ws;
        std::getline(lines, there.native);
        std::getline(lines, there.fixed);

        EXPECT_EQ(surrounding.dpi, there.dpi);
        EXPECT_TRUE(there.face.cx == surrounding.face.cx && there.face.cy == surrounding.face.cy)
            << "the face behind the dialog font: " << there.face.cx << "x" << there.face.cy;
        EXPECT_NE(here.native, there.native)
            << "the system's own layout changes (the setting reached the child)";
        EXPECT_EQ(here.fixed, there.fixed) << "the fixed layout keeps every pixel";
        EXPECT_TRUE(there.text.cx <= 6 && there.text.cy <= 13)
            << "the page's text takes no more room than the layout gives it: " << there.text.cx << "x"
            << there.text.cy << " (the face: " << there.face.cx << "x" << there.face.cy << ")";
    }
}

// Run by the test above in a process of its own, after the setting changed.
TEST(LayoutChild, DISABLED_ReportLayout) {
    wchar_t report[MAX_PATH] = {};
    wchar_t screenshot[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(kReportVariable, report, MAX_PATH));
    ASSERT_TRUE(GetEnvironmentVariableW(kScreenshotVariable, screenshot, MAX_PATH));
    const Measurement m = Measure(screenshot);
    std::ostringstream text;
    text << m.dpi << " " << m.face.cx << " " << m.face.cy << " " << m.text.cx << " " << m.text.cy << "\n"
         << m.native << "\n"
         << m.fixed << "\n";
    MakeFileWithContent(report, text.str());
}
