// The "MS Office" items against the registry and folders that Office 97 to
// 365 leave for a user who opened, saved and searched documents.
#include "DllExports.h"
#include "EngineRecorder.h"
#include "ItemCalls.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "scrubcore/OfficeItems.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>

using namespace testing_support;

namespace {

using Item = ItemFunction;

const HKEY kUser = HKEY_CURRENT_USER;
const std::wstring kOffice = L"Software\\Microsoft\\Office\\";

// The found-item text of a value under the current user.
std::wstring UserValue(const std::wstring& key, const std::wstring& name) {
    return L"HKEY_CURRENT_USER||" + key + L"=" + name;
}

// Registry names compare without regard to case, and a found text spells a
// key as the cleaner names it ("Powerpoint" for PowerPoint's own key).
std::vector<std::wstring> FoldedAndSorted(std::vector<std::wstring> texts) {
    for (auto& text : texts) {
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return Sorted(texts);
}

// One recent-list entry an application left, and the option that cleans it.
struct Trace {
    Item item;
    std::wstring key;
    std::wstring value;
};

class OfficeItems : public ::testing::Test {
protected:
    // Leaves every trace in the registry, then runs each option alone: it
    // reports its own application's entries and nobody else's.
    void ExpectEachOptionFindsOnlyItsOwn(const std::vector<Trace>& traces) {
        for (const Trace& trace : traces) {
            registry.String(kUser, trace.key, trace.value, L"C:\\My Documents\\minutes.doc");
        }
        std::set<Item> items;
        for (const Trace& trace : traces) {
            items.insert(trace.item);
        }
        for (Item item : items) {
            recorder.Clear();
            item(0);
            std::vector<std::wstring> expected;
            for (const Trace& trace : traces) {
                if (trace.item == item) {
                    expected.push_back(UserValue(trace.key, trace.value));
                }
            }
            EXPECT_EQ(FoldedAndSorted(expected), FoldedAndSorted(recorder.found)) << expected.front();
        }
    }
    EngineRecorder recorder;
    TestRegistry registry;
};

// Office 2003's dialog lists, as Word 2003 leaves them after a week of use.
const std::wstring kWord03 = kOffice + L"11.0\\Common\\Open Find\\Microsoft Office Word\\Settings";

} // namespace

TEST_F(OfficeItems, Word2003ReportsEachOfItsListsOnce) {
    registry.Binary(kUser, kWord03 + L"\\Open\\File Name MRU", L"Value", "C:\\Letters\\bank.doc");
    registry.Binary(kUser, kWord03 + L"\\Save As\\File Name MRU", L"Value", "C:\\Letters\\tax 2005.doc");
    registry.Binary(kUser, kWord03 + L"\\Save As", L"PositionInfo-Monitor1", std::string(20, '\x01'));
    registry.Dword(kUser, kWord03 + L"\\Save As\\view", L"View", 4);
    registry.Binary(kUser, kWord03 + L"\\Insert Picture\\File Name MRU", L"Value", "C:\\Photos\\ann.jpg");
    registry.Binary(kUser, kWord03 + L"\\Print to file\\File Name MRU", L"Value", "C:\\out.prn");
    registry.Binary(kUser, kOffice + L"11.0\\Word\\Data", L"Settings", std::string(300, '\x07'));
    registry.Dword(kUser, kOffice + L"11.0\\Word\\Options", L"AutoSave", 1);

    Privacy_OFFWord03(0);

    // Each list once, in the order Word's dialogs are visited.
    EXPECT_EQ((std::vector<std::wstring>{
                  UserValue(kWord03 + L"\\Open\\File Name MRU", L"Value"),
                  UserValue(kWord03 + L"\\Save As\\view", L"View"),
                  UserValue(kWord03 + L"\\Insert Picture\\File Name MRU", L"Value"),
                  UserValue(kWord03 + L"\\Print to file\\File Name MRU", L"Value"),
                  UserValue(kOffice + L"11.0\\Word\\Data", L"Settings"),
                  UserValue(kWord03 + L"\\Save As", L"PositionInfo-Monitor1"),
                  UserValue(kWord03 + L"\\Save As\\File Name MRU", L"Value"),
              }),
              recorder.found);
    EXPECT_EQ(7u, scrub::theApp.registryValues);

    recorder.Clear();
    Privacy_CheckDelete(1);
    Privacy_OFFWord03(0);
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_TRUE(ValueNames(kUser, kWord03 + L"\\Open\\File Name MRU").empty());
    EXPECT_FALSE(ValueExists(kUser, kOffice + L"11.0\\Word\\Data", L"Settings"));
    EXPECT_TRUE(ValueExists(kUser, kOffice + L"11.0\\Word\\Options", L"AutoSave")) << "not a trace";
}

TEST_F(OfficeItems, AccessCleansItsNumberedRecentDatabasesPairwiseUpToItsMenuLength) {
    const std::wstring settings03 = kOffice + L"11.0\\Access\\Settings";
    const std::wstring settingsXP = kOffice + L"10.0\\Access\\Settings";
    for (int n = 1; n <= 6; ++n) {
        registry.String(kUser, settings03, L"MRU" + std::to_wstring(n),
                        L"C:\\Data\\db" + std::to_wstring(n) + L".mdb");
        registry.Dword(kUser, settings03, L"MRUFlags" + std::to_wstring(n), 0);
    }
    for (int n = 1; n <= 11; ++n) {
        registry.String(kUser, settingsXP, L"MRU" + std::to_wstring(n),
                        L"C:\\Data\\xp" + std::to_wstring(n) + L".mdb");
    }
    registry.Dword(kUser, settings03, L"Default Max Records", 10000);
    const std::wstring openDialog =
        kOffice + L"11.0\\Common\\Open Find\\Microsoft Office Access\\Settings\\Open";
    registry.Binary(kUser, openDialog, L"PositionInfo-Monitor1", "\x10\x20");

    Privacy_OFFAccess03(0);

    EXPECT_EQ((std::vector<std::wstring>{
                  UserValue(settings03, L"MRU1"),
                  UserValue(settings03, L"MRUFlags1"),
                  UserValue(settings03, L"MRU2"),
                  UserValue(settings03, L"MRUFlags2"),
                  UserValue(settings03, L"MRU3"),
                  UserValue(settings03, L"MRUFlags3"),
                  UserValue(settings03, L"MRU4"),
                  UserValue(settings03, L"MRUFlags4"),
                  UserValue(openDialog, L"PositionInfo-Monitor1"),
              }),
              recorder.found);

    Privacy_CheckDelete(1);
    Privacy_OFFAccess03(0);
    Privacy_OFFAccessXP(0);
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Default Max Records", L"MRU5", L"MRU6", L"MRUFlags5", L"MRUFlags6"}),
        Sorted(ValueNames(kUser, settings03)));
    EXPECT_EQ(std::vector<std::wstring>{L"MRU11"}, ValueNames(kUser, settingsXP));
    Privacy_CheckDelete(0);

    recorder.Clear();
    registry.String(kUser, kOffice + L"9.0\\Access\\Settings", L"MRU10", L"C:\\old.mdb");
    registry.String(kUser, kOffice + L"8.0\\Access\\Settings", L"MRUFlags10", L"1");
    registry.Binary(kUser,
                    kOffice + L"8.0\\Common\\Open Find\\Microsoft Access\\Settings\\Open\\File Name MRU",
                    L"Value", "C:\\old.mdb");
    Privacy_OFFAccess00(0);
    Privacy_OFFAccess97(0);
    EXPECT_EQ(
        (std::vector<std::wstring>{
            UserValue(kOffice + L"9.0\\Access\\Settings", L"MRU10"),
            UserValue(kOffice + L"8.0\\Common\\Open Find\\Microsoft Access\\Settings\\Open\\File Name MRU",
                      L"Value"),
            UserValue(kOffice + L"8.0\\Access\\Settings", L"MRUFlags10"),
        }),
        recorder.found);
}

TEST_F(OfficeItems, OlderVersionsFindTheirOwnListsAndNoOtherVersions) {
    // A machine that went through Office 97, 2000 and XP: every version left
    // its recent-file lists behind.
    const std::vector<Trace> traces = {
        {&Privacy_OFFWordXP,
         kOffice + L"10.0\\Common\\Open Find\\Microsoft Word\\Settings\\Open\\File Name MRU", L"Value"},
        {&Privacy_OFFWordXP, kOffice + L"10.0\\Word\\Data", L"Settings"},
        {&Privacy_OFFWordXP, kOffice + L"10.0\\Word\\Recent Files", L"File1"},
        {&Privacy_OFFExcelXP, kOffice + L"10.0\\Excel\\Recent Files", L"File1"},
        {&Privacy_OFFExcelXP, kOffice + L"10.0\\Excel\\Recent Templates", L"File1"},
        {&Privacy_OFFPowerPointXP, kOffice + L"10.0\\PowerPoint\\Recent File List", L"File1"},
        {&Privacy_OFFPowerPointXP, kOffice + L"10.0\\PowerPoint\\RecentFolderList", L"Folder1"},
        {&Privacy_OFFFrontPageXP,
         kOffice + L"10.0\\Common\\Open Find\\Microsoft FrontPage\\Settings\\Publish to the Web",
         L"PositionInfo-Monitor1"},
        {&Privacy_OFFWord00,
         kOffice + L"9.0\\Common\\Open Find\\Microsoft Office Word\\Settings\\Save As\\File Name MRU",
         L"Value"},
        {&Privacy_OFFWord00, kOffice + L"9.0\\Word\\Data", L"Settings"},
        {&Privacy_OFFExcel00, kOffice + L"9.0\\Excel\\Recent Files", L"File1"},
        {&Privacy_OFFPowerPoint00, kOffice + L"9.0\\PowerPoint\\RecentTemplateList", L"Template1"},
        {&Privacy_OFFFrontPage00,
         kOffice + L"9.0\\Common\\Open Find\\Microsoft FrontPage\\Settings\\Publish to the Web",
         L"PositionInfo-Monitor1"},
        {&Privacy_OFFWord97, kOffice + L"8.0\\Word\\Recent Files", L"File1"},
        {&Privacy_OFFExcel97,
         kOffice + L"8.0\\Common\\Open Find\\Microsoft Excel\\Settings\\Open\\File Name MRU", L"Value"},
        {&Privacy_OFFPowerPoint97, kOffice + L"8.0\\PowerPoint\\Recent File List", L"File2"},
        {&Privacy_OFFPowerPoint97,
         kOffice + L"8.0\\Common\\Open Find\\Microsoft Office PowerPoint\\Settings\\Save As",
         L"PositionInfo-Monitor1"},
    };
    ExpectEachOptionFindsOnlyItsOwn(traces);
}

TEST_F(OfficeItems, EveryOffice2003OptionFindsItsApplicationsListAndNothingElse) {
    const std::wstring openFind = kOffice + L"11.0\\Common\\Open Find";
    const std::vector<Trace> traces = {
        {&Privacy_OFFExcel03, kOffice + L"11.0\\Excel\\Recent Files", L"File1"},
        {&Privacy_OFFExcel03, openFind + L"\\Microsoft Office Excel\\Settings\\Save As\\File Name MRU",
         L"Value"},
        {&Privacy_OFFVisio03, kOffice + L"11.0\\Visio\\Application", L"LastFile1"},
        {&Privacy_OFFVisio03, kOffice + L"11.0\\Visio\\Recent Templates", L"Template1"},
        {&Privacy_OFFPowerPoint03, kOffice + L"11.0\\PowerPoint\\Recent File List", L"File1"},
        {&Privacy_OFFPowerPoint03, kOffice + L"11.0\\PowerPoint\\Recent FolderList", L"Folder1"},
        {&Privacy_OFFPublisher03, kOffice + L"11.0\\Publisher\\Recent File List", L"File1"},
        {&Privacy_OFFPublisher03, openFind + L"\\Microsoft Office Publisher\\Settings\\Publish to the Web",
         L"PositionInfo-Monitor1"},
        {&Privacy_OFFFrontPage03, openFind + L"\\Microsoft Office FrontPage\\Settings\\Open\\File Name MRU",
         L"Value"},
        {&Privacy_OFFFrontPage03, openFind + L"\\Microsoft Office FrontPage\\Settings\\Publish to the Web",
         L"PositionInfo-Monitor1"},
        {&Privacy_OFFProject03, openFind + L"\\Microsoft Office Project\\Settings", L"PositionInfo-Monitor1"},
        {&Privacy_OFFProject03, kOffice + L"11.0\\MS Project\\Recent File List", L"File1"},
        {&Privacy_OFFProject03, kOffice + L"11.0\\MS Project\\Recent File List ", L"File1"},
        {&Privacy_OFFProject03, kOffice + L"11.0\\MS Project\\Recent Templates", L"File1"},
        {&Privacy_OFFInfopath03, kOffice + L"11.0\\InfoPath\\Recent Templates", L"Template1"},
        {&Privacy_OFFInfopath03, openFind + L"\\Microsoft Office InfoPath\\Settings\\Select Data Source",
         L"PositionInfo-Monitor1"},
        {&Privacy_OFFClipOrganizer,
         openFind + L"\\Clip Organizer\\Settings\\Add Directory to Collection Properties\\File Name MRU",
         L"Value"},
        {&Privacy_OFFPictureManager, kOffice + L"11.0\\OIS\\Options", L"LastFolder"},
        {&Privacy_OFFSnapShotViewer, L"Software\\Microsoft\\Snapshot Viewer\\Recent File List", L"File1"},
        {&Privacy_OFFSaveMySettings, L"Software\\Microsoft\\OfficeProfileWizard\\11.0\\RecentFileList",
         L"File1"},
        {&Privacy_OFFInternetServerCache, kOffice + L"11.0\\Common\\Internet\\Server Cache",
         L"http://intranet/sites/team/"},
        {&Privacy_OFFFrontPageAll,
         L"Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List", L"Web1"},
        {&Privacy_OFFFrontPageAll, L"Software\\Microsoft\\FrontPage\\Explorer\\FindMRU", L"Find1"},
    };
    ExpectEachOptionFindsOnlyItsOwn(traces);
}

// Office 2007, 2010, 2013 and 2016 to 365 side by side, a user signed in
// with two accounts: each application's option finds every version's lists
// and no other application's; the settings beside them (seeded as traces of
// nobody) are not reported, and a scan removes nothing.
TEST_F(OfficeItems, EachOffice2007To365OptionFindsItsApplicationsListsInEveryVersion) {
    const std::pair<Item, std::wstring> applications[] = {{&Privacy_OFFWord07to365, L"Word"},
                                                          {&Privacy_OFFExcel07to365, L"Excel"},
                                                          {&Privacy_OFFPowerPoint07to365, L"PowerPoint"},
                                                          {&Privacy_OFFAccess07to365, L"Access"},
                                                          {&Privacy_OFFPublisher07to365, L"Publisher"},
                                                          {&Privacy_OFFVisio07to365, L"Visio"},
                                                          {&Privacy_OFFOneNote07to365, L"OneNote"}};
    std::vector<Trace> traces;
    for (const std::wstring version : {L"12.0", L"14.0", L"15.0", L"16.0"}) {
        const std::wstring office = kOffice + version;
        for (const auto& [item, application] : applications) {
            const std::wstring lists = office + L"\\" + application;
            for (const wchar_t* list : {L"\\File MRU", L"\\Place MRU", L"\\User MRU\\ADAL_8F3A21\\File MRU",
                                        L"\\User MRU\\LiveId_2B7C90\\Place MRU"}) {
                traces.push_back({item, lists + list, L"Item 1"});
            }
            traces.push_back({item, lists + L"\\File MRU", L"Item Metadata 1"});
            traces.push_back({item, lists + L"\\Recent Templates\\File MRU", L"Item 1"});
            // The documents the user let edit, by path.
            traces.push_back({item, lists + L"\\Security\\Trusted Documents\\TrustRecords",
                              L"%USERPROFILE%/Documents/budget.xlsm"});
            traces.push_back(
                {item, office + L"\\Common\\Open Find\\Microsoft Office " + application + L"\\Settings",
                 L"Value"});
            registry.Dword(kUser, lists + L"\\File MRU", L"Max Display", 25);
        }
        traces.push_back(
            {&Privacy_OFFWord07to365, office + L"\\Word\\Reading Locations\\Document 0", L"File Path"});
        traces.push_back(
            {&Privacy_OFFWord07to365,
             office + L"\\Common\\Open Find\\Microsoft Word\\Settings\\Print to file\\File Name MRU",
             L"Value"});
        traces.push_back({&Privacy_OFFOneNote07to365, office + L"\\OneNote\\RecentNotebooks", L"Notebook1"});
        traces.push_back({&Privacy_OFFAccess07to365, office + L"\\Access\\Settings", L"MRUFlags1"});
        traces.push_back({&Privacy_OFFPublisher07to365, office + L"\\Publisher\\Recent File List", L"File1"});
        traces.push_back({&Privacy_OFFVisio07to365, office + L"\\Visio\\Application", L"LastFile1"});
        traces.push_back({&Privacy_OFFVisio07to365, office + L"\\Visio\\Recent Templates", L"Template1"});
        traces.push_back({&Privacy_OFFVisio07to365, office + L"\\Visio\\Recent Templates", L"Friendly1"});
        registry.String(kUser, office + L"\\Visio\\Application", L"MyShapesPath", L"C:\\Shapes");
    }
    ExpectEachOptionFindsOnlyItsOwn(traces);
    for (const Trace& trace : traces) {
        EXPECT_TRUE(ValueExists(kUser, trace.key, trace.value)) << "a scan removes nothing";
    }
}

TEST_F(OfficeItems, SearchHistoryVisitsEveryVersionOldestFirst) {
    for (const wchar_t* version : {L"11.0", L"8.0", L"10.0", L"9.0"}) {
        registry.String(kUser, kOffice + version + L"\\Common\\Search\\Last Query", L"Text",
                        L"salary review");
    }
    Privacy_OFFSearchHis(0);
    EXPECT_EQ((std::vector<std::wstring>{UserValue(kOffice + L"8.0\\Common\\Search\\Last Query", L"Text"),
                                         UserValue(kOffice + L"9.0\\Common\\Search\\Last Query", L"Text"),
                                         UserValue(kOffice + L"10.0\\Common\\Search\\Last Query", L"Text"),
                                         UserValue(kOffice + L"11.0\\Common\\Search\\Last Query", L"Text")}),
              recorder.found);
}

TEST_F(OfficeItems, RecentFolderReportsTheShortcutsOfficeKeeps) {
    const std::wstring recent = SpecialFolderPath(CSIDL_APPDATA) + L"\\Microsoft\\Office\\Recent";
    TestFolder folder = TestFolder::At(recent);
    const std::wstring budget = folder.File(L"Budget 2006.xls.LNK", 1024);
    const std::wstring reports = folder.File(L"Reports on server.LNK", 512);
    const std::wstring index = folder.File(L"index.dat", 0);
    folder.File(L"Welcome to Word.LNK", 900); // Office's own, not a document the user opened

    Privacy_OFFOfficeRecentFolders(0);

    EXPECT_EQ(Sorted({recent + L"\\Budget 2006.xls.LNK", recent + L"\\Reports on server.LNK",
                      recent + L"\\index.dat"}),
              Sorted(recorder.found));
    EXPECT_EQ("1.500000", EngineRecorder::SizeText());
    EXPECT_EQ(2u, scrub::theApp.countedFiles);
    EXPECT_TRUE(FileExists(budget) && FileExists(reports) && FileExists(index)) << "a scan deletes nothing";

    // What Office keeps of unsaved documents and of documents to upload, each its own item.
    const std::wstring local = SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Microsoft\\Office";
    TestFolder unsaved = TestFolder::At(local + L"\\UnsavedFiles");
    TestFolder uploads = TestFolder::At(local + L"\\16.0\\OfficeFileCache");
    TestFolder uploads2010 = TestFolder::At(local + L"\\14.0\\OfficeFileCache");
    const std::pair<Item, std::vector<std::wstring>> cases[] = {
        {&Privacy_OFFUnsavedFiles, {unsaved.File(L"Book1((Unsaved-308189468571023716)).xlsb", 2048)}},
        {&Privacy_OFFOfficeFileCache,
         {uploads.File(L"CentralTable.accdb", 4096), uploads.File(L"0\\FSD-{A1B2}.FSD", 8192),
          uploads2010.File(L"FSF-{C3D4}.FSF", 1024)}},
    };
    for (const auto& [item, files] : cases) {
        recorder.Clear();
        item(0);
        EXPECT_EQ(Sorted(files), Sorted(recorder.found));
    }
}

TEST_F(OfficeItems, StopPressedAmongAccessNumberedValuesEndsTheItem) {
    for (int n = 1; n <= 10; ++n) {
        registry.String(kUser, kOffice + L"10.0\\Access\\Settings", L"MRU" + std::to_wstring(n),
                        L"C:\\a.mdb");
    }
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_OFFAccessXP(0);
    EXPECT_EQ(std::vector<std::wstring>{UserValue(kOffice + L"10.0\\Access\\Settings", L"MRU1")},
              recorder.found);
}

TEST(OfficeItemsDll, ExportsEveryOfficeItemWithABodyOfItsOwnThatHonoursTheStopRequest) {
    const std::vector<const char*> names = {"Privacy_OFFWord03",
                                            "Privacy_OFFAccess03",
                                            "Privacy_OFFExcel03",
                                            "Privacy_OFFVisio03",
                                            "Privacy_OFFPowerPoint03",
                                            "Privacy_OFFPublisher03",
                                            "Privacy_OFFFrontPage03",
                                            "Privacy_OFFProject03",
                                            "Privacy_OFFInfopath03",
                                            "Privacy_OFFClipOrganizer",
                                            "Privacy_OFFPictureManager",
                                            "Privacy_OFFSnapShotViewer",
                                            "Privacy_OFFSaveMySettings",
                                            "Privacy_OFFWordXP",
                                            "Privacy_OFFExcelXP",
                                            "Privacy_OFFAccessXP",
                                            "Privacy_OFFPowerPointXP",
                                            "Privacy_OFFFrontPageXP",
                                            "Privacy_OFFWord00",
                                            "Privacy_OFFExcel00",
                                            "Privacy_OFFAccess00",
                                            "Privacy_OFFPowerPoint00",
                                            "Privacy_OFFFrontPage00",
                                            "Privacy_OFFWord97",
                                            "Privacy_OFFExcel97",
                                            "Privacy_OFFAccess97",
                                            "Privacy_OFFPowerPoint97",
                                            "Privacy_OFFOfficeRecentFolders",
                                            "Privacy_OFFInternetServerCache",
                                            "Privacy_OFFSearchHis",
                                            "Privacy_OFFFrontPageAll",
                                            "Privacy_OFFWord07to365",
                                            "Privacy_OFFExcel07to365",
                                            "Privacy_OFFPowerPoint07to365",
                                            "Privacy_OFFAccess07to365",
                                            "Privacy_OFFPublisher07to365",
                                            "Privacy_OFFVisio07to365",
                                            "Privacy_OFFOneNote07to365",
                                            "Privacy_OFFUnsavedFiles",
                                            "Privacy_OFFOfficeFileCache"};
    ASSERT_EQ(40u, names.size());
    std::set<FARPROC> bodies;
    for (const char* name : names) {
        bodies.insert(ScrubcoreExport(name));
    }
    EXPECT_EQ(40u, bodies.size());
    size_t office = 0;
    for (const auto& name : ScrubcoreExportNames()) {
        office += name.rfind("Privacy_OFF", 0) == 0;
    }
    EXPECT_EQ(40u, office) << "no Office export beyond the options tree's";

    TestRegistry registry;
    registry.String(kUser, kOffice + L"10.0\\Access\\Settings", L"MRU1", L"C:\\a.mdb");
    registry.String(kUser, kOffice + L"11.0\\Excel\\Recent Files", L"File1", L"C:\\a.xls");
    registry.String(kUser, kOffice + L"11.0\\Common\\Search\\Last Query", L"Text", L"x");
    const DllItemCalls calls = CallStoppedItems(names);
    EXPECT_EQ(0u, calls.missing);
    EXPECT_TRUE(calls.allReturnedOne);
    EXPECT_TRUE(calls.found.empty());
    EXPECT_EQ(0, calls.pumps);
    EXPECT_TRUE(ValueExists(kUser, kOffice + L"11.0\\Excel\\Recent Files", L"File1"))
        << "a stopped item removes nothing";
}
