// Third-party application items: Acrobat's recent files, desktop search
// tools and the Flash Player, installed the way their users leave them.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include "scrubcore/ThirdPartyItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>

using namespace testing_support;

namespace {

using Texts = std::vector<std::wstring>;

const std::wstring kHkcu = L"HKEY_CURRENT_USER||";

// In the order of the options tree.
const std::vector<const char*> kThirdPartyItems = {"Privacy_THPAdobeAcrobat4",
                                                   "Privacy_THPAdobeAcrobat5",
                                                   "Privacy_THPAdobeAcrobat6",
                                                   "Privacy_THPAdobeAcrobat7",
                                                   "Privacy_THPAdobeAcrobatDC",
                                                   "Privacy_THPAdobeAcrobat2015",
                                                   "Privacy_THPAdobeAcrobat2017",
                                                   "Privacy_THPAdobeAcrobat2020",
                                                   "Privacy_THPGDSIndDataFolder",
                                                   "Privacy_THPGDSLinksFolder",
                                                   "Privacy_THPGDSTemporayFolder",
                                                   "Privacy_THPGDSGogToolBarSearHis",
                                                   "Privacy_THPGDSDontSearTheseItemSettings",
                                                   "Privacy_THPYDSIndex",
                                                   "Privacy_THPYDSSavedSearches",
                                                   "Privacy_THPYDSLogs",
                                                   "Privacy_THPWDSIndex",
                                                   "Privacy_THPWDSLogs",
                                                   "Privacy_THPADSIndex",
                                                   "Privacy_THPMMFPHisandTempFiles"};

} // namespace

TEST(ThirdPartyItems, AcrobatRecentFilesAreTheKeysC1ToC8) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring viewer = L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer";
    registry.String(HKEY_CURRENT_USER, viewer, L"xRes", L"");
    registry.Dword(HKEY_CURRENT_USER, viewer, L"EULA", 1); // the licence the user accepted
    registry.String(HKEY_CURRENT_USER, viewer, L"Maximized", L"1");
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", L"File1",
                    L"/C/My Documents/tax return.pdf");
    // Acrobat 5 with ten documents remembered, one key each.
    const std::wstring list5 = L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles";
    for (int n = 1; n <= 10; ++n) {
        registry.String(HKEY_CURRENT_USER, list5 + L"\\c" + std::to_wstring(n), L"tDIText",
                        L"/C/My Documents/letter" + std::to_wstring(n) + L".pdf");
    }
    registry.Dword(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral", L"bMaximize", 1);

    EXPECT_EQ(Texts{kHkcu + L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer=File1"},
              FoundBy(recorder, &Privacy_THPAdobeAcrobat4));
    Texts expected5;
    for (int n = 1; n <= 8; ++n) {
        expected5.push_back(kHkcu + L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c" +
                            std::to_wstring(n) + L"=tDIText");
    }
    EXPECT_EQ(expected5, FoundBy(recorder, &Privacy_THPAdobeAcrobat5));
    EXPECT_TRUE(FoundBy(recorder, &Privacy_THPAdobeAcrobat6).empty()) << "another version's list";

    // Deleting leaves the ninth and tenth documents and the settings.
    Privacy_CheckDelete(1);
    Privacy_THPAdobeAcrobat4(0);
    EXPECT_EQ(Sorted({L"EULA", L"Maximized", L"xRes"}), Sorted(ValueNames(HKEY_CURRENT_USER, viewer)));
    Privacy_THPAdobeAcrobat5(0);
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, list5 + L"\\c8").empty());
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, list5 + L"\\c9", L"tDIText"));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, list5 + L"\\c10", L"tDIText"));
    EXPECT_TRUE(
        ValueExists(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral", L"bMaximize"));
}

// Reader and Acrobat DC to 2020: every document and folder key below the
// version's lists, whatever their number; the settings beside them stay.
TEST(ThirdPartyItems, AcrobatDCTo2020RecentFilesAndFoldersAreEveryKeyOfTheirLists) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::pair<int (*)(unsigned char), const wchar_t*> versions[] = {
        {&Privacy_THPAdobeAcrobatDC, L"DC"},
        {&Privacy_THPAdobeAcrobat2015, L"2015"},
        {&Privacy_THPAdobeAcrobat2017, L"2017"},
        {&Privacy_THPAdobeAcrobat2020, L"2020"}};
    for (const auto& [item, version] : versions) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(version)));
        Texts expected;
        for (const wchar_t* product : {L"Acrobat Reader", L"Adobe Acrobat"}) {
            const std::wstring general =
                std::wstring(L"Software\\Adobe\\") + product + L"\\" + version + L"\\AVGeneral";
            registry.Dword(HKEY_CURRENT_USER, general, L"bExpandRHPInViewingMode", 1);
            for (const std::wstring list :
                 {L"\\cRecentFiles\\c1", L"\\cRecentFiles\\c12", L"\\cRecentFolders\\c1"}) {
                registry.String(HKEY_CURRENT_USER, general + list, L"tDIText",
                                L"/C/Users/ann/tax return.pdf");
                expected.push_back(kHkcu + general + list + L"=tDIText");
            }
        }
        EXPECT_EQ(Sorted(expected), Sorted(FoundBy(recorder, item)));
    }
    Privacy_CheckDelete(1);
    Privacy_THPAdobeAcrobatDC(0);
    EXPECT_TRUE(
        ValueNames(HKEY_CURRENT_USER, L"Software\\Adobe\\Adobe Acrobat\\DC\\AVGeneral\\cRecentFiles\\c12")
            .empty());
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, L"Software\\Adobe\\Adobe Acrobat\\DC\\AVGeneral",
                            L"bExpandRHPInViewingMode"));
    EXPECT_TRUE(ValueExists(
        HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\2020\\AVGeneral\\cRecentFiles\\c1", L"tDIText"))
        << "another version's list";
}

class GoogleDesktop : public ::testing::Test {
protected:
    TestFolder google = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Google");
    std::wstring base = google.Path(L"Google Desktop");
    std::wstring index, link, temp, otherUser;

    void SetUp() override {
        // One folder per Windows user that ran it, beside the program's log.
        index = google.File(L"Google Desktop\\user_1\\repository\\index.dat0", 2048);
        link = google.File(L"Google Desktop\\user_1\\Links\\Mail.lnk", 300);
        temp = google.File(L"Google Desktop\\user_1\\Temp\\snippet.tmp", 100);
        otherUser = google.File(L"Google Desktop\\user_2\\Links\\Bank.lnk", 300);
        google.File(L"Google Desktop\\desktop.log", 500);
    }
};

TEST_F(GoogleDesktop, EachItemWalksItsPartOfEveryUserFolder) {
    EngineRecorder recorder;
    EXPECT_EQ(Sorted({link, otherUser}), Sorted(FoundBy(recorder, &Privacy_THPGDSLinksFolder)));
    EXPECT_EQ(Texts{temp}, FoundBy(recorder, &Privacy_THPGDSTemporayFolder));
    EXPECT_EQ(Sorted({index, link, temp, otherUser}),
              Sorted(FoundBy(recorder, &Privacy_THPGDSIndDataFolder)));
    EXPECT_FALSE(recorder.Found(base + L"\\desktop.log"))
        << "a file beside the user folders is not one of them";
}

TEST_F(GoogleDesktop, ALinkedFolderNeverLeadsTheWalkOutAndAStopEndsIt) {
    EngineRecorder recorder;
    TestFolder outside;
    const std::wstring precious = outside.File(L"Links\\thesis.doc", 100);
    ASSERT_TRUE(MakeUnixSymlink(outside.Path(), base + L"\\user_3"));
    Privacy_CheckDelete(1);
    Privacy_THPGDSLinksFolder(0);
    EXPECT_EQ(Sorted({link, otherUser}), Sorted(recorder.found));
    EXPECT_TRUE(FileExists(precious));

    Privacy_CheckDelete(0);
    recorder.Clear();
    google.File(L"Google Desktop\\user_1\\repository\\index.dat1", 10);
    google.File(L"Google Desktop\\user_2\\repository\\index.dat0", 10);
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_THPGDSIndDataFolder(0);
    EXPECT_EQ(1u, recorder.found.size());
}

TEST(ThirdPartyItems, YahooDesktopSearchIndexAndLogsShareTheWholeFolder) {
    EXPECT_EQ(&Privacy_THPYDSIndex, &Privacy_THPYDSLogs);
    EXPECT_NE(&Privacy_THPYDSIndex, &Privacy_THPYDSSavedSearches);

    EngineRecorder recorder;
    TestFolder yahoo = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Yahoo! Desktop Search");
    const std::wstring index = yahoo.File(L"index\\main.idx", 3072);
    const std::wstring log = yahoo.File(L"logs\\ydsprocess.log", 512);
    const std::wstring saved = yahoo.File(L"saved searches\\invoices.yds", 512);

    EXPECT_EQ(Texts{saved}, FoundBy(recorder, &Privacy_THPYDSSavedSearches));
    EXPECT_EQ(Sorted({index, log, saved}), Sorted(FoundBy(recorder, &Privacy_THPYDSLogs)));

    // All three ticked in one scan: each file is shown and measured once,
    // under the first option that reached it.
    Privacy_ClearFilesSize();
    recorder.Clear();
    Privacy_THPYDSIndex(0);
    const Texts underIndex = recorder.found;
    Privacy_THPYDSSavedSearches(0);
    Privacy_THPYDSLogs(0);
    EXPECT_EQ(Sorted({index, log, saved}), Sorted(underIndex));
    EXPECT_EQ(underIndex, recorder.found);
    EXPECT_EQ("4.000000", EngineRecorder::SizeText());

    // Cleaning what was found removes the same kilobytes, even when a host
    // hands one of them over twice: a file already gone adds nothing.
    Privacy_ClearFilesSize();
    for (const std::wstring& text : recorder.found) {
        Privacy_CleanSelitems(text.c_str());
    }
    Privacy_CleanSelitems(saved.c_str());
    EXPECT_EQ("4.000000", EngineRecorder::SizeText());
    EXPECT_FALSE(FileExists(index) || FileExists(log) || FileExists(saved));
}

TEST(ThirdPartyItems, ToolbarHistoryDesktopSearchIndexesLogsAndFlashPlayer) {
    EngineRecorder recorder;
    TestFolder search =
        TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Microsoft\\Desktop Search");
    const std::wstring catalog =
        search.File(L"Applications\\RSApp\\Projects\\MyIndex\\Indexer\\CiFiles\\00010001.ci", 900);
    const std::wstring gatherLog = search.File(L"Applications\\RSApp\\GatherLogs\\SystemIndex.1.gthr", 100);
    const std::wstring log = search.File(L"Logs\\WindowsDesktopSearch.log", 100);
    search.File(L"Applications\\RSApp\\Config\\settings.xml", 10);
    TestFolder aol = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\AOL");
    const std::wstring aolIndex = aol.File(L"DTS\\Index\\segments.gen", 40);
    aol.File(L"DTS\\config.ini", 10);
    TestFolder macromedia = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Macromedia");
    const std::wstring sharedObject =
        macromedia.File(L"Flash Player\\#SharedObjects\\K7Q2\\video.example\\player.sol", 70);
    // A site's own settings tell where the user went; the player's global settings stay.
    const std::wstring siteSettings = macromedia.File(
        L"Flash Player\\macromedia.com\\support\\flashplayer\\sys\\#video.example\\settings.sol", 30);
    const std::wstring globalSettings =
        macromedia.File(L"Flash Player\\macromedia.com\\support\\flashplayer\\sys\\settings.sol", 30);

    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"cheap flights", L"");
    registry.Dword(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"weather paris",
                   0x45a1b2c3);

    for (auto item : {&Privacy_THPGDSGogToolBarSearHis, &Privacy_THPWDSIndex, &Privacy_THPWDSLogs,
                      &Privacy_THPADSIndex, &Privacy_THPMMFPHisandTempFiles}) {
        item(0);
    }
    ASSERT_EQ(7u, recorder.found.size());
    EXPECT_EQ((Texts{kHkcu + L"Software\\Google\\NavClient\\1.1\\History=weather paris", catalog, log,
                     gatherLog, aolIndex}),
              Texts(recorder.found.begin(), recorder.found.begin() + 5));
    EXPECT_EQ(Sorted({sharedObject, siteSettings}), Sorted({recorder.found[5], recorder.found[6]}));
    EXPECT_FALSE(recorder.Found(globalSettings));
}

TEST(ThirdPartyItems, StopRequestKeepsEveryItemQuiet) {
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c1",
                    L"tDIText", L"/C/a.pdf");
    TestFolder google = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Google");
    const std::wstring link = google.File(L"Google Desktop\\user_1\\Links\\a.lnk", 10);

    const DllItemCalls stopped = CallStoppedItems(kThirdPartyItems);
    EXPECT_EQ(0u, stopped.missing);
    EXPECT_TRUE(stopped.allReturnedOne);
    EXPECT_TRUE(stopped.found.empty());
    EXPECT_EQ(0, stopped.pumps);
    EXPECT_TRUE(FileExists(link));
}

TEST(ScrubcoreDll, ExportsEveryThirdPartyItemWithItsSharedBodies) {
    ASSERT_EQ(20u, kThirdPartyItems.size());
    std::set<FARPROC> bodies;
    for (const char* name : kThirdPartyItems) {
        const FARPROC address = ScrubcoreExport(name);
        EXPECT_NE(nullptr, address) << name;
        bodies.insert(address);
    }
    EXPECT_EQ(19u, bodies.size()) << "Yahoo's index and logs share a body";
    EXPECT_EQ(ScrubcoreExport("Privacy_THPYDSIndex"), ScrubcoreExport("Privacy_THPYDSLogs"));
    EXPECT_EQ(ScrubcoreExport("Privacy_WNDCDBurnStorageFolder"),
              ScrubcoreExport("Privacy_THPGDSDontSearTheseItemSettings"))
        << "the do-nothing body";
    size_t thirdPartyExports = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        thirdPartyExports += name.rfind("Privacy_THP", 0) == 0;
    }
    EXPECT_EQ(20u, thirdPartyExports);
}
