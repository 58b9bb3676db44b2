// Installing from the list: files put in place in the program folder,
// packages unpacked over it, downloads and list removed, the program
// started again, and nothing of a bad list reaching outside the folder.
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestZip.h"
#include "UpdateMachine.h"
#include "UpdaterRecorder.h"

#include "install/Installer.h"

#include <gtest/gtest.h>

using namespace testing_support;
using updrift::AfterInstall;
using updrift::InstallFromList;

namespace {

const UINT kInformation = MB_OK | MB_ICONINFORMATION;

// A list line: the file line as the page gave it, a TAB and the download.
std::wstring ListLine(const std::wstring& destination, const std::wstring& join, int archive, int run,
                      const std::wstring& download) {
    return destination + L"\t" + join + L"\t0\thttp://www.nimbrel.com/files/x\t" + std::to_wstring(archive) +
           L"\t" + std::to_wstring(run) + L"\t" + download;
}

} // namespace

TEST(Install, PutsDownloadedFilesInPlaceWhicheverWayTheLineJoinsThem) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "old engine");
    const std::wstring help = MakeFileWithContent(machine.ProgramFile(L"Nimbrel Help.chm"), "old help");
    machine.Downloaded(L"7Q2M0ZK4JD", "engine 2.4");
    machine.Downloaded(L"A1B2C3D4E5", "help 2.4");
    machine.Downloaded(L"Z9Y8X7W6V5", "a new plug-in");
    machine.WriteList({ListLine(L"Scrubcore.dll", L"\\", 0, 0, L"7Q2M0ZK4JD"),
                       ListLine(L"Nimbrel Help.chm", L"C:\\Program Files", 0, 0, L"A1B2C3D4E5"),
                       ListLine(L"plugins\\skins.dll", L"\\", 0, 0, L"Z9Y8X7W6V5")});

    EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));

    EXPECT_EQ("engine 2.4", ReadAll(engine));
    EXPECT_EQ("help 2.4", ReadAll(help));
    EXPECT_EQ("a new plug-in", ReadAll(machine.ProgramFile(L"plugins\\skins.dll")));
    EXPECT_TRUE(machine.Leftovers().empty()) << "downloads and list are gone";
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Install, SkipsLinesThatAreNotSevenFields) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "old engine");
    machine.Downloaded(L"7Q2M0ZK4JD", "engine 2.4");
    machine.WriteList({L"", L"Scrubcore.dll\t\\\t0\thttp://x\t0\t0",
                       L"Scrubcore.dll\t\\\t0\thttp://x\t0\t0\t7Q2M0ZK4JD\textra", L"garbage"});

    EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));
    EXPECT_EQ("old engine", ReadAll(engine));
    EXPECT_FALSE(FileExists(machine.ListPath()));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Install, AMissingListChangesNothingAndSaysSo) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "old engine");
    machine.AddStandIn();

    EXPECT_EQ(0, InstallFromList(machine.InstallPlaces(), AfterInstall::StartProgram));

    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(L"Error in open file", recorder.messages[0].text);
    EXPECT_EQ(L"Nimbrel", recorder.messages[0].caption);
    EXPECT_EQ(kInformation, recorder.messages[0].type);
    EXPECT_EQ("old engine", ReadAll(engine));
    EXPECT_TRUE(machine.Recorded().empty()) << "the program is not started";
}

TEST(Install, AListMadeForAnotherProgramFolderChangesNothing) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    UpdateMachine other;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "old engine");
    other.Downloaded(L"7Q2M0ZK4JD", "engine from elsewhere");
    other.WriteList({ListLine(L"Scrubcore.dll", L"\\", 0, 0, L"7Q2M0ZK4JD")});
    updrift::InstallPlaces places = machine.InstallPlaces();
    places.stagingFolder = other.StagingFolder();

    EXPECT_EQ(0, InstallFromList(places, AfterInstall::KeepRunning));

    EXPECT_EQ("old engine", ReadAll(engine));
    EXPECT_TRUE(FileExists(other.StagingFile(L"7Q2M0ZK4JD")));
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(L"Error in open file", recorder.messages[0].text);
}

TEST(Install, ListLinesCannotReachOutsideTheProgramOrStagingFolder) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    TestFolder elsewhere;
    const std::wstring victim = elsewhere.FileWithContent(L"victim.txt", "keep me");
    machine.Downloaded(L"AAAAAAAAAA", "climbs out");
    machine.Downloaded(L"BBBBBBBBBB", "absolute");
    machine.Downloaded(L"CCCCCCCCCC", "fine");
    machine.WriteList({ListLine(L"..\\..\\evil.dll", L"\\", 0, 0, L"AAAAAAAAAA"),
                       ListLine(elsewhere.Path(L"victim.txt"), L"\\", 0, 0, L"BBBBBBBBBB"),
                       // The download must be a plain name in the staging folder.
                       ListLine(L"stolen.txt", L"\\", 0, 0, victim),
                       ListLine(L"stolen2.txt", L"\\", 0, 0, L"..\\CCCCCCCCCC"),
                       ListLine(L"fine.txt", L"\\", 0, 0, L"CCCCCCCCCC")});

    EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));

    EXPECT_EQ("keep me", ReadAll(victim));
    EXPECT_EQ(std::vector<std::wstring>({L"fine.txt|4"}), Snapshot(machine.ProgramFolder()));
    EXPECT_TRUE(machine.Leftovers().empty());
    EXPECT_FALSE(FileExists(machine.ProgramFile(L"..\\..\\evil.dll")));
}

TEST(Install, AFailedReplacementKeepsTheOldFile) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "old engine");
    machine.Downloaded(L"7Q2M0ZK4JD", "engine 2.4");
    machine.WriteList({ListLine(L"Scrubcore.dll", L"\\", 0, 1, L"7Q2M0ZK4JD")});
    {
        HeldOpen inUse(engine, GENERIC_READ, 0); // a program that does not let go of it
        EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));
    }

    EXPECT_EQ("old engine", ReadAll(engine));
    EXPECT_EQ(std::vector<std::wstring>({L"Scrubcore.dll|10"}), Snapshot(machine.ProgramFolder()));
}

TEST(Install, UnpacksPackagesAndReportsOneThatFails) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    MakeFileWithContent(machine.ProgramFile(L"docs\\readme.txt"), "old readme");
    MakeFolders(
        machine.ProgramFile(L"skins\\b.ini")); // the second entry of the next package cannot be written
    machine.Downloaded(L"1111111111", ZipBytes({{"docs/readme.txt", "new readme"}, {"docs/faq.txt", "faq"}}));
    machine.Downloaded(L"2222222222",
                       ZipBytes({{"skins/a.ini", "a"}, {"skins/b.ini", "b"}, {"skins/c.ini", "c"}}));
    machine.Downloaded(L"3333333333", "this is no archive");
    machine.Downloaded(L"4444444444", ZipBytes({{"ok.txt", "ok"}, {"../escaped.txt", "out"}}));
    machine.Downloaded(L"5555555555", "plain file after the packages");
    machine.WriteList({ListLine(L"docs.zip", L"\\", 1, 0, L"1111111111"),
                       ListLine(L"skins.zip", L"\\", 1, 0, L"2222222222"),
                       ListLine(L"broken.zip", L"\\", 1, 0, L"3333333333"),
                       ListLine(L"evil.zip", L"\\", 1, 0, L"4444444444"),
                       ListLine(L"last.txt", L"\\", 0, 0, L"5555555555")});

    EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));

    EXPECT_EQ("new readme", ReadAll(machine.ProgramFile(L"docs\\readme.txt")));
    EXPECT_EQ("faq", ReadAll(machine.ProgramFile(L"docs\\faq.txt")));
    EXPECT_EQ("a", ReadAll(machine.ProgramFile(L"skins\\a.ini")));
    EXPECT_FALSE(FileExists(machine.ProgramFile(L"skins\\c.ini")));
    EXPECT_EQ("ok", ReadAll(machine.ProgramFile(L"ok.txt")));
    EXPECT_FALSE(FileExists(machine.ProgramFile(L"..\\escaped.txt")));
    EXPECT_EQ("plain file after the packages", ReadAll(machine.ProgramFile(L"last.txt")));
    EXPECT_FALSE(FileExists(machine.ProgramFile(L"docs.zip"))) << "a package is unpacked, not copied";
    EXPECT_TRUE(machine.Leftovers().empty());
    ASSERT_EQ(3u, recorder.messages.size());
    for (const RecordedMessage& message : recorder.messages) {
        EXPECT_EQ(L"Zip Open Failed", message.text);
        EXPECT_EQ(L"Install", message.caption);
        EXPECT_EQ(kInformation, message.type);
    }
}

TEST(Install, OpensInstalledFilesThatAskForIt) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    machine.Downloaded(L"RUNME00000", ReadAll(TestProgramFolder() + L"\\standin\\Nimbrel.exe"));
    machine.Downloaded(L"NOTRUN0000", ReadAll(TestProgramFolder() + L"\\standin\\Nimbrel.exe"));
    machine.WriteList({ListLine(L"tools\\cleanup.exe", L"\\", 0, 1, L"RUNME00000"),
                       ListLine(L"tools\\later.exe", L"\\", 0, 0, L"NOTRUN0000")});

    EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::KeepRunning));

    EXPECT_TRUE(WaitFor([&] { return FileExists(machine.ProgramFile(L"tools\\runs.txt")); }));
    EXPECT_EQ(std::vector<std::string>({"run"}), LinesOf(machine.ProgramFile(L"tools\\runs.txt")));
}

TEST(Install, StartsTheProgramAgainOrSaysItCouldNot) {
    {
        SCOPED_TRACE("a list with only the program folder");
        UpdaterRecorder recorder;
        UpdateMachine machine;
        machine.AddStandIn();
        const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine");
        machine.WriteList({});

        EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::StartProgram));

        EXPECT_TRUE(WaitFor([&] { return !machine.Recorded().empty(); }));
        EXPECT_EQ(std::vector<std::string>({"run"}), machine.Recorded());
        EXPECT_EQ("engine", ReadAll(engine));
        EXPECT_FALSE(FileExists(machine.ListPath()));
        EXPECT_TRUE(recorder.messages.empty());
    }
    {
        SCOPED_TRACE("no program to start");
        UpdaterRecorder recorder;
        UpdateMachine machine;
        machine.WriteList({});

        EXPECT_EQ(1, InstallFromList(machine.InstallPlaces(), AfterInstall::StartProgram));

        ASSERT_EQ(1u, recorder.messages.size());
        EXPECT_EQ(L"Unable to run the program after update. Please restart NimbrelControl.",
                  recorder.messages[0].text);
        EXPECT_EQ(L"Nimbrel", recorder.messages[0].caption);
        EXPECT_EQ(kInformation, recorder.messages[0].type);
    }
}
