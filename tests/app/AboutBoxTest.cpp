// The About box of the real program: opened from the system menu and the
// About button, its check boxes store their preferences at once, and the
// start-up box registers the program to run at log-on.
#include "ProgramUnderTest.h"

#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace app_tests;
using namespace testing_support;

namespace {

// The start-up entry's data as stored, terminator included.
std::vector<wchar_t> RawStartupEntry(DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    DWORD size = 0;
    std::vector<wchar_t> data;
    if (RegQueryValueExW(key, L"Nimbrel", nullptr, type, nullptr, &size) == ERROR_SUCCESS) {
        data.resize(size / sizeof(wchar_t));
        RegQueryValueExW(key, L"Nimbrel", nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    RegCloseKey(key);
    return data;
}

bool StartupEntryExists() {
    return ValueExists(HKEY_LOCAL_MACHINE, kRunKey, L"Nimbrel");
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(RunningProgram::StartAndShow(program)); }

    HWND OpenFromSystemMenu() {
        PostMessageW(program.MainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        return program.WaitForWindow(L"About Nimbrel");
    }
    bool Checked(HWND about, int box) const {
        return SendMessageW(GetDlgItem(about, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // A click on a check box, handled (and stored) when this returns.
    void Click(HWND about, int box) const { SendMessageW(GetDlgItem(about, box), BM_CLICK, 0, 0); }
    void CloseWithOk(HWND about) const {
        SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    }

    CleanSettings settings;
    ProgramFolderCopy install;
    RunningProgram program{install.Program()};
};

TEST_F(AboutBox, CheckBoxesStoreTheirPreferencesTheMomentTheyAreClicked) {
    HWND about = OpenFromSystemMenu();
    ASSERT_NE(about, nullptr);
    for (int box : {IDC_CHECK_AUTOUPDATE, IDC_CHECK_PROMPT, IDC_CHECK_STARTUP, IDC_CHECK_MINIMISE}) {
        EXPECT_FALSE(Checked(about, box)) << box;
    }
    SaveSettledScreenshot(L"program-about-box");

    Click(about, IDC_CHECK_AUTOUPDATE);
    EXPECT_EQ(settings.Get(L"autoupdate"), L"1");
    Click(about, IDC_CHECK_PROMPT);
    EXPECT_EQ(settings.Get(L"prompt"), L"1");
    Click(about, IDC_CHECK_MINIMISE);
    EXPECT_EQ(settings.Get(L"Minimise"), L"1");
    Click(about, IDC_CHECK_AUTOUPDATE);
    EXPECT_EQ(settings.Get(L"autoupdate"), L"0");
    CloseWithOk(about);

    // The next opening shows what is stored.
    PostClick(GetDlgItem(program.MainWindow(), IDC_ABOUT_BUTTON));
    about = program.WaitForWindow(L"About Nimbrel");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(Checked(about, IDC_CHECK_AUTOUPDATE));
    EXPECT_TRUE(Checked(about, IDC_CHECK_PROMPT));
    EXPECT_TRUE(Checked(about, IDC_CHECK_MINIMISE));
    CloseWithOk(about);

    const auto lines = install.LogLines();
    const std::vector<std::wstring> expected = {
        L"Main Dlg About",
        L"About OnInitDialog",
        L"OnInitDialog - exit",
        L" OnBnClickedCheckAutoupdate",
        L"OnBnClickedCheckAutoupdate exit",
        L" OnBnClickedCheckPrompt",
        L"OnBnClickedCheckPrompt exit",
        L" OnBnClickedCheckAutoupdate",
        L"OnBnClickedCheckAutoupdate exit",
        L"OnBnClickedOk",
        L"Main Dlg About",
        L"About OnInitDialog",
        L"OnInitDialog - exit",
        L"OnBnClickedOk",
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::wstring>(lines.end() - expected.size(), lines.end()), expected);
}

TEST_F(AboutBox, RunOnStartupRegistersTheQuotedProgramPathAndRemovesItAgain) {
    HWND about = OpenFromSystemMenu();
    ASSERT_NE(about, nullptr);
    Click(about, IDC_CHECK_STARTUP);
    EXPECT_EQ(settings.Get(L"Startup"), L"1");
    DWORD type = 0;
    const auto data = RawStartupEntry(&type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    // The folder holds a blank: the path is quoted, and the text ends in its terminator.
    const std::wstring expected = L"\"" + install.Program() + L"\"";
    ASSERT_EQ(data.size(), expected.size() + 1);
    EXPECT_EQ(std::wstring(data.data()), expected);
    EXPECT_EQ(data.back(), L'\0');

    Click(about, IDC_CHECK_STARTUP);
    EXPECT_EQ(settings.Get(L"Startup"), L"0");
    EXPECT_FALSE(StartupEntryExists());
    CloseWithOk(about);
}

TEST_F(AboutBox, ClickingAPreferenceTextActsLikeItsBox) {
    HWND about = OpenFromSystemMenu();
    ASSERT_NE(about, nullptr);
    PostMouseClick(GetDlgItem(about, IDC_STARTUP_LABEL));
    EXPECT_TRUE(WaitFor([&] { return Checked(about, IDC_CHECK_STARTUP); }));
    EXPECT_TRUE(WaitFor([&] { return StartupEntryExists(); }));
    EXPECT_EQ(settings.Get(L"Startup"), L"1");

    PostMouseClick(GetDlgItem(about, IDC_MINIMISE_LABEL));
    EXPECT_TRUE(WaitFor([&] { return settings.Get(L"Minimise") == L"1"; }));
    EXPECT_TRUE(Checked(about, IDC_CHECK_MINIMISE));

    PostMouseClick(GetDlgItem(about, IDC_STARTUP_LABEL));
    EXPECT_TRUE(WaitFor([&] { return !StartupEntryExists(); }));
    EXPECT_EQ(settings.Get(L"Startup"), L"0");
    CloseWithOk(about);
}

} // namespace
