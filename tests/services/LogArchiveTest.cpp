// The log archive: what it holds, read back with minizip's reader and with a
// stock unzip, and what the user is shown.
#include "ActivityLog.h"
#include "LogArchive.h"
#include "NimbrelControlApp.h"

#include "ShellTestClock.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <unzip.h>
// after unzip.h, which brings the file-function types it extends
#include <iowin32.h>
#include <zlib.h>

#include <map>

using namespace testing_support;
using namespace shell_tests;

namespace {

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    UINT type;
};

struct ShellOpened {
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    int show;
};

struct ArchiveEntry {
    std::string content;
    unsigned long crc = 0;
    int method = -1;
};

// Every entry of a ZIP archive, by name, with its content checked by the
// reader (a CRC mismatch fails the read).
std::map<std::string, ArchiveEntry> ReadArchive(const std::wstring& path, bool& ok) {
    std::map<std::string, ArchiveEntry> entries;
    ok = false;
    zlib_filefunc64_def files{};
    fill_win32_filefunc64W(&files);
    unzFile zip = unzOpen2_64(path.c_str(), &files);
    if (!zip) {
        return entries;
    }
    ok = true;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[512] = {};
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        ArchiveEntry entry;
        entry.crc = info.crc;
        entry.method = static_cast<int>(info.compression_method);
        if (unzOpenCurrentFile(zip) != UNZ_OK) {
            ok = false;
            break;
        }
        char buffer[4096];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) {
            entry.content.append(buffer, static_cast<size_t>(read));
        }
        if (read < 0 || unzCloseCurrentFile(zip) != UNZ_OK) {
            ok = false; // a damaged entry or a wrong CRC
        }
        entries[name] = entry;
    }
    unzClose(zip);
    return entries;
}

constexpr int kNoHostUnzip = -1000;

// Runs the host's own "unzip -t" on an archive and returns its exit code.
// Wine cannot wait for a host process, so a shell writes the code to a file.
int HostUnzipTest(const std::wstring& archive, const std::wstring& exitFile) {
    const std::string unixArchive = UnixPath(archive);
    const std::string unixExit = UnixPath(exitFile);
    if (unixArchive.empty() || unixExit.empty() || !FileExists(L"\\\\?\\unix\\usr\\bin\\unzip")) {
        return kNoHostUnzip;
    }
    const std::string script = "unzip -tqq '" + unixArchive + "'; echo $? > '" + unixExit + ".tmp'; mv '" +
                               unixExit + ".tmp' '" + unixExit + "'";
    RunProcess(L"\\\\?\\unix\\bin\\sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"", 30000);
    if (!WaitFor([&] { return FileExists(exitFile); }, std::chrono::milliseconds(30000))) {
        return kNoHostUnzip - 1;
    }
    return std::stoi(ReadAll(exitFile));
}

unsigned long Crc(const std::string& bytes) {
    return crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                 static_cast<uInt>(bytes.size()));
}

class LogArchive : public ::testing::Test {
protected:
    void SetUp() override {
        Now() = At(2026, 12, 6, 19, 20, 5);
        nimbrel::theApp.seams.messageBox = [this](HWND, const std::wstring& text, const std::wstring& caption,
                                                  UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        nimbrel::theApp.seams.shellOpen = [this](const std::wstring& verb, const std::wstring& file,
                                                 const std::wstring& parameters, int show) {
            opened.push_back({verb, file, parameters, show});
        };
    }
    void TearDown() override { nimbrel::theApp.seams = {}; }

    std::wstring ArchivePath() const { return program.Path(L"LOGS_12_06_2026_19_20_05.zip"); }

    TestFolder program;
    std::vector<ShownMessage> messages;
    std::vector<ShellOpened> opened;
};

} // namespace

TEST_F(LogArchive, HoldsEveryLogUnderItsBareNameAndReadsBackIntact) {
    // Two earlier runs, written the way the program writes them.
    Now() = At(2026, 12, 6, 19, 15, 43);
    nimbrel::CActivityLog firstRun(program.Path(), TestClock);
    firstRun.WriteLog(L"NMB is ready to start 2.3.2.1");
    firstRun.WriteLog(L"NMB is Closed 2.3.2.1");
    Now() = At(2026, 12, 6, 9, 2, 1);
    nimbrel::CActivityLog secondRun(program.Path(), TestClock);
    for (int i = 0; i < 3000; ++i) {
        secondRun.WriteLog(L"Scanning Windows Temp Folder " + std::to_wstring(i));
    }
    // Not logs: another file type, and a folder that only looks like one.
    program.FileWithContent(L"LOGS\\notes.txt", "not a log");
    program.Folder(L"LOGS\\old.log");

    Now() = At(2026, 12, 6, 19, 20, 5);
    const nimbrel::LogArchiveResult result = nimbrel::ArchiveLogs(program.Path(), TestClock);

    EXPECT_EQ(ArchivePath(), result.archivePath);
    EXPECT_EQ(2, result.filesAdded);
    EXPECT_FALSE(result.failed);
    bool readable = false;
    const auto entries = ReadArchive(ArchivePath(), readable);
    ASSERT_TRUE(readable);
    ASSERT_EQ(2u, entries.size());
    const std::string first = ReadAll(program.Path(L"LOGS\\LOGS_12_06_2026_19_15_43_PM.log"));
    const std::string second = ReadAll(program.Path(L"LOGS\\LOGS_12_06_2026_09_02_01_AM.log"));
    ASSERT_EQ(1u, entries.count("LOGS_12_06_2026_19_15_43_PM.log"));
    ASSERT_EQ(1u, entries.count("LOGS_12_06_2026_09_02_01_AM.log"));
    EXPECT_EQ(first, entries.at("LOGS_12_06_2026_19_15_43_PM.log").content);
    EXPECT_EQ(Crc(first), entries.at("LOGS_12_06_2026_19_15_43_PM.log").crc);
    EXPECT_EQ(second, entries.at("LOGS_12_06_2026_09_02_01_AM.log").content);
    EXPECT_EQ(Crc(second), entries.at("LOGS_12_06_2026_09_02_01_AM.log").crc);
    EXPECT_EQ(Z_DEFLATED, entries.at("LOGS_12_06_2026_09_02_01_AM.log").method);
    EXPECT_LT(FileSize(ArchivePath()), second.size() / 4) << "the logs are compressed";

    // The user is shown the folder that holds the archive, and no message.
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(L"Open", opened[0].verb);
    EXPECT_EQ(L"explorer", opened[0].file);
    EXPECT_EQ(L"\"" + program.Path() + L"\"", opened[0].parameters);
    EXPECT_EQ(SW_SHOWNORMAL, opened[0].show);
    EXPECT_TRUE(messages.empty());

    // A stock unzip on the host agrees (when the host has one).
    const int unzipExit = HostUnzipTest(ArchivePath(), program.Path(L"unzip-exit.txt"));
    if (unzipExit != kNoHostUnzip) {
        EXPECT_EQ(0, unzipExit) << "unzip -t rejects the archive";
    }
}

TEST_F(LogArchive, AnEmptyLogFolderTellsTheUserAndLeavesAnEmptyArchive) {
    program.Folder(L"LOGS");
    const nimbrel::LogArchiveResult result = nimbrel::ArchiveLogs(program.Path(), TestClock);

    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"There are no logs, to compress the logs", messages[0].text);
    EXPECT_EQ(L"Nimbrel", messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), messages[0].type);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(0, result.filesAdded);
    // A valid archive of no entries: the end record alone.
    EXPECT_EQ(std::string("PK\x05\x06", 4) + std::string(18, '\0'), ReadAll(ArchivePath()));
}

TEST_F(LogArchive, AMissingLogFolderIsLikeAnEmptyOne) {
    nimbrel::ArchiveLogs(program.Path(), TestClock);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"There are no logs, to compress the logs", messages[0].text);
    EXPECT_TRUE(opened.empty());
}

TEST_F(LogArchive, ALogHeldExclusivelyIsLeftOutAndTheOthersArchived) {
    const std::wstring kept = program.FileWithContent(L"LOGS\\LOGS_12_05_2026_08_00_00_AM.log", "kept\r\n");
    const std::wstring held = program.FileWithContent(L"LOGS\\LOGS_12_05_2026_09_00_00_AM.log", "held\r\n");
    HeldOpen exclusive(held, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(exclusive.Valid());

    const nimbrel::LogArchiveResult result = nimbrel::ArchiveLogs(program.Path(), TestClock);

    EXPECT_EQ(1, result.filesAdded);
    bool readable = false;
    const auto entries = ReadArchive(ArchivePath(), readable);
    ASSERT_TRUE(readable);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("kept\r\n", entries.begin()->second.content);
    EXPECT_EQ(1u, opened.size());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LogArchive, AnArchiveThatCannotBeWrittenIsReportedNotShownAsDone) {
    program.FileWithContent(L"LOGS\\LOGS_12_05_2026_08_00_00_AM.log", "a log\r\n");
    program.Folder(L"LOGS_12_06_2026_19_20_05.zip"); // the archive's name is taken by a folder

    const nimbrel::LogArchiveResult result = nimbrel::ArchiveLogs(program.Path(), TestClock);

    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(opened.empty()) << "no folder is shown for an archive that is not there";
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(L"The logs could not be compressed.", messages[0].text);
    EXPECT_TRUE(FolderExists(ArchivePath())) << "what was in the way is left alone";
}

TEST_F(LogArchive, LogNamesOutsideAsciiArriveIntact) {
    program.FileWithContent(L"LOGS\\r\u00e9sum\u00e9 \u65e5\u672c.log", "x\r\n");
    nimbrel::ArchiveLogs(program.Path(), TestClock);
    bool readable = false;
    const auto entries = ReadArchive(ArchivePath(), readable);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("r\xc3\xa9sum\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac.log", entries.begin()->first)
        << "stored as UTF-8 with the UTF-8 flag";
}
