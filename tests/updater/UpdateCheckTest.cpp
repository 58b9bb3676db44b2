// The update check against a real web server on 127.0.0.1: what the host is
// asked and told, what is downloaded, and what is installed.
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestZip.h"
#include "UpdateMachine.h"
#include "UpdateServer.h"
#include "UpdaterRecorder.h"

#include "check/UpdateCheck.h"

#include <gtest/gtest.h>

#include <optional>

using namespace testing_support;
using updrift::AfterInstall;
using updrift::CheckOutcome;
using updrift::CUpdateCheck;
using updrift::InstallFromList;

namespace {

using Questions = std::vector<std::pair<std::wstring, std::wstring>>;
const std::pair<std::wstring, std::wstring> kFetched{L"<null>", L"<null>"};
const wchar_t kCannotConnect[] = L"Unable to connect to update server ...";
const wchar_t kBadInformation[] = L"Error occured while downloading info.";

std::string FileLine(const std::string& destination, const std::string& join, size_t size,
                     const std::wstring& url, int archive = 0, int run = 0) {
    return destination + "\t" + join + "\t" + std::to_string(size) + "\t" + Narrow(url) + "\t" +
           std::to_string(archive) + "\t" + std::to_string(run);
}

CheckOutcome RunCheck(const UpdateMachine& machine, const std::wstring& url) {
    CUpdateCheck check(machine.CheckPlaces(), UpdaterRecorder::Decide(), UpdaterRecorder::Status());
    return check.Run(url);
}

} // namespace

TEST(UpdateCheck, InstallsAnAcceptedUpdateOfAFileAndAPackage) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
    MakeFileWithContent(machine.ProgramFile(L"docs\\readme.txt"), "readme 2.3.2");
    const std::string newEngine = "engine 2.4, a little larger";
    const std::string package = ZipBytes({{"docs/readme.txt", "readme 2.4"}, {"docs/whatsnew.txt", "much"}});
    const std::wstring page = served.Put(
        L"updates.asp",
        Page({"1", "software\t2.4\t2\t0",
              FileLine("Scrubcore.dll", "\\", newEngine.size(), served.Put(L"Scrubcore.dll", newEngine)),
              FileLine("docs.zip", "\\", 0, served.Put(L"docs.zip", package), 1)}));

    EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, page));

    EXPECT_EQ(std::vector<int>({7, 1, 2, 2, 3, 8, 11}), recorder.Codes());
    EXPECT_EQ(L"software", recorder.TextOf(2));
    EXPECT_EQ(L"software", recorder.TextOf(3));
    EXPECT_EQ(L"<null>", recorder.TextOf(8));
    EXPECT_EQ(Questions({kFetched, {L"software", L"2.4"}}), recorder.questions);
    EXPECT_EQ(newEngine, ReadAll(engine));
    EXPECT_EQ("readme 2.4", ReadAll(machine.ProgramFile(L"docs\\readme.txt")));
    EXPECT_EQ("much", ReadAll(machine.ProgramFile(L"docs\\whatsnew.txt")));
    EXPECT_TRUE(machine.Leftovers().empty()) << "downloads and list are removed";
    EXPECT_EQ(std::vector<std::wstring>({L"updates.asp", L"updates.asp.sig", L"Scrubcore.dll",
                                         L"Scrubcore.dll.sig", L"docs.zip", L"docs.zip.sig"}),
              served.Requested());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(UpdateCheck, AReleaseSignedWithTheScriptIsStagedForTheSeparateInstallation) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
    const std::string line = FileLine("Scrubcore.dll", "\\", 7, served.PutUnsigned(L"engine.bin", "new one"));
    const std::wstring page = served.PutUnsigned(L"updates.asp", Page({"1", "software\t2.4\t1\t1", line}));
    // Signed as the vendor signs a release.
    ASSERT_TRUE(
        SignWithReleaseScript({served.Folder() + L"\\updates.asp", served.Folder() + L"\\engine.bin"}));
    CUpdateCheck check(machine.CheckPlaces(), UpdaterRecorder::Decide(), UpdaterRecorder::Status());

    EXPECT_EQ(CheckOutcome::InstallSeparately, check.Run(page));

    EXPECT_EQ(std::vector<int>({7, 1, 2, 3, 8}), recorder.Codes()) << "no 11: the program is about to end";
    EXPECT_EQ("engine 2.3.2", ReadAll(engine)) << "nothing is installed while the program runs";
    // Staged inside the program folder, nothing in the temporary folder.
    const std::wstring staging = check.StagingFolder();
    EXPECT_EQ(std::vector<std::wstring>({staging.substr(machine.ProgramFolder().size() + 1, 19)}),
              machine.Leftovers());
    const std::vector<std::string> list = LinesOf(staging + L"updatetmp.tmp");
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ(Narrow(machine.ProgramFolder()) + "\\", list[0]);
    ASSERT_EQ(line + "\t", list[1].substr(0, line.size() + 1));
    const std::string download = list[1].substr(line.size() + 1);
    EXPECT_EQ(10u, download.size());
    EXPECT_EQ(std::string::npos, download.find_first_not_of("1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_EQ("new one", ReadAll(staging + std::wstring(download.begin(), download.end())));

    // The separate installation finds everything where the check left it.
    EXPECT_EQ(1, InstallFromList({staging, machine.ProgramFolder()}, AfterInstall::KeepRunning));
    EXPECT_EQ("new one", ReadAll(engine));
    EXPECT_TRUE(machine.Leftovers().empty());
}

TEST(UpdateCheck, ADownloadSwappedInTheStagingFolderAfterItsCheckStopsTheWholeInstallation) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    machine.AddStandIn();
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
    const std::wstring page = served.Put(
        L"updates.asp", Page({"1", "software\t2.4\t2\t1",
                              FileLine("Scrubcore.dll", "\\", 7, served.Put(L"engine.bin", "new one")),
                              FileLine("help.chm", "\\", 8, served.Put(L"help.bin", "new help"))}));
    CUpdateCheck check(machine.CheckPlaces(), UpdaterRecorder::Decide(), UpdaterRecorder::Status());
    ASSERT_EQ(CheckOutcome::InstallSeparately, check.Run(page));
    const std::string line = LinesOf(check.StagingFolder() + L"updatetmp.tmp").at(2);
    const std::string help = line.substr(line.rfind('\t') + 1);
    // Another program puts its own file in place of the checked download.
    MakeFileWithContent(check.StagingFolder() + std::wstring(help.begin(), help.end()), "evil 1!!");

    EXPECT_EQ(0,
              InstallFromList({check.StagingFolder(), machine.ProgramFolder()}, AfterInstall::StartProgram));

    EXPECT_EQ("engine 2.3.2", ReadAll(engine)) << "the sound download before it stays out too";
    EXPECT_FALSE(FileExists(machine.ProgramFile(L"help.chm")));
    EXPECT_TRUE(machine.Leftovers().empty()) << "the staging folder goes";
    ASSERT_EQ(1u, machine.UpdateLog().size());
    EXPECT_NE(std::string::npos, machine.UpdateLog()[0].find("\"help.chm\" no longer matches its signature"));
    EXPECT_TRUE(WaitFor([&] { return !machine.Recorded().empty(); })) << "the program is started again";
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(UpdateCheck, ADeclinedEntryIsSkippedWithItsFileLines) {
    UpdaterRecorder recorder;
    recorder.accept = [](const std::wstring& component, const std::wstring&) {
        return component == L"software";
    };
    UpdateMachine machine;
    ServedFiles served;
    const std::wstring page =
        served.Put(L"updates.asp",
                   Page({"2", "toolbar\t1.0\t3\t0",
                         FileLine("toolbar.dll", "\\", 0, served.Url(L"toolbar.dll")), "not\ta\tfile\tline",
                         FileLine("toolbar.ini", "\\", 0, served.Url(L"toolbar.ini")), "software\t2.4\t1\t0",
                         FileLine("Nimbrel Help.chm", "\\", 0, served.Put(L"help.chm", "help 2.4"))}));

    EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, page));

    EXPECT_EQ(Questions({kFetched, {L"toolbar", L"1.0"}, {L"software", L"2.4"}}), recorder.questions);
    EXPECT_EQ(std::vector<int>({7, 1, 2, 3, 8, 11}), recorder.Codes());
    EXPECT_EQ("help 2.4", ReadAll(machine.ProgramFile(L"Nimbrel Help.chm")));
    EXPECT_EQ(std::vector<std::wstring>({L"updates.asp", L"help.chm"}), served.RequestedFiles());
}

TEST(UpdateCheck, DecliningEverythingDownloadsAndInstallsNothing) {
    UpdaterRecorder recorder;
    recorder.accept = [](const std::wstring&, const std::wstring&) { return false; };
    UpdateMachine machine;
    ServedFiles served;
    // Texts far longer than any real component name reach the host cut.
    const std::string name(5000, 'n');
    const std::string version(3000, '9');
    const std::wstring page = served.Put(
        L"updates.asp",
        Page({"1", name + "\t" + version + "\t1\t1", FileLine("a.dll", "\\", 0, served.Url(L"a.dll"))}));

    EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, page));
    EXPECT_EQ(std::vector<int>({7, 1, 11}), recorder.Codes());
    ASSERT_EQ(2u, recorder.questions.size());
    EXPECT_EQ(std::wstring(1023, L'n'), recorder.questions[1].first);
    EXPECT_EQ(std::wstring(1023, L'9'), recorder.questions[1].second);
    EXPECT_TRUE(Snapshot(machine.ProgramFolder()).empty());
    EXPECT_TRUE(machine.Leftovers().empty()) << "no staging folder stays behind";
    EXPECT_EQ(std::vector<std::wstring>({L"updates.asp"}), served.RequestedFiles());
}

TEST(UpdateCheck, LinesEndingInCarriageReturnsStillWork) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    const std::wstring page = served.Put(
        L"updates.asp", "1\r\nsoftware\t2.4\t1\t0\r\n" +
                            FileLine("readme.txt", "\\", 8, served.Put(L"readme.txt", "readme 2")) + "\r\n");

    EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, page));
    EXPECT_EQ(std::vector<int>({7, 1, 2, 3, 8, 11}), recorder.Codes());
    EXPECT_EQ(Questions({kFetched, {L"software", L"2.4"}}), recorder.questions);
    EXPECT_EQ("readme 2", ReadAll(machine.ProgramFile(L"readme.txt")));
}

TEST(UpdateCheck, AnEmptyPageEndsNormallyWithNothingWritten) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, served.Put(L"updates.asp", "")));
    EXPECT_EQ(std::vector<int>({7, 1, 11}), recorder.Codes());
    EXPECT_EQ(Questions({kFetched}), recorder.questions);
    EXPECT_TRUE(machine.Leftovers().empty());
}

TEST(UpdateCheck, AServerThatCannotBeReachedEndsTheCheck) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    const std::wstring addresses[] = {UnreachableUrl(), served.Url(L"no such page.asp"),
                                      L"file:///C:/windows/win.ini", L"not an address"};
    for (const std::wstring& url : addresses) {
        SCOPED_TRACE(Narrow(url));
        recorder.statuses.clear();
        recorder.questions.clear();
        EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, url));
        EXPECT_EQ(std::vector<int>({7, 1, 10}), recorder.Codes());
        EXPECT_ENDS_WITH_STATUS(recorder, 10, kCannotConnect);
        EXPECT_TRUE(recorder.questions.empty());
        EXPECT_TRUE(machine.Leftovers().empty());
    }
}

TEST(UpdateCheck, MalformedInformationEndsTheCheckAndInstallsNothing) {
    UpdateMachine machine;
    ServedFiles served;
    const std::string good = FileLine("Scrubcore.dll", "\\", 0, served.Put(L"engine.bin", "new engine"));
    const std::string entry = "software\t2.4\t1\t0";
    const struct {
        const char* what;
        std::vector<std::string> lines;
    } pages[] = {
        {"no entries", {"0"}},
        {"a count that is no number", {"updates follow", entry, good}},
        {"a negative count", {"-1", entry, good}},
        {"an entry header of 5 fields", {"1", "software\t2.4\t1\t0\textra", good}},
        {"an entry header of 3 fields", {"1", "software\t2.4\t1", good}},
        {"an empty entry line", {"2", entry, good, "", entry, good}},
        {"a file line of 5 fields", {"1", entry, "Scrubcore.dll\t\\\t0\thttp://127.0.0.1/x\t0"}},
        {"more entries than the page holds", {"3", entry, good}},
        {"more file lines than the page holds", {"1", "software\t2.4\t9\t0", good}},
        {"a declined entry with more lines than the page holds", {"1", "toolbar\t1.0\t99\t0", good}},
        {"a negative number of file lines", {"1", "software\t2.4\t-2\t0", good}},
        {"a destination above the program folder",
         {"1", entry, FileLine("..\\evil.dll", "\\", 0, served.Url(L"engine.bin"))}},
        {"an absolute destination",
         {"1", entry, FileLine("C:\\windows\\evil.dll", "\\", 0, served.Url(L"engine.bin"))}},
        {"a good entry, then a broken one", {"2", entry, good, "software\t2.5\t1\t0\tx", good}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.what);
        UpdaterRecorder recorder;
        recorder.accept = [](const std::wstring& component, const std::wstring&) {
            return component == L"software";
        };
        const std::wstring engine =
            MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");

        EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, served.Put(L"updates.asp", Page(page.lines))));

        EXPECT_ENDS_WITH_STATUS(recorder, 10, kBadInformation);
        EXPECT_EQ("engine 2.3.2", ReadAll(engine));
        EXPECT_EQ(std::vector<std::wstring>({L"Scrubcore.dll|12"}), Snapshot(machine.ProgramFolder()));
        EXPECT_TRUE(machine.Leftovers().empty()) << "what was downloaded is removed again";
        EXPECT_FALSE(FileExists(L"C:\\windows\\evil.dll"));
    }
}

TEST(UpdateCheck, AFailedDownloadEndsTheCheckAndInstallsNothing) {
    UpdateMachine machine;
    ServedFiles served;
    const std::string engine = "engine 2.4, complete";
    const std::wstring engineUrl = served.Put(L"engine.bin", engine);
    served.Put(L"cut.bin", std::string(200000, 'x'));
    served.CutShort(L"cut.bin");
    const std::string first = FileLine("Scrubcore.dll", "\\", engine.size(), engineUrl);
    const struct {
        const char* what;
        std::string line;
    } failures[] = {
        {"a missing file", FileLine("help.chm", "\\", 0, served.Url(L"missing.bin"))},
        {"a transfer cut short", FileLine("help.chm", "\\", 0, served.Url(L"cut.bin"))},
        {"fewer bytes than the page announced", FileLine("help.chm", "\\", engine.size() + 1, engineUrl)},
        {"more bytes than the page announced", FileLine("help.chm", "\\", engine.size() - 1, engineUrl)},
        {"a negative size", "help.chm\t\\\t-5\t" + Narrow(engineUrl) + "\t0\t0"},
        {"an address that is not a web address",
         FileLine("help.chm", "\\", 0, L"file:///C:/windows/win.ini")},
        {"an unreachable server", FileLine("help.chm", "\\", 0, UnreachableUrl())},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.what);
        UpdaterRecorder recorder;
        const std::wstring page =
            served.Put(L"updates.asp", Page({"1", "software\t2.4\t3\t0", first, failure.line, first}));

        EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, page));

        EXPECT_EQ(std::vector<int>({7, 1, 2, 2, 4}), recorder.Codes());
        EXPECT_EQ(L"software", recorder.TextOf(4));
        EXPECT_TRUE(Snapshot(machine.ProgramFolder()).empty());
        EXPECT_TRUE(machine.Leftovers().empty());
    }
}

TEST(UpdateCheck, AProgramFolderThatCannotBeChangedTakesNoUpdate) {
    UpdaterRecorder recorder;
    UpdateMachine machine;
    ServedFiles served;
    const std::string engine = "engine 2.4";
    const std::wstring page = served.Put(
        L"updates.asp",
        Page({"1", "software\t2.4\t1\t1",
              FileLine("Scrubcore.dll", "\\", engine.size(), served.Put(L"Scrubcore.dll", engine))}));
    // A user who may not change the program folder (here: one that is gone).
    updrift::CheckPlaces places = machine.CheckPlaces();
    places.programFolder += L"\\not there";
    CUpdateCheck check(places, UpdaterRecorder::Decide(), UpdaterRecorder::Status());

    EXPECT_EQ(CheckOutcome::Ended, check.Run(page)) << "no restart asked for";
    EXPECT_EQ(std::vector<int>({7, 1, 10}), recorder.Codes());
    EXPECT_EQ(UPDRIFT_TEXT_CANNOT_INSTALL, recorder.TextOf(10));
    EXPECT_EQ(Questions({kFetched}), recorder.questions) << "nobody is asked about an update in vain";
    EXPECT_EQ(std::vector<std::wstring>({L"updates.asp"}), served.RequestedFiles()) << "nothing downloaded";
    EXPECT_TRUE(machine.Leftovers().empty());
}

TEST(UpdateCheck, APageOrDownloadWithoutAValidSignatureIsRefusedAndLogged) {
    UpdateMachine machine;
    const std::string engine = "engine 2.4";
    const struct {
        const char* what;
        std::string (*signature)(const std::string& bytes); // served beside the bytes; "": none
        bool flipByte = false;
        bool userTrustsStranger = false;
    } cases[] = {
        {"a flipped byte", [](const std::string& b) { return SigningKey::Test().Sign(b); }, true},
        {"no signature", [](const std::string&) { return std::string(); }},
        {"a signature by an unknown key",
         [](const std::string& b) { return SigningKey::Stranger().Sign(b); }},
        {"the signature of another file",
         [](const std::string&) { return SigningKey::Test().Sign("other"); }},
        {"a truncated signature",
         [](const std::string& b) { return SigningKey::Test().Sign(b).substr(0, 63); }},
        {"a key only the user trusts", [](const std::string& b) { return SigningKey::Stranger().Sign(b); },
         false, true},
    };
    for (const auto& bad : cases) {
        for (const bool page : {true, false}) {
            SCOPED_TRACE(std::string(bad.what) + (page ? " on the page" : " on the download"));
            UpdaterRecorder recorder;
            ServedFiles served;
            std::optional<TrustedKey> userTrust;
            if (bad.userTrustsStranger) {
                userTrust.emplace(SigningKey::Stranger(), HKEY_CURRENT_USER);
            }
            const auto serve = [&](const std::wstring& name, std::string bytes, bool tampered) {
                if (!tampered) {
                    return served.Put(name, bytes);
                }
                if (const std::string signature = bad.signature(bytes); !signature.empty()) {
                    served.PutUnsigned(name + L".sig", signature);
                }
                bytes[bytes.size() / 2] ^= bad.flipByte ? 1 : 0;
                return served.PutUnsigned(name, bytes);
            };
            const std::wstring old =
                MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
            const std::wstring file = serve(L"engine.bin", engine, !page);
            const std::wstring url =
                serve(L"updates.asp",
                      Page({"1", "software\t2.4\t1\t0", FileLine("Scrubcore.dll", "\\", 10, file)}), page);
            const size_t logged = machine.UpdateLog().size();

            EXPECT_EQ(CheckOutcome::Ended, RunCheck(machine, url));

            // Refused as a page or a file that could not be downloaded.
            EXPECT_EQ(page ? std::vector<int>({7, 1, 10}) : std::vector<int>({7, 1, 2, 4}), recorder.Codes());
            EXPECT_EQ(page ? std::wstring(kCannotConnect) : L"software",
                      recorder.statuses.back().text.value());
            EXPECT_EQ("engine 2.3.2", ReadAll(old));
            EXPECT_TRUE(machine.Leftovers().empty());
            const std::vector<std::string> log = machine.UpdateLog();
            ASSERT_EQ(logged + 1, log.size());
            EXPECT_NE(std::string::npos, log.back().find("Update refused: " + Narrow(page ? url : file)));
        }
    }
}
