// What ships in the program folder beside the code: the version and the
// common-controls manifest inside Nimbrel.exe, and a help file that a help
// viewer can open, holding a page per screen.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"
#include "VersionInfo.h"

#include "AboutDilg.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <winver.h>

using namespace app_tests;
using namespace testing_support;

namespace {

std::wstring Program() {
    return ProgramFolder() + L"\\Nimbrel.exe";
}

std::string ManifestOf(const std::wstring& file) {
    HMODULE image = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) {
        return {};
    }
    std::string text;
    if (HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
        text.assign(bytes, SizeofResource(image, found));
    }
    FreeLibrary(image);
    return text;
}

} // namespace

TEST(ProgramFolder, TheProgramCarriesItsVersionAndAsksForCommonControls6) {
    DWORD ignored = 0;
    const std::wstring program = Program();
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_NE(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 2));
    EXPECT_EQ(VersionString(program, L"FileVersion"), L"2.3.2.1");
    EXPECT_EQ(VersionString(program, L"ProductName"), L"Nimbrel");

    const std::string manifest = ManifestOf(program);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << manifest;
}

TEST(ProgramFolder, TheHelpFileIsACompiledHelpFileWithAPagePerScreen) {
    const std::string help = ReadAll(ProgramFolder() + L"\\Nimbrel Help.chm");
    ASSERT_GT(help.size(), 4u);
    EXPECT_EQ(help.substr(0, 4), "ITSF");
    // The file's directory lists every page by name.
    for (const char* page : {"/welcome.htm", "/scan.htm", "/options.htm", "/shred.htm", "/statistics.htm",
                             "/about.htm", "/commandline.htm", "/browsers.htm", "/community.htm"}) {
        EXPECT_NE(help.find(page), std::string::npos) << page;
    }
}

TEST(AboutBoxLinks, OpenTheVendorsPagesAndTheUsersMailProgram) {
    CleanSettings settings;
    DesktopWatch desktop;
    nimbrel::CAboutDilg about;
    ASSERT_TRUE(about.Create(nullptr));
    ShowWindow(about.Hwnd(), SW_SHOW);
    Pump();
    for (int link : {IDC_WEBSITE_LINK, IDC_SUPPORT_LINK, IDC_EMAIL_LINK}) {
        SendMessageW(GetDlgItem(about.Hwnd(), link), BM_CLICK, 0, 0);
    }
    const auto calls = desktop.ShellCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].file, L"https://www.nimbrel.com");
    EXPECT_EQ(calls[1].file, L"https://www.nimbrel.com/support.htm");
    EXPECT_EQ(calls[2].file, L"mailto:support@nimbrel.com");
    for (const ShellCall& call : calls) {
        EXPECT_EQ(call.verb, L"open");
    }
    DestroyWindow(about.Hwnd());
}
