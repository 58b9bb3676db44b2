// The table runner behind every catalogue row.
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "core/NamePattern.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace testing_support;
using namespace scrub;

namespace {

std::wstring testRoot;
std::wstring TestRoot() {
    return testRoot;
}
std::wstring EmptyRoot() {
    return {};
}

} // namespace

TEST(CatalogueRunner, RunsTargetsInOrderUnderTheirRoots) {
    EngineRecorder recorder;
    TestFolder folder;
    TestRegistry registry;
    testRoot = folder.Path();
    const std::wstring log = folder.File(L"app.log", 10);
    const std::wstring cached = folder.File(L"cache\\page.htm", 10);
    registry.String(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Runner", L"url1", L"http://a/");

    EXPECT_EQ(1, RunItem({FileAt(&TestRoot, L"\\app.log"), FolderAt(&TestRoot, L"\\cache"),
                          KeyValues(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Runner")}));

    EXPECT_EQ(
        (std::vector<std::wstring>{log, cached, L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Runner=url1"}),
        recorder.found);
    TestRegistry::DeleteTree(HKEY_CURRENT_USER, L"Software\\NimbrelTests");
}

TEST(CatalogueRunner, AnEmptyRootNeverBecomesAPathOnTheCurrentDrive) {
    EngineRecorder recorder;
    // A folder named like the suffix at the root of the current drive.
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(L"C:\\");
    TestFolder decoy = TestFolder::At(L"C:\\Received Files");
    decoy.File(L"photo.jpg", 100);
    Privacy_CheckDelete(1);

    RunItem({FolderAt(&EmptyRoot, L"\\Received Files"), FileAt(&EmptyRoot, L"\\Received Files\\photo.jpg")});

    SetCurrentDirectoryW(current);
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_TRUE(FileExists(L"C:\\Received Files\\photo.jpg"));
    EXPECT_EQ(L"", UnderRoot(L"", L"\\x"));
    EXPECT_EQ(L"C:\\a\\x", UnderRoot(L"C:\\a", L"\\x"));
}

TEST(CatalogueRunner, StopRequestSkipsTheItemAndItsRemainingTargets) {
    EngineRecorder recorder;
    TestFolder folder;
    testRoot = folder.Path();
    folder.File(L"first\\a.txt", 5);
    folder.File(L"second\\b.txt", 5);
    Privacy_StopScan(1);
    RunItem({FolderAt(&TestRoot, L"\\first")});
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);

    Privacy_StopScan(0);
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    RunItem({FolderAt(&TestRoot, L"\\first"), FolderAt(&TestRoot, L"\\second")});
    EXPECT_EQ(1u, recorder.found.size());
}

TEST(CatalogueRunner, NothingThrownInsideAnItemLeavesTheExport) {
    EngineRecorder recorder;
    TestFolder folder;
    testRoot = folder.Path();
    folder.File(L"a.txt", 5);
    recorder.onFound = [](const std::wstring&) { throw std::runtime_error("host failure"); };
    EXPECT_EQ(1, RunItem({FolderAt(&TestRoot)}));
    recorder.onFound = [](const std::wstring&) { throw std::bad_alloc(); };
    EXPECT_EQ(1, RunItem({FolderAt(&TestRoot)}));
    EXPECT_EQ(1, RunSpecialItem([] { throw 42; }));
}

TEST(CatalogueRoots, DerivedRootsCutTheirBaseAtTheLastBackslash) {
    EXPECT_FALSE(LocalAppDataFolder().empty());
    EXPECT_EQ(LocalAppDataFolder().substr(0, LocalAppDataFolder().rfind(L'\\')), LocalSettingsFolder());
    EXPECT_EQ(FavoritesFolder().substr(0, FavoritesFolder().rfind(L'\\')), ProfileFolder());
    EXPECT_EQ(WindowsFolder().substr(0, WindowsFolder().rfind(L'\\')), WindowsParentFolder());
}

// On XP the place XP keeps a trace in and the place later Windows keep it
// in are often one folder: an item naming both walks it once. The system's
// temporary folder counts only when named as one (with TMP and TEMP unset
// the system names the profile).
TEST(CatalogueRunner, AFolderNamedTwiceIsWalkedOnceAndTheTempFolderMustBeNamedAsOne) {
    EngineRecorder recorder;
    TestFolder folder;
    testRoot = folder.Path();
    folder.File(L"Temp\\a.tmp", 5);
    RunItem({FolderAt(&TestRoot, L"\\Temp")});
    const int onceWalked = recorder.pumps;
    recorder.Clear();
    RunItem({FolderAt(&TestRoot, L"\\Temp"), FolderAt(&TestRoot, L"\\TEMP")});
    EXPECT_EQ(1u, recorder.found.size());
    EXPECT_EQ(onceWalked, recorder.pumps);

    EXPECT_TRUE(win32::EqualsNoCase(TempPathFolder(), UserTempFolder()));
    wchar_t saved[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TMP", saved, MAX_PATH);
    for (const std::wstring& tmp : {folder.Path(), folder.Path(L"Temp\\2")}) {
        SetEnvironmentVariableW(L"TMP", tmp.c_str());
        EXPECT_EQ(tmp == folder.Path() ? L"" : tmp, UserTempFolder())
            << "a remote session has a numbered one";
    }
    SetEnvironmentVariableW(L"TMP", saved[0] ? saved : nullptr);
}

TEST(CatalogueRoots, NamePatternsSingleOutTracesAmongSettings) {
    EXPECT_TRUE(MatchesNamePattern(L"lastfile12", L"LastFile#"));
    EXPECT_FALSE(MatchesNamePattern(L"LastFile", L"LastFile#") || MatchesNamePattern(L"FileOpen", L"File#"));
    EXPECT_TRUE(MatchesFilePattern(L"autosave.win.bak", L"autosave.win;autosave.win.*"));
    EXPECT_FALSE(MatchesFilePattern(L"autosave.winter.win", L"autosave.win;autosave.win.*"));
    // A pattern with a folder is matched against the path below the walked folder.
    EXPECT_TRUE(MatchesFilePattern(L"sys\\settings.sol", L"sys\\settings.sol"));
    EXPECT_FALSE(MatchesFilePattern(L"sys\\#site\\settings.sol", L"sys\\settings.sol"));
    EXPECT_TRUE(MatchesFilePattern(L"sys\\#site\\settings.sol", L"settings.sol"));
    EXPECT_EQ(L"\\\\server\\share\\x", win32::WithoutLongPathPrefix(L"\\\\?\\UNC\\server\\share\\x"));
    EXPECT_EQ(L"C:\\x", win32::WithoutLongPathPrefix(L"\\\\?\\C:\\x"));
}
