// The control exports: callbacks, counters, the size total and its text.
#include "EngineRecorder.h"
#include "TestFiles.h"

#include "files/FilePrimitives.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

int calls = 0;
int CountingPump() { return ++calls; }

} // namespace

TEST(ControlExports, ProcessMessageCallbackIsCalledOnceWhenRegistered) {
    EngineRecorder recorder;
    calls = 0;
    EXPECT_EQ(0, Scrubcore_SetProcessMessage(&CountingPump));
    EXPECT_EQ(1, calls);
    EXPECT_EQ(0, Scrubcore_SetProcessMessage(nullptr)); // clearing calls nothing
}

TEST(ControlExports, SizeTextHasSixDecimals) {
    EngineRecorder recorder;
    Privacy_ClearFilesSize();
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());

    TestFolder folder;
    scrub::HandleFile(folder.File(L"a.bin", 1536));
    EXPECT_EQ("1.500000", EngineRecorder::SizeText());

    scrub::theApp.totalKilobytes = 123456789.25;
    EXPECT_EQ("123456789.250000", EngineRecorder::SizeText());
}

TEST(ControlExports, SizeTextNeverExceedsItsDocumentedMaximum) {
    EngineRecorder recorder;
    char text[SCRUBCORE_FILES_SIZE_TEXT_MAX + 16];
    std::memset(text, 'X', sizeof text);
    scrub::theApp.totalKilobytes = 1e200;
    Privacy_GetFilesSize(text);
    EXPECT_EQ(SCRUBCORE_FILES_SIZE_TEXT_MAX - 1, std::strlen(text));
    for (size_t i = SCRUBCORE_FILES_SIZE_TEXT_MAX; i < sizeof text; ++i) {
        ASSERT_EQ('X', text[i]) << "byte " << i << " beyond the maximum was written";
    }
    EXPECT_EQ(1, Privacy_GetFilesSize(nullptr));
}

TEST(ControlExports, CountsAndSizeResetIndependently) {
    EngineRecorder recorder;
    scrub::theApp.countedFiles = 4;
    scrub::theApp.registryValues = 3;
    scrub::theApp.totalKilobytes = 2.5;
    EXPECT_EQ(7, Privacy_Nooffiles()); // files and registry values together
    EXPECT_EQ(3, Privacy_NoRegvalues());

    EXPECT_EQ(1, PrivacyInit());
    EXPECT_EQ(0, Privacy_Nooffiles());
    EXPECT_EQ("2.500000", EngineRecorder::SizeText()); // the size survives

    scrub::theApp.countedFiles = 2;
    scrub::theApp.lastCleanedSize = 100;
    EXPECT_EQ(1, Privacy_ClearFilesSize());
    EXPECT_EQ(2, Privacy_Nooffiles()); // the counts survive
    EXPECT_EQ(0.0, scrub::theApp.lastCleanedSize);

    EXPECT_EQ(1, Privacy_ClearAll()); // the same body as PrivacyInit
    EXPECT_EQ(0, Privacy_Nooffiles());
}

TEST(ControlExports, CountersReportTheirLow32Bits) {
    EngineRecorder recorder;
    scrub::theApp.countedFiles = 0x100000005ull;
    scrub::theApp.registryValues = 0x200000002ull;
    EXPECT_EQ(7, Privacy_Nooffiles());
    EXPECT_EQ(2, Privacy_NoRegvalues());
}

TEST(ControlExports, ModesAreStoredUntilSetAgain) {
    EngineRecorder recorder;
    EXPECT_EQ(1, Privacy_CheckDelete(1));
    EXPECT_TRUE(scrub::theApp.deleteMode);
    EXPECT_EQ(1, Privacy_CheckDelete(0));
    EXPECT_FALSE(scrub::theApp.deleteMode);
    EXPECT_EQ(1, Privacy_StopScan(1));
    EXPECT_TRUE(scrub::theApp.stopRequested);
    EXPECT_EQ(1, Privacy_StopScan(0));
    EXPECT_FALSE(scrub::theApp.stopRequested);
}

TEST(ControlExports, OverwritePassesChangeNothingInHowFilesAreDeleted) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring file = folder.File(L"secret.txt", 5000);
    EXPECT_EQ(0, Scrubcore_NoofTimesOverwrite(7));
    EXPECT_EQ(7, scrub::theApp.overwritePasses);
    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path());
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(std::vector<std::wstring>{file}, recorder.found);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(ControlExports, UnregisteredCallbacksAreNeverCalled) {
    EngineRecorder recorder;
    Scrubcore_SetScanCallBack(nullptr);
    Scrubcore_SetProcessMessage(nullptr);
    TestFolder folder;
    folder.File(L"one.txt", 10);
    scrub::WalkFolder(folder.Path());
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
    EXPECT_EQ(1u, scrub::theApp.countedFiles); // still measured and counted
}
