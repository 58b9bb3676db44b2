// The real program's automatic update check against a local stand-in for
// the vendor's server: which offers it takes, when it asks, and the
// installation of what it downloaded.
#include "ProgramUnderTest.h"
#include "TestSigning.h"
#include "UpdateServer.h"

#include "TestProcess.h"

#include <gtest/gtest.h>

#include <string>

using namespace app_tests;
using namespace testing_support;

namespace {

// One offer of the update page: a component, its version and its files.
struct Offer {
    std::string component;
    std::string version;
    std::vector<std::string> files; // file names on the server
};

class ProgramUpdate : public ::testing::Test {
protected:
    // Serves the page and points the program at this test's folder.
    void Publish(const std::vector<Offer>& offers) {
        std::string page = std::to_string(offers.size()) + "\n";
        for (const Offer& offer : offers) {
            page +=
                offer.component + "\t" + offer.version + "\t" + std::to_string(offer.files.size()) + "\t0\n";
            for (const std::string& file : offer.files) {
                const std::wstring url = server.Url(std::wstring(file.begin(), file.end()));
                // Size 0: the page announces no size to hold the download to.
                page += file + "\t\\\t0\t" + std::string(url.begin(), url.end()) + "\t0\t0\n";
            }
        }
        server.Put(L"updates\\updates.asp", page);
        std::wstring base = server.Url(L"");
        base.pop_back(); // the trailing slash
        settings.Set(L"updateserver", base);
        settings.Set(L"autoupdate", L"1");
    }
    // The file names the server was asked for, the update page and the
    // signatures left out.
    std::vector<std::wstring> Downloads() const {
        std::vector<std::wstring> names;
        for (const std::wstring& name : server.RequestedFiles()) {
            if (name != L"updates/updates.asp") {
                names.push_back(name);
            }
        }
        return names;
    }
    bool PageRead() const {
        const auto asked = server.Requested();
        return std::find(asked.begin(), asked.end(), L"updates/updates.asp") != asked.end();
    }
    // A message box of the program with this caption (not its main window).
    HWND MessageBoxWindow(const RunningProgram& program, const std::wstring& caption) const {
        for (HWND window : TopLevelWindows(program.Id(), caption)) {
            if (window != program.MainWindow()) {
                return window;
            }
        }
        return nullptr;
    }

    CleanSettings settings;
    TrustedKey trust; // the server signs with the test key
    ProgramFolderCopy install;
    ServedFiles server;
};

TEST_F(ProgramUpdate, AsksBeforeANewerVersionAndNoKeepsItFromDownloading) {
    Publish({{"software", "2.3.10", {"nimbrel-2.3.10.bin"}}});
    settings.Set(L"prompt", L"1");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND question = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (question = MessageBoxWindow(program, L"Program Update")) != nullptr; }));
    SaveSettledScreenshot(L"program-update-question");
    PostClick(GetDlgItem(question, IDNO));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(question); }));
    WaitFor([] { return false; }, std::chrono::milliseconds(500));
    EXPECT_TRUE(Downloads().empty());
    const auto lines = install.LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"Main Dlg Calling check for updates"), lines.end());
}

TEST_F(ProgramUpdate, YesTakesTheOfferedVersion) {
    Publish({{"software", "2.3.3", {"nimbrel-2.3.3.bin"}}});
    settings.Set(L"prompt", L"1");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND question = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (question = MessageBoxWindow(program, L"Program Update")) != nullptr; }));
    PostClick(GetDlgItem(question, IDYES));
    EXPECT_TRUE(WaitFor([&] { return Downloads() == std::vector<std::wstring>{L"nimbrel-2.3.3.bin"}; }));
}

TEST_F(ProgramUpdate, WithoutPromptNewerVersionsGoAheadUnaskedAndOlderOnesAreDeclined) {
    // The server has none of the files: each download taken fails, and the
    // first failure ends the check, so only the last offer may fail.
    server.Put(L"nimbrel-2.3.3.bin", "new!!");
    Publish({{"software", "2.3.2", {"same.bin"}},
             {"software", "2.3.1", {"older.bin"}},
             {"database", "9.9", {"other.bin"}},
             {"software", "2.3.3", {"nimbrel-2.3.3.bin"}},
             {"software", "2.3.10", {"nimbrel-2.3.10.bin"}}});
    settings.Set(L"prompt", L"0");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    EXPECT_TRUE(WaitFor([&] { return Downloads().size() == 2; }));
    EXPECT_EQ(Downloads(), (std::vector<std::wstring>{L"nimbrel-2.3.3.bin", L"nimbrel-2.3.10.bin"}));
    EXPECT_EQ(MessageBoxWindow(program, L"Program Update"), nullptr);
    EXPECT_EQ(MessageBoxWindow(program, L"Nimbrel"), nullptr); // nothing installed: a download failed
}

TEST_F(ProgramUpdate, DownloadedUpdatesAreAnnouncedAndInstalledIntoTheProgramFolder) {
    server.Put(L"readme.bin", "version 2.3.3 notes");
    Publish({{"software", "2.3.3", {"readme.bin"}}});
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    HWND ready = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (ready = MessageBoxWindow(program, L"Nimbrel")) != nullptr; }));
    SaveSettledScreenshot(L"program-update-ready");
    PostClick(GetDlgItem(ready, IDOK));
    const std::wstring installed = install.Folder() + L"\\readme.bin";
    ASSERT_TRUE(WaitFor([&] { return FileExists(installed); }));
    EXPECT_TRUE(WaitFor([&] { return ReadAll(installed) == "version 2.3.3 notes"; }));
    // The program goes on after an installation that needs no restart.
    EXPECT_FALSE(program.WaitForExit(300));
}

TEST_F(ProgramUpdate, NoCheckUnlessAutoupdateIsSet) {
    Publish({{"software", "2.3.10", {"nimbrel-2.3.10.bin"}}});
    settings.Set(L"autoupdate", L"0");
    RunningProgram program(install.Program());
    ASSERT_TRUE(RunningProgram::StartAndShow(program));
    WaitFor([] { return false; }, std::chrono::milliseconds(1000));
    EXPECT_FALSE(PageRead());
    const auto lines = install.LogLines();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), L"Main Dlg Calling check for updates"), lines.end());
}

} // namespace
