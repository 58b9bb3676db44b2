// The fixed-DPI layout: at 96 DPI it agrees with the system's own dialog
// layout, and at 120 DPI it keeps the 96-DPI pixels.
#include "DialogBase.h"
#include "FixedDpiLayout.h"

#include "ControlsTestSupport.h"
#include "TestDialogIds.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <fstream>
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
    std::string native; // as the system laid the template out
    std::string fixed;  // after the fixed-DPI layout
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
        if (screenshot) {
            SetWindowPos(page.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            UpdateWindow(page.Hwnd());
            Pump();
            SaveScreenshot(screenshot);
        }
    }
    return m;
}

// Sets Wine's screen DPI for processes started from now on, and puts the
// previous setting back.
class ScreenDpiSetting {
public:
    explicit ScreenDpiSetting(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof previous_;
        hadPrevious_ = RegQueryValueExW(key_, L"LogPixels", nullptr, &type_,
                                        reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~ScreenDpiSetting() {
        if (hadPrevious_) {
            RegSetValueExW(key_, L"LogPixels", 0, type_, reinterpret_cast<const BYTE*>(&previous_),
                           sizeof previous_);
        } else {
            RegDeleteValueW(key_, L"LogPixels");
        }
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    DWORD type_ = REG_DWORD;
    DWORD previous_ = 0;
    bool hadPrevious_ = false;
};

const wchar_t kReportVariable[] = L"NIMBREL_DPI_REPORT";

} // namespace

TEST(FixedDpiLayout, At96DpiItMatchesTheSystemsOwnLayout) {
    const Measurement here = Measure();
    ASSERT_EQ(96, here.dpi) << "the test display runs at 96 DPI";
    ASSERT_FALSE(here.native.empty());
    EXPECT_EQ(here.native, here.fixed);
}

TEST(FixedDpiLayout, ADialogLaidOutAt120DpiHasItsPixelSizeAt96Dpi) {
    const Measurement here = Measure(L"controls-layout-96dpi");
    ASSERT_EQ(96, here.dpi);

    TestFolder scratch;
    const std::wstring report = scratch.Path(L"dpi-report.txt");
    Measurement there;
    {
        ScreenDpiSetting dpi120(120);
        SetEnvironmentVariableW(kReportVariable, report.c_str());
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const ProcessResult child = RunProcess(
            L"\"" + std::wstring(self) +
                L"\" --gtest_also_run_disabled_tests --gtest_filter=DpiChild.DISABLED_ReportLayout",
            60000);
        SetEnvironmentVariableW(kReportVariable, nullptr);
        ASSERT_TRUE(child.finished);
        ASSERT_EQ(0u, child.exitCode);
    }
    const std::string text = ReadAll(report);
    std::istringstream lines(text);
    std::string dpiLine;
    std::getline(lines, dpiLine);
    there.dpi = std::stoi(dpiLine);
    std::getline(lines, there.native);
    std::getline(lines, there.fixed);

    ASSERT_EQ(120, there.dpi) << "the DPI setting did not reach the child";
    EXPECT_NE(here.native, there.native) << "the system's own layout grows at 120 DPI";
    EXPECT_EQ(here.fixed, there.fixed) << "the fixed layout keeps every pixel";
}

// Run by the test above in a process of its own, after the DPI changed.
TEST(DpiChild, DISABLED_ReportLayout) {
    wchar_t report[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(kReportVariable, report, MAX_PATH));
    const Measurement m = Measure(L"controls-layout-120dpi");
    MakeFileWithContent(report, std::to_string(m.dpi) + "\n" + m.native + "\n" + m.fixed + "\n");
}
