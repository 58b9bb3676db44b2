// Third-party application items: Acrobat's recent files, desktop search
// tools and the Flash Player, installed the way their users leave them.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include "scrubcore/ThirdPartyItems.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <iterator>

using namespace testing_support;

namespace {

using Texts = std::vector<std::wstring>;

const std::wstring kHkcu = L"HKEY_CURRENT_USER||";

Texts Scan(EngineRecorder& recorder, int (*item)(unsigned char)) {
    recorder.Clear();
    EXPECT_EQ(1, item(0));
    return recorder.found;
}

} // namespace

TEST(ThirdPartyItems, AcrobatRecentFilesAreTheKeysC1ToC8) {
    EngineRecorder recorder;
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", L"xRes", L"");
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer", L"File1",
                    L"/C/My Documents/tax return.pdf");
    // Acrobat 5 with ten documents remembered, one key each.
    const std::wstring list5 = L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles";
    for (int n = 1; n <= 10; ++n) {
        registry.String(HKEY_CURRENT_USER, list5 + L"\\c" + std::to_wstring(n), L"tDIText",
                        L"/C/My Documents/letter" + std::to_wstring(n) + L".pdf");
    }
    registry.Dword(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral", L"bMaximize", 1);
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles\\c1",
                    L"tDIText", L"/D/manual.pdf");
    registry.Binary(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles\\c1",
                    L"sDI", "\x02\x00\x01");

    EXPECT_EQ(Texts{kHkcu + L"Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer=File1"},
              Scan(recorder, &Privacy_THPAdobeAcrobat4));
    Texts expected5;
    for (int n = 1; n <= 8; ++n) {
        expected5.push_back(kHkcu + L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c" +
                            std::to_wstring(n) + L"=tDIText");
    }
    EXPECT_EQ(expected5, Scan(recorder, &Privacy_THPAdobeAcrobat5));
    EXPECT_TRUE(Scan(recorder, &Privacy_THPAdobeAcrobat6).empty());
    EXPECT_EQ((Texts{kHkcu + L"Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles\\c1=sDI",
                     kHkcu + L"Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles\\c1=tDIText"}),
              Sorted(Scan(recorder, &Privacy_THPAdobeAcrobat7)));

    // Deleting leaves the ninth and tenth documents and the settings.
    Privacy_CheckDelete(1);
    Privacy_THPAdobeAcrobat5(0);
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, list5 + L"\\c8").empty());
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, list5 + L"\\c9", L"tDIText"));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, list5 + L"\\c10", L"tDIText"));
    EXPECT_TRUE(
        ValueExists(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral", L"bMaximize"));
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
    EXPECT_EQ(Sorted({link, otherUser}), Sorted(Scan(recorder, &Privacy_THPGDSLinksFolder)));
    EXPECT_EQ(Texts{temp}, Scan(recorder, &Privacy_THPGDSTemporayFolder));
    EXPECT_EQ(Sorted({index, link, temp, otherUser}), Sorted(Scan(recorder, &Privacy_THPGDSIndDataFolder)));
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

TEST(ThirdPartyItems, GoogleToolbarHistoryAndNoDesktopFolder) {
    EngineRecorder recorder;
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"cheap flights", L"");
    registry.Dword(HKEY_CURRENT_USER, L"Software\\Google\\NavClient\\1.1\\History", L"weather paris",
                   0x45a1b2c3);
    EXPECT_EQ(Texts{kHkcu + L"Software\\Google\\NavClient\\1.1\\History=weather paris"},
              Scan(recorder, &Privacy_THPGDSGogToolBarSearHis));
    EXPECT_TRUE(Scan(recorder, &Privacy_THPGDSIndDataFolder).empty()) << "Google Desktop never ran";
}

TEST(ThirdPartyItems, YahooDesktopSearchIndexAndLogsShareTheWholeFolder) {
    EXPECT_EQ(&Privacy_THPYDSIndex, &Privacy_THPYDSLogs);
    EXPECT_NE(&Privacy_THPYDSIndex, &Privacy_THPYDSSavedSearches);

    EngineRecorder recorder;
    TestFolder yahoo = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Yahoo! Desktop Search");
    const std::wstring index = yahoo.File(L"index\\main.idx", 3072);
    const std::wstring log = yahoo.File(L"logs\\ydsprocess.log", 512);
    const std::wstring saved = yahoo.File(L"saved searches\\invoices.yds", 512);

    EXPECT_EQ(Texts{saved}, Scan(recorder, &Privacy_THPYDSSavedSearches));
    EXPECT_EQ(Sorted({index, log, saved}), Sorted(Scan(recorder, &Privacy_THPYDSLogs)));

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
}

TEST(ThirdPartyItems, WindowsAndAolDesktopSearchAndFlashPlayer) {
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
    const std::wstring settings =
        macromedia.File(L"Flash Player\\macromedia.com\\support\\flashplayer\\sys\\settings.sol", 30);

    EXPECT_EQ(Texts{catalog}, Scan(recorder, &Privacy_THPWDSIndex));
    EXPECT_EQ((Texts{log, gatherLog}), Scan(recorder, &Privacy_THPWDSLogs));
    EXPECT_EQ(Texts{aolIndex}, Scan(recorder, &Privacy_THPADSIndex));
    EXPECT_EQ(Sorted({sharedObject, settings}), Sorted(Scan(recorder, &Privacy_THPMMFPHisandTempFiles)));
}

TEST(ThirdPartyItems, AStopRequestKeepsEveryItemFromLooking) {
    EngineRecorder recorder;
    TestRegistry registry;
    registry.String(HKEY_CURRENT_USER, L"Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles\\c1",
                    L"tDIText", L"/C/a.pdf");
    TestFolder google = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Google");
    google.File(L"Google Desktop\\user_1\\Links\\a.lnk", 10);
    Privacy_StopScan(1);
    for (auto item : {&Privacy_THPAdobeAcrobat4, &Privacy_THPAdobeAcrobat5, &Privacy_THPAdobeAcrobat6,
                      &Privacy_THPAdobeAcrobat7, &Privacy_THPGDSIndDataFolder, &Privacy_THPGDSLinksFolder,
                      &Privacy_THPGDSTemporayFolder, &Privacy_THPGDSGogToolBarSearHis, &Privacy_THPYDSIndex,
                      &Privacy_THPYDSSavedSearches, &Privacy_THPYDSLogs, &Privacy_THPWDSIndex,
                      &Privacy_THPWDSLogs, &Privacy_THPADSIndex, &Privacy_THPMMFPHisandTempFiles}) {
        EXPECT_EQ(1, item(0));
    }
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
}

TEST(ThirdPartyItems, TheLibraryExportsEveryItemUnderItsExactName) {
    // In the order of the options tree.
    const char* items[] = {"Privacy_THPAdobeAcrobat4",
                           "Privacy_THPAdobeAcrobat5",
                           "Privacy_THPAdobeAcrobat6",
                           "Privacy_THPAdobeAcrobat7",
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
    ASSERT_EQ(16u, std::size(items));
    const auto& names = ScrubcoreExportNames();
    ASSERT_FALSE(names.empty()) << "Scrubcore.dll did not load from the program folder";
    const std::set<std::string> expected(std::begin(items), std::end(items));
    for (const auto& name : names) {
        if (name.rfind("Privacy_THP", 0) == 0) {
            EXPECT_TRUE(expected.count(name)) << "unexpected export " << name;
        }
    }
    // The do-nothing body is exported with the Windows items.
    const bool doNothingBodyExported = names.count("Privacy_WNDCDBurnStorageFolder") > 0;
    for (const char* item : items) {
        if (std::string(item) == "Privacy_THPGDSDontSearTheseItemSettings" && !doNothingBodyExported) {
            continue;
        }
        EXPECT_TRUE(names.count(item)) << item;
    }
    EXPECT_EQ(ScrubcoreExport("Privacy_THPYDSIndex"), ScrubcoreExport("Privacy_THPYDSLogs"));
    if (doNothingBodyExported) {
        EXPECT_EQ(ScrubcoreExport("Privacy_WNDCDBurnStorageFolder"),
                  ScrubcoreExport("Privacy_THPGDSDontSearTheseItemSettings"));
    }
}
