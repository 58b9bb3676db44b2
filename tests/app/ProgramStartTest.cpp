// The real program in a real window: start-up, the splash, navigation,
// what is logged, closing, and a second start.
#include "ItemSelection.h"
#include "ProgramUnderTest.h"

#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

using namespace app_tests;
using namespace testing_support;

namespace {

class ProgramStart : public ::testing::Test {
protected:
    CleanSettings settings;
    ProgramFolderCopy install;

    // The page windows the main window holds, by their identifiers.
    std::vector<int> VisiblePages(HWND main) const {
        std::vector<int> shown;
        for (int id :
             {IDD_SCANPRG, IDD_SCANDEFAULT, IDD_OPTIONS, IDD_ADVANCEDSHRED, IDD_STATISTICS, IDD_RESULTS}) {
            HWND page = GetDlgItem(main, id);
            EXPECT_NE(page, nullptr) << "page " << id;
            if (page && IsWindowVisible(page)) {
                shown.push_back(id);
            }
        }
        return shown;
    }
    static HWND NavButton(HWND main, int id) { return FindChild(main, id); }
    // A press as the user makes it; the frame handles it before this returns.
    static void Press(HWND main, int id) { SendMessageW(NavButton(main, id), BM_CLICK, 0, 0); }

    size_t CountLines(const std::wstring& line) const {
        const auto lines = install.LogLines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_F(ProgramStart, SplashComesFirstThenTheDashboardWithTheScanButtonFocused) {
    RunningProgram program(install.Program());
    ASSERT_TRUE(program.Started());
    HWND splash = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (splash = program.Splash()) != nullptr; }));
    const auto shownAt = std::chrono::steady_clock::now();
    // The main window stays hidden behind the splash.
    EXPECT_FALSE(IsWindowVisible(FindWindowW(L"NimbrelMainWindow", L"Nimbrel")));
    RECT splashRect{};
    GetClientRect(splash, &splashRect);
    EXPECT_EQ(splashRect.right, 422); // the splash picture's own size
    EXPECT_EQ(splashRect.bottom, 336);
    SaveSettledScreenshot(L"program-splash");

    // Enter and Escape cannot shorten it.
    PostMessageW(splash, WM_COMMAND, IDOK, 0);
    PostMessageW(splash, WM_COMMAND, IDCANCEL, 0);
    HWND main = program.WaitForMainWindow(15000);
    ASSERT_NE(main, nullptr);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - shownAt).count();
    EXPECT_GT(seconds, 3.5);
    EXPECT_LT(seconds, 8.0);
    EXPECT_EQ(program.Splash(), nullptr);

    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_SCANDEFAULT});
    EXPECT_TRUE(WaitFor([&] { return FocusOf(main) == NavButton(main, IDC_SCAN_BUTTON); }));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_HELP_BUTTON)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_ABOUT_BUTTON)));
    wchar_t version[32] = {};
    GetDlgItemTextW(main, IDC_VERSION_LABEL, version, 32);
    EXPECT_STREQ(version, L"Ver2.3.2");
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 884); // 589 x 356 dialog units at 96 DPI
    EXPECT_EQ(client.bottom, 579);
    SaveSettledScreenshot(L"program-main-window");

    // Every page logs its creation, in the order the window makes them.
    EXPECT_EQ(install.LogLines(), (std::vector<std::wstring>{
                                      L"NMB is ready to start 2.3.2.1", L"Main Dlg Init", L"Left frame Init",
                                      L"Scan Progress", L"Scaning init", L"Shred OnInitDialog", L"Results",
                                      L"Loading results", L"Left frame Scan"}));
}

// The pages lie at fixed pixels and the images are drawn for them: whatever
// face stands behind the dialog font (a prefix without Wine's Tahoma
// resolves a shorter one), the window keeps its size, centred, and holds
// every page whole, down to the Options page's last row.
TEST_F(ProgramStart, TheWindowHoldsEveryPageWhateverFaceTheDialogFontResolvesTo) {
    const std::pair<const wchar_t*, const wchar_t*> faces[] = {
        {L"DejaVu Sans", L"program-page-options-wider-face"},
        {L"Liberation Sans", L"program-page-options-shorter-face"}};
    for (const auto& [face, screenshot] : faces) {
        SCOPED_TRACE(testing::Message() << face);
        TestRegistry substitute;
        substitute.String(HKEY_LOCAL_MACHINE, kFontSubstitutesKey, L"MS Shell Dlg", face);
        RunningProgram program(install.Program());
        ASSERT_TRUE(RunningProgram::StartAndShow(program));
        HWND main = program.MainWindow();
        Press(main, IDC_OPTIONS_BUTTON);
        SaveSettledScreenshot(screenshot);
        RECT client{};
        RECT frame{};
        GetClientRect(main, &client);
        GetWindowRect(main, &frame);
        EXPECT_EQ(client.right, 884);
        EXPECT_EQ(client.bottom, 579);
        EXPECT_LE(std::abs(frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN)), 2); // centred

        HWND options = GetDlgItem(main, IDD_OPTIONS);
        std::vector<HWND> whole{GetDlgItem(options, IDC_OPT_WHEN_ERASING),
                                GetDlgItem(options, IDC_OPT_START_SCAN),
                                GetParent(NavButton(main, IDC_SCAN_BUTTON))};
        EXPECT_TRUE(IsWindowVisible(whole[0]) && IsWindowVisible(whole[1]));
        for (int id :
             {IDD_SCANPRG, IDD_SCANDEFAULT, IDD_OPTIONS, IDD_ADVANCEDSHRED, IDD_STATISTICS, IDD_RESULTS}) {
            whole.push_back(GetDlgItem(main, id));
        }
        for (HWND window : whole) {
            RECT place{};
            RECT inside{};
            GetWindowRect(window, &place);
            MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
            EXPECT_TRUE(IntersectRect(&inside, &place, &client) && EqualRect(&inside, &place))
                << "window " << GetDlgCtrlID(window);
        }
    }
}

TEST_F(ProgramStart, FirstRunSelectsTheFactoryDefaultsAndNavigationShowsOnePageAtATime) {
    settings.Set(L"first", L"1");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND main = program.MainWindow();
    EXPECT_EQ(settings.Get(L"first"), L"0");
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, kSettingsKey).size(),
              nimbrel::SelectionItems().size() + 1); // and "first"
    EXPECT_EQ(settings.Get(L"Firefox Saved Passwords"), L"0");
    EXPECT_EQ(settings.Get(L"Firefox Cookies"), L"1");

    Press(main, IDC_OPTIONS_BUTTON);
    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_OPTIONS});
    SaveSettledScreenshot(L"program-page-options");
    Press(main, IDC_SHRED_BUTTON);
    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_ADVANCEDSHRED});
    SaveSettledScreenshot(L"program-page-shred");
    Press(main, IDC_STATISTICS_BUTTON);
    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_RESULTS});
    SaveSettledScreenshot(L"program-page-statistics");
    // The button of the page shown changes nothing but still logs.
    Press(main, IDC_STATISTICS_BUTTON);
    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_RESULTS});
    Press(main, IDC_SCAN_BUTTON);
    EXPECT_EQ(VisiblePages(main), std::vector<int>{IDD_SCANDEFAULT});

    const auto lines = install.LogLines();
    const std::vector<std::wstring> presses(lines.begin() + 9, lines.end());
    EXPECT_EQ(presses,
              (std::vector<std::wstring>{L"Left frame Options", L"Left frame Shred", L"Left frame Statistics",
                                         L"Loading results", L"Left frame Statistics", L"Left frame Scan"}));
}

TEST_F(ProgramStart, EscapeIsIgnoredAndClosingEndsTheRunWithItsLastLine) {
    settings.Set(L"ttf", L"  ");
    settings.Set(L"showerrs", L"-3");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND main = program.MainWindow();

    HWND focused = FocusOf(main);
    ASSERT_NE(focused, nullptr);
    PostMessageW(focused, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(focused, WM_KEYUP, VK_ESCAPE, 0);
    // Still there once the keys have been handled (a press is answered after them).
    Press(main, IDC_SHRED_BUTTON);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(program.WaitForExit(0));

    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    const auto lines = install.LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], L"Main Dlg Closing");
    EXPECT_EQ(lines.back(), L"NMB is Closed 2.3.2.1");
    EXPECT_EQ(settings.Get(L"ttf"), L"0");
    EXPECT_EQ(settings.Get(L"showerrs"), L"0");
}

TEST_F(ProgramStart, ClosingKeepsCountersThatHoldFigures) {
    settings.Set(L"ttf", L"12");
    settings.Set(L"showerrs", L"7");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(settings.Get(L"ttf"), L"12");
    EXPECT_EQ(settings.Get(L"showerrs"), L"7");
}

TEST_F(ProgramStart, ScansAndCleansAsANewUserDoes) {
    // A temporary file where the Temp Folder item looks, and only that item on.
    EmptyTemporaryFolders();
    const std::wstring local = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
    TestFolder temp = TestFolder::At(local.substr(0, local.rfind(L'\\')) + L"\\Temp");
    const std::wstring trace = temp.File(L"~WRS0001.tmp", 5120);
    settings.Set(L"Windows Temp Folder", L"1");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND main = program.MainWindow();

    PostClick(GetDlgItem(FindChild(main, IDD_SCANDEFAULT), IDC_DASH_SCAN_NOW));
    ASSERT_TRUE(WaitFor([&] { return VisiblePages(main) == std::vector<int>{IDD_OPTIONS}; }));
    PostClick(GetDlgItem(FindChild(main, IDD_OPTIONS), IDC_OPT_START_SCAN));
    HWND scanPage = FindChild(main, IDD_SCANPRG);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(GetDlgItem(scanPage, IDC_CLEAN)) != FALSE; }));
    wchar_t count[64] = {};
    GetDlgItemTextW(scanPage, IDC_FOUND_COUNT, count, 64);
    EXPECT_STREQ(count, L"1 item(s) found");
    EXPECT_EQ(settings.Get(L"fwnd"), L"1");
    EXPECT_EQ(settings.Get(L"swnd"), L"5.00");
    EXPECT_EQ(settings.Get(L"fint"), L"--");

    PostClick(GetDlgItem(scanPage, IDC_CLEAN));
    HWND done = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND window : TopLevelWindows(program.Id(), L"Nimbrel")) {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770") {
                done = window;
            }
        }
        return done != nullptr;
    })) << "the word that the cleaning is over";
    PostMessageW(done, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return VisiblePages(main) == std::vector<int>{IDD_RESULTS}; }));
    EXPECT_FALSE(FileExists(trace));
    EXPECT_EQ(settings.Get(L"fiwnd"), L"1");
    EXPECT_EQ(settings.Get(L"ttc"), L"1");
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10000));
    for (const wchar_t* line : {L"Started Scaning", L"Windows Temp Folder", L"1 item(s) found",
                                L"SCanning Completed", L"Cleaning started", L"ttc1"}) {
        EXPECT_EQ(CountLines(line), 1u) << line;
    }
}

TEST_F(ProgramStart, SecondStartBringsTheFirstWindowForwardAndEnds) {
    RunningProgram first(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(first));
    HWND main = first.MainWindow();
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }));

    RunningProgram second(install.Program());
    ASSERT_TRUE(second.Started());
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(main) && IsWindowVisible(main); }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
    // Only the first start wrote to a log.
    EXPECT_EQ(CountLines(L"NMB is ready to start 2.3.2.1"), 1u);
    EXPECT_EQ(CountLines(L"Main Dlg Init"), 1u);
}

} // namespace
