// A trace that two ticked items (or one item twice) reach during one count:
// a report-only scan shows and measures it once; deleting never skips it.
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "files/FilePrimitives.h"
#include "registry/RegistryPrimitives.h"

#include <gtest/gtest.h>

#include <cwctype>

using namespace testing_support;

namespace {

std::wstring Upper(std::wstring text) {
    for (auto& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

} // namespace

TEST(RepeatedTraces, AFileReachedTwiceInAScanIsReportedMeasuredAndCountedOnce) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring index = folder.File(L"Index\\main.idx", 2048);
    const std::wstring saved = folder.File(L"Index\\saved searches\\photos.xml", 1024);

    scrub::WalkFolder(folder.Path(L"Index"));
    scrub::WalkFolder(folder.Path(L"Index\\saved searches"));
    scrub::HandleFile(Upper(index)); // the same file, spelt in other letter case
    scrub::WalkFolder(folder.Path(L"Index"));

    EXPECT_EQ(Sorted({index, saved}), Sorted(recorder.found));
    EXPECT_EQ("3.000000", EngineRecorder::SizeText());
    EXPECT_EQ(2u, scrub::theApp.countedFiles);

    // The next count (the host clears the size total per category) sees
    // everything afresh.
    Privacy_ClearFilesSize();
    recorder.Clear();
    scrub::WalkFolder(folder.Path(L"Index\\saved searches"));
    EXPECT_EQ(std::vector<std::wstring>{saved}, recorder.found);
    EXPECT_EQ("1.000000", EngineRecorder::SizeText());
}

TEST(RepeatedTraces, ARegistryValueReachedTwiceInAScanIsReportedOnce) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring key = L"Software\\NimbrelTests\\Viewer";
    registry.String(HKEY_CURRENT_USER, key, L"HistPaths", L"C:\\Photos|D:\\Scans");
    registry.String(HKEY_CURRENT_USER, key, L"OpenFolder", L"C:\\Photos");

    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"HistPaths");
    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, L"SOFTWARE\\NimbrelTests\\VIEWER", L"histpaths");

    EXPECT_EQ((std::vector<std::wstring>{L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Viewer=HistPaths",
                                         L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Viewer=OpenFolder"}),
              recorder.found);
    EXPECT_EQ(4u, scrub::theApp.registryValues) << "every value met is still counted";
    TestRegistry::DeleteTree(HKEY_CURRENT_USER, L"Software\\NimbrelTests");
}

TEST(RepeatedTraces, DeleteModeNeverPassesATraceOver) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring log = folder.File(L"Logs\\gather.log", 100);
    // Scanned first, then deleted in the same count: the report-only pass must
    // not keep the delete pass from removing the file.
    scrub::WalkFolder(folder.Path(L"Logs"));
    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path(L"Logs"));
    EXPECT_EQ((std::vector<std::wstring>{log, log}), recorder.found);
    EXPECT_FALSE(FileExists(log));

    // A file that cannot be deleted is reported, and its failure shown, by
    // every pass that reaches it.
    recorder.Clear();
    const std::wstring busy = folder.File(L"Busy\\catalog.db", 100);
    HeldOpen viewer(busy, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(viewer.Valid());
    scrub::WalkFolder(folder.Path(L"Busy"));
    scrub::HandleFile(busy);
    EXPECT_EQ((std::vector<std::wstring>{busy, busy}), recorder.found);
    EXPECT_EQ(2u, recorder.messages.size());
}
