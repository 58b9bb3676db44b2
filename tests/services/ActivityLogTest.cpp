// The activity log: file names, line format, and what happens when the file
// or its folder is not there or in use.
#include "ActivityLog.h"
#include "NimbrelControlApp.h"

#include "ShellTestClock.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace testing_support;
using namespace shell_tests;
using nimbrel::CActivityLog;

TEST(LogTimeTexts, NamesAndStampsKeepTheirExactForm) {
    const SYSTEMTIME evening = At(2026, 12, 6, 19, 15, 43);
    EXPECT_EQ(L"LOGS_12_06_2026_19_15_43_PM.log", nimbrel::LogFileName(evening));
    EXPECT_EQ(L"12/06/2026 19:15:43 PM:", nimbrel::LogLineStamp(evening));
    EXPECT_EQ(L"LOGS_12_06_2026_19_20_05.zip", nimbrel::ArchiveFileName(At(2026, 12, 6, 19, 20, 5)));

    EXPECT_EQ(L"LOGS_01_02_2027_00_00_09_AM.log", nimbrel::LogFileName(At(2027, 1, 2, 0, 0, 9)));
    EXPECT_EQ(L"03/04/2026 11:59:59 AM:", nimbrel::LogLineStamp(At(2026, 3, 4, 11, 59, 59)));
    EXPECT_EQ(L"03/04/2026 12:00:00 PM:", nimbrel::LogLineStamp(At(2026, 3, 4, 12, 0, 0)));
}

namespace {

class ActivityLog : public ::testing::Test {
protected:
    void SetUp() override {
        Now() = At(2026, 12, 6, 19, 15, 43);
        program.Folder(L"LOGS");
    }
    std::wstring LogPath(const wchar_t* name) const { return program.Path(L"LOGS\\") + name; }
    TestFolder program;
};

} // namespace

TEST_F(ActivityLog, LinesOfOneRunGoToOneFileNamedAtTheFirstLine) {
    CActivityLog log(program.Path(), TestClock);
    EXPECT_EQ(L"", log.FileName());

    log.WriteLog(L"NMB is ready to start 2.3.2.1");
    Now() = At(2026, 12, 6, 19, 15, 44);
    log.WriteLog(L"Main Dlg Init");
    Now() = At(2026, 12, 6, 20, 1, 2);
    log.WriteLog(L"Found errors in Last scan : 12");

    EXPECT_EQ(LogPath(L"LOGS_12_06_2026_19_15_43_PM.log"), log.FileName());
    EXPECT_EQ("12/06/2026 19:15:43 PM:NMB is ready to start 2.3.2.1\r\n"
              "12/06/2026 19:15:44 PM:Main Dlg Init\r\n"
              "12/06/2026 20:01:02 PM:Found errors in Last scan : 12\r\n",
              ReadAll(log.FileName()));
    EXPECT_EQ(std::vector<std::wstring>{L"LOGS_12_06_2026_19_15_43_PM.log|147"},
              Snapshot(program.Path(L"LOGS")));
}

TEST_F(ActivityLog, ALineFeedInTheMessageStartsAnUnstampedLine) {
    CActivityLog log(program.Path(), TestClock);
    log.WriteLog(L"Main Dlg : Scan progress in running, if you want to close,\n click on stop scan button");
    EXPECT_EQ("12/06/2026 19:15:43 PM:Main Dlg : Scan progress in running, if you want to close,\r\n"
              " click on stop scan button\r\n",
              ReadAll(log.FileName()));
}

TEST_F(ActivityLog, TwoRunsStartedInOneSecondShareTheirFile) {
    CActivityLog first(program.Path(), TestClock);
    first.WriteLog(L"NMB is ready to start 2.3.2.1");
    CActivityLog second(program.Path(), TestClock);
    second.WriteLog(L"NMB is ready to start 2.3.2.1");
    EXPECT_EQ(first.FileName(), second.FileName());
    EXPECT_EQ("12/06/2026 19:15:43 PM:NMB is ready to start 2.3.2.1\r\n"
              "12/06/2026 19:15:43 PM:NMB is ready to start 2.3.2.1\r\n",
              ReadAll(first.FileName()));
}

TEST_F(ActivityLog, WhileKeptOpenEveryLineArrivesInOrderByTheEnd) {
    CActivityLog log(program.Path(), TestClock);
    std::string expected;
    {
        CActivityLog::KeptOpen scanning(log);
        for (int i = 1; i <= 3000; ++i) {
            const std::wstring line = std::to_wstring(i) + L" item(s) found";
            log.WriteLog(line);
            expected += "12/06/2026 19:15:43 PM:" + std::to_string(i) + " item(s) found\r\n";
        }
        // Support may read the log meanwhile; it is never written twice over.
        HeldOpen reader(log.FileName(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        EXPECT_TRUE(reader.Valid());
        EXPECT_EQ(expected.compare(0, ReadAll(log.FileName()).size(), ReadAll(log.FileName())), 0);
    }
    log.WriteLog(L"SCanning Completed");
    EXPECT_EQ(expected + "12/06/2026 19:15:43 PM:SCanning Completed\r\n", ReadAll(log.FileName()));
}

TEST_F(ActivityLog, TextIsStoredInTheAnsiCodePage) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the prefix's code page is " << GetACP();
    }
    CActivityLog log(program.Path(), TestClock);
    log.WriteLog(L"Caf\u00e9 \u00fcber");
    EXPECT_EQ("12/06/2026 19:15:43 PM:Caf\xe9 \xfc"
              "ber\r\n",
              ReadAll(log.FileName()));
}

TEST_F(ActivityLog, AMissingLogFolderIsCreated) {
    RemoveTree(program.Path(L"LOGS"));
    CActivityLog log(program.Path(), TestClock);
    log.WriteLog(L"Main Dlg Init");
    EXPECT_EQ("12/06/2026 19:15:43 PM:Main Dlg Init\r\n",
              ReadAll(LogPath(L"LOGS_12_06_2026_19_15_43_PM.log")));
}

TEST_F(ActivityLog, ALineIsDroppedWhileAnotherProgramWritesTheFile) {
    CActivityLog log(program.Path(), TestClock);
    log.WriteLog(L"first");
    {
        HeldOpen writer(log.FileName(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer.Valid());
        log.WriteLog(L"dropped");
    }
    {
        // Readers are welcome while the program logs.
        HeldOpen reader(log.FileName(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(reader.Valid());
        log.WriteLog(L"while read");
    }
    EXPECT_EQ("12/06/2026 19:15:43 PM:first\r\n12/06/2026 19:15:43 PM:while read\r\n",
              ReadAll(log.FileName()));
}

TEST_F(ActivityLog, AProgramFolderThatCannotHoldLogsLosesTheLinesQuietly) {
    const std::wstring missing = program.Path(L"no such folder\\deeper");
    CActivityLog log(missing, TestClock);
    log.WriteLog(L"Main Dlg Init");
    EXPECT_FALSE(FolderExists(missing)) << "only the LOGS folder itself is ever made";
}

TEST_F(ActivityLog, TheApplicationObjectLogsToItsRunsFile) {
    const nimbrel::CActivityLog saved = nimbrel::theApp.log;
    nimbrel::theApp.log = CActivityLog(program.Path(), TestClock);
    nimbrel::WriteLog(L"Left frame Scan");
    nimbrel::WriteLog(L"Left frame Options");
    const std::wstring file = nimbrel::theApp.log.FileName();
    nimbrel::theApp.log = saved;
    EXPECT_EQ("12/06/2026 19:15:43 PM:Left frame Scan\r\n12/06/2026 19:15:43 PM:Left frame Options\r\n",
              ReadAll(file));
}
