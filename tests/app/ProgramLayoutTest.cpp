// The main window on screens set to 100 %, 125 %, 150 % and 200 %: every
// page's controls inside their parents, no two texts over each other,
// every text inside its control, and the window, its fonts and its
// pictures grown in proportion to the scale. Each scale runs in a process
// of its own, since Wine reads the screen's DPI once per process.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "Dpi.h"
#include "NimbrelControlDlg.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "win32/GdiHandles.h"
#include "win32/Handles.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace app_tests;
using namespace testing_support;

namespace {

const wchar_t kReportVariable[] = L"NIMBREL_PROGRAM_LAYOUT_REPORT";
const wchar_t kScreenshotVariable[] = L"NIMBREL_PROGRAM_LAYOUT_SCREENSHOTS";

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool Shown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

// A control whose text the user reads in one place: labels, buttons and
// check boxes (not group boxes, whose frame surrounds others, nor the
// pictures and frames a static also draws).
bool IsTextControl(HWND window) {
    const std::wstring cls = ClassOf(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (cls == L"Button") {
        return (style & BS_TYPEMASK) != BS_GROUPBOX && !TextOf(window).empty();
    }
    if (cls == L"Static") {
        const LONG kind = style & SS_TYPEMASK;
        return (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_LEFTNOWORDWRAP ||
                kind == SS_SIMPLE) &&
               !TextOf(window).empty();
    }
    return false;
}

// What of the control's text does not fit it: empty when it all does.
std::wstring TextOverflow(HWND control, int dpi) {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font) {
        return {};
    }
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring cls = ClassOf(control);
    RECT client{};
    GetClientRect(control, &client);
    int width = client.right;
    UINT format = DT_CALCRECT;
    if (cls == L"Button") {
        const LONG kind = style & BS_TYPEMASK;
        if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
            kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE) {
            // The box and the gap before the text.
            width -= MulDiv(16, dpi, 96);
        }
        format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    } else {
        if ((style & SS_ELLIPSISMASK) != 0) {
            return {}; // cut on purpose, with an ellipsis
        }
        const LONG kind = style & SS_TYPEMASK;
        format |= (kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
        if (style & SS_NOPREFIX) {
            format |= DT_NOPREFIX;
        }
    }
    win32::CWindowDC dc(control);
    win32::CSelectObject select(dc.Get(), font);
    const std::wstring text = TextOf(control);
    RECT needed{0, 0, width, 0};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &needed, format);
    // One pixel either way is the rounding of a scaled edge.
    if (needed.right > width + 1 || needed.bottom > client.bottom + 1) {
        std::wostringstream what;
        what << L"needs " << needed.right << L"x" << needed.bottom << L", has " << width << L"x"
             << client.bottom;
        return what.str();
    }
    return {};
}

struct LayoutReport {
    int dpi = 0;
    SIZE client{};
    int fontHeight = 0; // of the Options page's controls
    SIZE icon{};        // the window's large icon
    SIZE pageClient{};  // the Options page's
    // After the window moved to a monitor at 150 % (measured at 96 only).
    SIZE movedClient{};
    int movedFontHeight = 0;
    std::vector<std::wstring> faults;
};

std::wstring Describe(HWND window) {
    std::wostringstream text;
    text << ClassOf(window) << L" " << GetDlgCtrlID(window) << L" \"" << TextOf(window) << L"\"";
    return text.str();
}

// The faults of the shown windows below `top`, each named with the page;
// returns the number of texts it measured.
int Inspect(HWND top, const std::wstring& page, int dpi, std::vector<std::wstring>& faults) {
    int texts = 0;
    std::vector<HWND> windows;
    EnumChildWindows(
        top,
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        // A window counts only when it and every parent up to the top show.
        bool visible = true;
        for (HWND w = window; w && w != top; w = GetParent(w)) {
            visible = visible && Shown(w);
        }
        if (!visible) {
            continue;
        }
        HWND parent = GetParent(window);
        RECT inside{};
        GetClientRect(parent, &inside);
        const RECT r = PlaceOf(window);
        if (r.left < -1 || r.top < -1 || r.right > inside.right + 1 || r.bottom > inside.bottom + 1) {
            std::wostringstream fault;
            fault << page << L": " << Describe(window) << L" at " << r.left << L"," << r.top << L","
                  << r.right << L"," << r.bottom << L" leaves its parent's " << inside.right << L"x"
                  << inside.bottom;
            faults.push_back(fault.str());
        }
        if (!IsTextControl(window)) {
            continue;
        }
        ++texts;
        if (const std::wstring overflow = TextOverflow(window, dpi); !overflow.empty()) {
            faults.push_back(page + L": the text of " + Describe(window) + L" does not fit: " + overflow);
        }
        for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (!Shown(sibling) || !IsTextControl(sibling)) {
                continue;
            }
            RECT other = PlaceOf(sibling);
            RECT common{};
            // An overlap of one pixel is the rounding of two scaled edges.
            InflateRect(&other, -1, -1);
            if (IntersectRect(&common, &r, &other)) {
                faults.push_back(page + L": " + Describe(window) + L" lies over " + Describe(sibling));
            }
        }
    }
    return texts;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

int FontHeight(HWND window) {
    LOGFONTW face{};
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
        GetObjectW(font, sizeof face, &face);
    }
    return face.lfHeight < 0 ? -face.lfHeight : face.lfHeight;
}

// The tab strip of the Options page: a control in the page's own font (a
// dialog answers WM_GETFONT with the font it was created with).
HWND OptionsTabs(nimbrel::CNimbrelControlDlg& window) {
    return FindWindowExW(window.OptionsPage().Hwnd(), nullptr, WC_TABCONTROLW, nullptr);
}

LayoutReport MeasureEveryPage(const std::wstring& screenshots) {
    CleanSettings settings;
    DesktopWatch desktop;
    nimbrel::CNimbrelControlDlg window{1};
    LayoutReport report;
    if (!window.Create(nullptr)) {
        report.faults.push_back(L"the main window did not open");
        return report;
    }
    ShowWindow(window.Hwnd(), SW_SHOW);
    Pump();
    report.dpi = nimbrel::WindowDpi(window.Hwnd());
    report.client = ClientSize(window.Hwnd());
    report.pageClient = ClientSize(window.OptionsPage().Hwnd());
    report.fontHeight = FontHeight(OptionsTabs(window));
    if (HICON icon = reinterpret_cast<HICON>(SendMessageW(window.Hwnd(), WM_GETICON, ICON_BIG, 0))) {
        ICONINFO info{};
        if (GetIconInfo(icon, &info)) {
            report.icon = win32::BitmapSize(info.hbmColor ? info.hbmColor : info.hbmMask);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    }

    auto look = [&](const std::wstring& page) {
        Pump();
        if (Inspect(window.Hwnd(), page, report.dpi, report.faults) < 3) {
            report.faults.push_back(page + L": fewer than three texts to measure");
        }
        if (!screenshots.empty()) {
            SaveSettledScreenshot(screenshots + L"-" + page);
        }
    };
    look(L"dashboard");
    HWND tabs = OptionsTabs(window);
    const int tabCount = tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    if (tabCount == 0) {
        report.faults.push_back(L"the Options page shows no tabs");
    }
    for (int tab = 0; tab < tabCount; ++tab) {
        window.ShowOptionsAt(tab);
        look(L"options-" + std::to_wstring(tab + 1));
    }
    window.ShowScanPage(true);
    look(L"scan");
    window.ShowStatisticsPage();
    look(L"results");
    window.ShowPage(nimbrel::NavPage::Shred);
    look(L"shred");
    if (report.dpi == 96) {
        // Dragged onto a monitor at 150 %: the system suggests the window's
        // place there, and the window lays itself out again.
        RECT place{};
        GetWindowRect(window.Hwnd(), &place);
        RECT client{};
        GetClientRect(window.Hwnd(), &client);
        RECT suggested = nimbrel::FrameForClient(window.Hwnd(), nimbrel::ScaleForDpi(client, 144), 144);
        OffsetRect(&suggested, place.left - suggested.left, place.top - suggested.top);
        SendMessageW(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&suggested));
        // The page, not the window: Wine keeps the frame of the process's
        // DPI, so the suggested place leaves the window's client a little
        // off where Windows would not; the page is laid out all the same.
        report.movedClient = ClientSize(window.OptionsPage().Hwnd());
        report.movedFontHeight = FontHeight(OptionsTabs(window));
        window.ShowOptionsAt(0);
        look(L"moved-to-150-percent");
    }
    return report;
}

} // namespace

TEST(ProgramLayout, EveryPageFitsAndGrowsWithTheScreensScale) {
    struct Scale {
        DWORD dpi;
        LayoutReport report;
    } scales[] = {{96, {}}, {120, {}}, {144, {}}, {192, {}}};
    for (Scale& scale : scales) {
        SCOPED_TRACE(testing::Message() << scale.dpi << " DPI");
        TestFolder scratch;
        const std::wstring file = scratch.Path(L"layout.txt");
        {
            TestRegistry setting;
            setting.Dword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", scale.dpi);
            const ProcessResult child =
                RunTestsInChild(L"ProgramLayoutChild.*",
                                {{kReportVariable, file},
                                 {kScreenshotVariable, L"program-" + std::to_wstring(scale.dpi) + L"dpi"}},
                                120000);
            ASSERT_TRUE(child.finished);
            ASSERT_EQ(0u, child.exitCode);
        }
        std::istringstream lines(ReadAll(file));
        std::string figures;
        std::getline(lines, figures);
        std::istringstream values(figures);
        LayoutReport& r = scale.report;
        values >> r.dpi >> r.client.cx >> r.client.cy >> r.fontHeight >> r.icon.cx >> r.icon.cy >>
            r.pageClient.cx >> r.pageClient.cy >> r.movedClient.cx >> r.movedClient.cy >> r.movedFontHeight;
        EXPECT_FALSE(values.fail()) << figures;
        for (std::string line; std::getline(lines, line);) {
            ADD_FAILURE() << line;
        }
        EXPECT_EQ(static_cast<int>(scale.dpi), r.dpi);
    }
    const LayoutReport& base = scales[0].report;
    ASSERT_GT(base.client.cx, 0);
    for (const Scale& scale : scales) {
        SCOPED_TRACE(testing::Message() << scale.dpi << " DPI");
        const LayoutReport& r = scale.report;
        // Each length grows with the scale, give or take the rounding.
        EXPECT_NEAR(r.client.cx, MulDiv(base.client.cx, scale.dpi, 96), 2);
        EXPECT_NEAR(r.client.cy, MulDiv(base.client.cy, scale.dpi, 96), 2);
        EXPECT_NEAR(r.fontHeight, MulDiv(base.fontHeight, scale.dpi, 96), 1);
        EXPECT_NEAR(r.icon.cx, MulDiv(32, scale.dpi, 96), 1);
    }
    // Moved from 100 % to a monitor at 150 %, it is laid out as one that
    // started there.
    const LayoutReport& at150 = scales[2].report;
    // The page follows the window's client, which Wine leaves taller by
    // the difference between the captions at the two scales.
    EXPECT_EQ(base.movedClient.cx, at150.pageClient.cx);
    EXPECT_NEAR(base.movedClient.cy, at150.pageClient.cy, 12);
    EXPECT_EQ(base.movedFontHeight, at150.fontHeight);
}

// Run by the test above in a process of its own, at the scale it set.
TEST(ProgramLayoutChild, DISABLED_MeasureEveryPage) {
    wchar_t file[MAX_PATH] = {};
    wchar_t screenshots[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(kReportVariable, file, MAX_PATH));
    GetEnvironmentVariableW(kScreenshotVariable, screenshots, MAX_PATH);
    // As the program's manifest declares it (Windows 10 1703 and later).
    using SetAwareness = BOOL(WINAPI*)(HANDLE);
    if (const auto set = reinterpret_cast<SetAwareness>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")))) {
        set(reinterpret_cast<HANDLE>(-4)); // per monitor, version 2
    }
    const LayoutReport r = MeasureEveryPage(screenshots);
    std::ostringstream text;
    text << r.dpi << " " << r.client.cx << " " << r.client.cy << " " << r.fontHeight << " " << r.icon.cx
         << " " << r.icon.cy << " " << r.pageClient.cx << " " << r.pageClient.cy << " " << r.movedClient.cx
         << " " << r.movedClient.cy << " " << r.movedFontHeight << "\n";
    for (const std::wstring& fault : r.faults) {
        text << win32::Utf8FromUtf16(fault) << "\n";
    }
    MakeFileWithContent(file, text.str());
}
