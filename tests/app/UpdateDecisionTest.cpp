// The program's side of the update check, inside the test program: which
// offered updates it takes, when it asks, and that an installation waits
// for a scan or cleaning run to end.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"

#include "NimbrelControlApp.h"
#include "TestProcess.h"
#include "UpdateCheck.h"
#include "VersionCompare.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace app_tests;
using namespace testing_support;
using nimbrel::CompareVersions;
using nimbrel::theApp;

namespace {

TEST(VersionOrder, ComponentsCompareAsNumbers) {
    EXPECT_GT(CompareVersions(L"2.3.10", L"2.3.2"), 0);
    EXPECT_GT(CompareVersions(L"2.3.3", L"2.3.2.1"), 0);
    EXPECT_GT(CompareVersions(L"10.0", L"9.9.9"), 0);
    EXPECT_LT(CompareVersions(L"2.3.1", L"2.3.2"), 0);
    EXPECT_LT(CompareVersions(L"2.3.2", L"2.3.2.1"), 0);
    EXPECT_EQ(CompareVersions(L"2.3", L"2.3.0.0"), 0);
    EXPECT_EQ(CompareVersions(L"2.03.2", L"2.3.2"), 0);
    // A letter after the digits, a blank before them, or nothing at all.
    EXPECT_EQ(CompareVersions(L"2.3.3b", L"2.3.3"), 0);
    EXPECT_EQ(CompareVersions(L" 2.4", L"2.4"), 0);
    EXPECT_LT(CompareVersions(L"", L"0.0.1"), 0);
    // A number too long for any integer is still very new, not wrapped round.
    EXPECT_GT(CompareVersions(L"2.99999999999999999999999", L"2.3"), 0);
}

class UpdateDecision : public ::testing::Test {
protected:
    CleanSettings settings;
    DesktopWatch desktop{IDYES};
    nimbrel::CUpdateCheck& check = theApp.updateCheck;
};

TEST_F(UpdateDecision, AsksBeforeTakingANewerVersionWhenPromptIsSet) {
    settings.Set(L"prompt", L"1");
    EXPECT_EQ(check.Decide(L"software", L"2.3.3"), 1);
    desktop.Answer(IDNO);
    EXPECT_EQ(check.Decide(L"software", L"2.3.10"), 0);
    desktop.Answer(IDCANCEL);
    EXPECT_EQ(check.Decide(L"software", L"3.0"), 0);

    const auto asked = desktop.Messages();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text,
              L"New update of Nimbrel is available.\nDo you want to download and install this update?");
    EXPECT_EQ(asked[0].caption, L"Program Update");
    EXPECT_EQ(asked[0].type & (MB_TYPEMASK | MB_ICONMASK), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(UpdateDecision, TakesANewerVersionWithoutAQuestionWhenPromptIsOffOrAbsent) {
    EXPECT_EQ(check.Decide(L"software", L"2.3.10"), 1);
    settings.Set(L"prompt", L"0");
    EXPECT_EQ(check.Decide(L"software", L"2.3.3"), 1);
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(UpdateDecision, DeclinesOlderOrSameVersionsAndOtherComponentsWithoutAsking) {
    settings.Set(L"prompt", L"1");
    EXPECT_EQ(check.Decide(L"software", L"2.3.2"), 0);
    EXPECT_EQ(check.Decide(L"software", L"2.3.1"), 0);
    EXPECT_EQ(check.Decide(L"software", L"2.3.2.1"), 0); // the build installed
    EXPECT_EQ(check.Decide(L"software", L""), 0);
    EXPECT_EQ(check.Decide(L"database", L"9.0"), 0);
    EXPECT_EQ(check.Decide(nullptr, L"9.0"), 0);
    EXPECT_EQ(check.Decide(L"software", nullptr), 0);
    EXPECT_TRUE(desktop.Messages().empty());
    // The first call of a check, before any offer, goes ahead.
    EXPECT_EQ(check.Decide(nullptr, nullptr), 1);
}

// A stand-in for the updater's check: asks about one offer, and when it is
// taken reports the downloads ready, "installs" and ends.
struct FakeUpdater {
    static inline std::atomic<bool> installed{false};
    static inline std::atomic<DWORD> thread{0};
    static inline std::wstring address;
    static void Check(const wchar_t* url, nimbrel::UpdateDecideCallBack decide,
                      nimbrel::UpdateStatusCallBack status) {
        thread = GetCurrentThreadId();
        address = url;
        decide(nullptr, nullptr);
        if (decide(L"software", L"2.3.10")) {
            status(3, L"software");
            status(8, nullptr);
            installed = true;
        }
        status(11, nullptr);
    }
};

TEST_F(UpdateDecision, AnInstallationWaitsUntilTheScanIsOverAndNoRunStartsDuringIt) {
    FakeUpdater::installed = false;
    check.SetCheckFunction(&FakeUpdater::Check);
    ASSERT_TRUE(theApp.runs.BeginRun()); // a scan is under way

    ASSERT_TRUE(check.Start(L"http://updates.test/updates/updates.asp"));
    EXPECT_FALSE(check.Start(L"http://updates.test/updates/updates.asp")); // one check at a time
    Sleep(300);
    EXPECT_FALSE(FakeUpdater::installed) << "installed in the middle of a scan";
    EXPECT_TRUE(desktop.Messages().empty()) << "the notice waits for the scan's end too";

    theApp.runs.EndRun();
    ASSERT_TRUE(WaitFor([&] { return desktop.Messages().size() == 1; }));
    EXPECT_EQ(desktop.Messages()[0].text,
              L"New downloaded updates are ready to be installed.\n[Note: This may restart application.]");
    EXPECT_EQ(desktop.Messages()[0].caption, L"Nimbrel");
    EXPECT_EQ(desktop.Messages()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_TRUE(WaitFor([] { return FakeUpdater::installed.load(); }));
    EXPECT_TRUE(check.Wait(5000));
    EXPECT_NE(FakeUpdater::thread, GetCurrentThreadId());
    EXPECT_EQ(FakeUpdater::address, L"http://updates.test/updates/updates.asp");
    // The check has ended: runs may start again.
    EXPECT_TRUE(theApp.runs.BeginRun());
    theApp.runs.EndRun();
    check.SetCheckFunction(nullptr);
}

TEST_F(UpdateDecision, WhileTheReadyNoticeIsUpTheProgramCountsAsInstalling) {
    // Closing the main window then still waits for the installation.
    static std::atomic<bool> installingWhileShown;
    installingWhileShown = false;
    theApp.seams.messageBox = [](HWND, const std::wstring&, const std::wstring&, UINT) {
        installingWhileShown = theApp.updateCheck.IsInstalling();
        return IDOK;
    };
    FakeUpdater::installed = false;
    check.SetCheckFunction(&FakeUpdater::Check);
    ASSERT_TRUE(check.Start(L"http://updates.test/updates/updates.asp"));
    ASSERT_TRUE(check.Wait(30000));
    EXPECT_TRUE(installingWhileShown);
    EXPECT_TRUE(FakeUpdater::installed);
    check.SetCheckFunction(nullptr);
}

TEST(RunGate, NoRunStartsWhileAnInstallationHoldsTheGate) {
    nimbrel::CRunGate gate;
    gate.HoldForInstallation(); // nothing runs: at once
    EXPECT_FALSE(gate.BeginRun());
    gate.ReleaseAfterInstallation();
    EXPECT_TRUE(gate.BeginRun());
    EXPECT_TRUE(gate.IsRunInProgress());
    gate.EndRun();
    EXPECT_FALSE(gate.IsRunInProgress());
}

} // namespace
