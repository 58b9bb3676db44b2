// The folder walk and the single-file handler: what is reported, measured,
// counted and deleted, and what a report-only scan leaves alone.
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include "files/FilePrimitives.h"
#include "files/LinkedRoots.h"
#include "files/SameEntry.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <memory>
#include <stdexcept>

using namespace testing_support;

namespace {

std::wstring LongPath(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

// Watches the open tests of a walk on whichever thread runs them: counts
// them, can make each take a while, and makes one file's test throw.
struct OpenTestWatch {
    static inline std::atomic<int> finished{0};
    static inline DWORD slowMs = 0;
    static inline std::wstring failing;

    explicit OpenTestWatch(DWORD ms = 0, const std::wstring& throwFor = L"") {
        finished = 0;
        slowMs = ms;
        failing = throwFor;
        scrub::theApp.afterOpenTest = [](const std::wstring& path, bool) {
            Sleep(slowMs);
            if (path == failing) {
                throw std::runtime_error("open test failed");
            }
            ++finished;
        };
    }
    ~OpenTestWatch() { scrub::theApp.afterOpenTest = nullptr; }
};

} // namespace

TEST(FolderWalk, ReportsEveryFileButCountsAndDeletesOnlyNonEmptyOnes) {
    for (bool deleting : {false, true}) {
        SCOPED_TRACE(deleting ? "delete mode" : "scan mode");
        EngineRecorder recorder;
        TestFolder folder;
        const std::wstring full = folder.File(L"kilobyte.tmp", 1024);
        const std::wstring empty = folder.File(L"empty.tmp", 0);
        Privacy_CheckDelete(deleting);

        scrub::WalkFolder(folder.Path());

        EXPECT_EQ(Sorted({empty, full}), Sorted(recorder.found));
        EXPECT_EQ(std::vector<int>({1, 1}), recorder.flags);
        EXPECT_EQ("1.000000", EngineRecorder::SizeText());
        EXPECT_EQ(1u, scrub::theApp.countedFiles);
        EXPECT_EQ(2, recorder.pumps);
        EXPECT_EQ(!deleting, FileExists(full));
        EXPECT_TRUE(FileExists(empty));
        EXPECT_TRUE(FolderExists(folder.Path())); // folders are never removed
        EXPECT_TRUE(recorder.messages.empty());
    }
}

TEST(FolderWalk, WalksSubfoldersDepthFirstAndReportsNoFolders) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring a = folder.File(L"a.txt", 3);
    const std::wstring b = folder.File(L"sub\\b.txt", 3);
    const std::wstring c = folder.File(L"sub\\deeper\\c.txt", 3);
    const std::wstring d = folder.File(L"sub\\deeper\\d.txt", 3);
    const std::wstring e = folder.File(L"zzz\\e.txt", 3);
    folder.Folder(L"empty folder");

    scrub::WalkFolder(folder.Path());

    ASSERT_EQ(Sorted({a, b, c, d, e}), Sorted(recorder.found));
    // A subfolder is walked completely before the next entry of its parent:
    // the files of one folder come out as one unbroken run.
    auto position = [&](const std::wstring& text) {
        return std::find(recorder.found.begin(), recorder.found.end(), text) - recorder.found.begin();
    };
    EXPECT_EQ(1, std::abs(position(c) - position(d)));
}

TEST(FolderWalk, MissingOrUnreadablePlacesYieldNothing) {
    EngineRecorder recorder;
    TestFolder folder;
    scrub::WalkFolder(folder.Path(L"does not exist"));
    scrub::WalkFolder(folder.File(L"a file, not a folder", 10));
    scrub::HandleFile(folder.Path(L"missing.txt"));
    scrub::HandleFile(folder.Folder(L"a folder"));
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0u, scrub::theApp.countedFiles);
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());
}

TEST(FolderWalk, ReadOnlyFilesKeepTheirBitInAScanAndAreDeletedInDeleteMode) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring file = folder.File(L"locked.txt", 100, FILE_ATTRIBUTE_READONLY);
    const std::wstring sub = folder.Folder(L"read-only folder");
    SetFileAttributesW(sub.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool folderKeepsReadOnly = Attributes(sub) & FILE_ATTRIBUTE_READONLY; // not every file system does

    scrub::WalkFolder(folder.Path());
    EXPECT_TRUE(recorder.Found(file));
    EXPECT_TRUE(Attributes(file) & FILE_ATTRIBUTE_READONLY) << "a scan must not change the user's files";
    EXPECT_EQ(folderKeepsReadOnly, (Attributes(sub) & FILE_ATTRIBUTE_READONLY) != 0);

    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path());
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(FolderWalk, QuickLaunchPathsAreProtectedCaseSensitively) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring kept = folder.File(L"Quick Launch\\Browser.lnk", 500);
    const std::wstring keptFile = folder.File(L"Quick Launch.txt", 5);
    const std::wstring lower = folder.File(L"other\\quick launch\\Player.lnk", 500);
    Privacy_CheckDelete(1);

    scrub::WalkFolder(folder.Path());

    EXPECT_EQ(std::vector<std::wstring>{lower}, recorder.found);
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(FileExists(keptFile));
    EXPECT_FALSE(FileExists(lower));
}

TEST(FolderWalk, DesktopIniIsPassedOverOnlyDuringTheIndexDatPass) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring ini = folder.File(L"History.IE5\\desktop.ini", 80);
    const std::wstring upper = folder.File(L"History.IE6\\Desktop.ini", 80);

    scrub::WalkFolder(folder.Path());
    EXPECT_TRUE(recorder.Found(ini));

    recorder.Clear();
    scrub::theApp.indexDatPass = true;
    scrub::WalkFolder(folder.Path());
    EXPECT_FALSE(recorder.Found(ini));
    EXPECT_TRUE(recorder.Found(upper)); // the name is compared exactly
}

TEST(FolderWalk, IndexDatIsWipedOnlyWhenDeleting) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring index = folder.File(L"Content.IE5\\INDEX.DAT", 20000);
    const std::string before = ReadAll(index);

    scrub::WalkFolder(folder.Path());
    EXPECT_TRUE(recorder.Found(index));
    EXPECT_EQ(before, ReadAll(index)) << "a report-only scan must leave the database as it is";

    // Held open by the browser for writing, sharing reading and writing: the
    // walk wipes it, reports it, and its deletion fails with a message.
    recorder.Clear();
    HeldOpen browser(index, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(browser.Valid());
    Privacy_CheckDelete(1);
    PrivacyInit();
    scrub::WalkFolder(folder.Path());

    EXPECT_EQ(std::vector<std::wstring>{index}, recorder.found);
    const std::string after = ReadAll(index);
    ASSERT_EQ(20000u, after.size());
    EXPECT_EQ(before.substr(0, 64), after.substr(0, 64));
    EXPECT_EQ(std::string(20000 - 64, '\0'), after.substr(64));
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(L"Cannot delete " + index + L": Its being used by another person or program",
              recorder.messages[0].text);
    EXPECT_EQ(L"Nimbrel", recorder.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), recorder.messages[0].type);
    EXPECT_EQ(0u, scrub::theApp.countedFiles);         // taken off again
    EXPECT_NE("0.000000", EngineRecorder::SizeText()); // but still measured
}

TEST(FolderWalk, AnIndexDatThatSharesItsDataWithAnotherNameIsNeverWiped) {
    EngineRecorder recorder;
    TestFolder outside;
    const std::wstring precious = outside.File(L"precious.dat", 20000);
    const std::string before = ReadAll(precious);
    TestFolder folder;
    const std::wstring index = folder.Path(L"Content.IE5\\index.dat");
    CreateDirectoryW(folder.Path(L"Content.IE5").c_str(), nullptr);
    ASSERT_TRUE(CreateHardLinkW(index.c_str(), precious.c_str(), nullptr));
    Privacy_CheckDelete(1);

    scrub::WalkFolder(folder.Path());

    EXPECT_EQ(before, ReadAll(precious));
    EXPECT_FALSE(FileExists(index)) << "the name in the cache folder still goes";
}

TEST(FolderWalk, FilesOthersAreReadingAreSkipped) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring reading = folder.File(L"reading.log", 10);
    const std::wstring exclusive = folder.File(L"exclusive.log", 10);
    const std::wstring writing = folder.File(L"writing.log", 10);
    HeldOpen reader(reading, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    HeldOpen owner(exclusive, GENERIC_WRITE, 0);
    HeldOpen writer(writing, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.Valid() && owner.Valid() && writer.Valid());

    EXPECT_FALSE(scrub::CanOpenFile(reading));
    EXPECT_FALSE(scrub::CanOpenFile(exclusive));
    EXPECT_TRUE(scrub::CanOpenFile(writing));

    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path());
    EXPECT_EQ(std::vector<std::wstring>{writing}, recorder.found);
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(L"Cannot delete " + writing + L": Its being used by another person or program",
              recorder.messages[0].text);
    EXPECT_TRUE(FileExists(reading) && FileExists(exclusive) && FileExists(writing));
}

TEST(FolderWalk, StopRequestEndsTheWalkAtTheNextEntry) {
    EngineRecorder recorder;
    TestFolder folder;
    for (int i = 0; i < 20; ++i) {
        folder.File(L"sub\\f" + std::to_wstring(i) + L".txt", 10);
    }
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    Privacy_CheckDelete(1);

    scrub::WalkFolder(folder.Path());

    EXPECT_EQ(1u, recorder.found.size());
    EXPECT_EQ(19u, Snapshot(folder.Path()).size() - 1); // one file gone, the folder entry stays
}

TEST(FolderWalk, LinksAreNeverFollowed) {
    EngineRecorder recorder;
    TestFolder outside; // outlives the folder that links to it
    TestFolder folder;
    const std::wstring own = folder.File(L"own.tmp", 10);
    const std::wstring foreign = outside.File(L"precious.doc", 10);
    const std::wstring database = outside.FileWithContent(L"index.dat", std::string(100, 'x'));
    ASSERT_TRUE(MakeUnixSymlink(folder.Path(), folder.Path(L"loop")));
    ASSERT_TRUE(MakeUnixSymlink(outside.Path(), folder.Path(L"elsewhere")));
    ASSERT_TRUE(Attributes(folder.Path(L"loop")) & FILE_ATTRIBUTE_REPARSE_POINT);
    // Wine shows a link to a file as a plain file, and deleting it deletes its target.
    ASSERT_TRUE(MakeUnixSymlink(foreign, folder.Path(L"report.tmp")));
    ASSERT_TRUE(MakeUnixSymlink(database, folder.Folder(L"Content.IE5") + L"\\index.dat"));

    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path());
    scrub::HandleFile(folder.Path(L"report.tmp"));
    scrub::RemoveEmptySubfolders(folder.Path());

    EXPECT_EQ(std::vector<std::wstring>{own}, recorder.found);
    EXPECT_TRUE(FileExists(foreign));
    EXPECT_EQ(std::string(100, 'x'), ReadAll(database));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, Attributes(folder.Path(L"elsewhere")));
}

TEST(FolderWalk, ALinkedRootIsWalkedWhereItLeadsAndEveryLinkBelowItStaysRefused) {
    EngineRecorder recorder;
    TestFolder outside; // what the links below the root lead to
    TestFolder moved;   // where the user moved the shell folder to
    TestFolder system(L"C:\\windows\\temp");
    TestFolder profile; // where Windows names it
    const std::wstring root = profile.Path(L"Documents");
    const std::wstring precious = outside.File(L"precious.doc", 10);
    const std::wstring trace = moved.File(L"Cache\\a.tmp", 10);
    const std::wstring kept = system.File(L"Cache\\b.tmp", 10);
    ASSERT_TRUE(MakeUnixSymlink(moved.Path(), root));
    ASSERT_TRUE(MakeUnixSymlink(outside.Path(), moved.Path(L"Cache\\elsewhere")));
    ASSERT_TRUE(MakeUnixSymlink(precious, moved.Path(L"Cache\\report.tmp")));
    ASSERT_TRUE(MakeUnixSymlink(system.Path(), profile.Path(L"Videos")));

    scrub::WalkFolder(root + L"\\Cache");
    EXPECT_TRUE(recorder.found.empty()) << "a link no catalogue root names leads nowhere";

    scrub::NotedRoot(root);
    scrub::NotedRoot(profile.Path(L"Videos"));
    scrub::WalkFolder(root + L"\\Cache");
    scrub::WalkFolder(profile.Path(L"Videos\\Cache"));
    const std::wstring known = root + L"\\Cache\\a.tmp";
    EXPECT_EQ(std::vector<std::wstring>{known}, recorder.found) << "by the path the user knows";

    for (const auto& [text, result] :
         std::vector<std::pair<std::wstring, int>>{{root + L"\\Cache\\elsewhere\\precious.doc", 0},
                                                   {root + L"\\Cache\\report.tmp", 0},
                                                   {profile.Path(L"Videos\\Cache\\b.tmp"), 0},
                                                   {known, 1}}) {
        EXPECT_EQ(result, Privacy_CleanSelitems(text.c_str())) << std::string(text.begin(), text.end());
    }
    EXPECT_FALSE(FileExists(trace));
    EXPECT_TRUE(FileExists(precious) && FileExists(kept));
    recorder.found.clear(); // cleaning reports nothing

    // Where a linked root may lead: a local drive, never a system folder.
    for (const auto& [resolved, allowed] :
         std::vector<std::pair<std::wstring, bool>>{{moved.Path(), true},
                                                    {L"C:\\", false},
                                                    {L"C:\\windows", false},
                                                    {L"C:\\windows\\system32\\config", false},
                                                    {SpecialFolderPath(CSIDL_PROGRAM_FILES), false},
                                                    {L"C:\\users", false},
                                                    {L"\\\\fileserver\\home\\Documents", false}}) {
        EXPECT_EQ(allowed, scrub::MayLeadTo(root, resolved)) << std::string(resolved.begin(), resolved.end());
    }
}

TEST(FolderWalk, WhereListingsShowLinksAFolderIsCheckedOnceAndItsFilesByTheirListing) {
    struct ListingsShowLinks {
        ListingsShowLinks() { scrub::theApp.listingsShowFileLinks = true; }
        ~ListingsShowLinks() { scrub::theApp.listingsShowFileLinks = scrub::ListingsShowFileLinks(); }
    } asOnWindows;
    EngineRecorder recorder;
    TestFolder outside;
    TestFolder moved;
    TestFolder profile;
    const std::wstring root = profile.Path(L"Documents");
    const std::wstring precious = outside.File(L"precious.doc", 10);
    const std::wstring trace = moved.File(L"Cache\\a.tmp", 10);
    ASSERT_TRUE(MakeUnixSymlink(moved.Path(), root));
    // Windows would list this link as a reparse point; Wine lists it as a plain file.
    ASSERT_TRUE(MakeUnixSymlink(precious, moved.Path(L"Cache\\listed.tmp")));

    scrub::WalkFolder(root + L"\\Cache");
    EXPECT_TRUE(recorder.found.empty()) << "the folder is reached through a link no root names";

    scrub::NotedRoot(root);
    scrub::WalkFolder(root + L"\\Cache");
    EXPECT_EQ((std::vector<std::wstring>{root + L"\\Cache\\a.tmp", root + L"\\Cache\\listed.tmp"}),
              recorder.found)
        << "a report-only walk takes each listing at its word";

    Privacy_CheckDelete(1);
    scrub::WalkFolder(root + L"\\Cache");
    EXPECT_FALSE(FileExists(trace));
    EXPECT_TRUE(FileExists(precious)) << "a cleaning run still looks at each file's final path";
}

TEST(FolderWalk, TheHostsOwnFilesAreNeverTracesWhateverPathLeadsToThem) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring report = folder.File(L"Temp\\nimbrel-report.txt", 100);
    const std::wstring output = folder.File(L"Temp\\output.txt", 100);
    const std::wstring trace = folder.File(L"Temp\\~DF3A21.tmp", 100);
    ASSERT_EQ(1, Scrubcore_KeepFile(report.c_str()));
    ASSERT_EQ(1, Scrubcore_KeepFile(folder.Path(L"TEMP\\OUTPUT.TXT").c_str())) << "as a redirect names it";
    EXPECT_EQ(0, Scrubcore_KeepFile(folder.Path(L"Temp\\missing.txt").c_str()));

    Privacy_CheckDelete(1);
    scrub::WalkFolder(folder.Path(L"Temp"));
    EXPECT_EQ(std::vector<std::wstring>{trace}, recorder.found);
    EXPECT_EQ(0, Privacy_CleanSelitems(report.c_str()));
    EXPECT_TRUE(FileExists(report) && FileExists(output));

    Scrubcore_KeepFile(nullptr);
    recorder.Clear();
    scrub::WalkFolder(folder.Path(L"Temp"));
    EXPECT_EQ(Sorted({report, output}), Sorted(recorder.found)) << "a later run's files are its own";
}

TEST(FolderWalk, ADeepTreeIsWalkedWithoutRecursion) {
    EngineRecorder recorder;
    TestFolder folder;
    std::wstring path = LongPath(folder.Path());
    constexpr int kDepth = 160;
    for (int level = 0; level < kDepth; ++level) {
        path += L"\\d";
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr)) << "level " << level;
    }
    MakeFile(path + L"\\bottom.txt", 7);
    MakeFile(LongPath(folder.Path()) + L"\\top.txt", 7);

    // On a thread whose whole stack is smaller than a recursive walk of this
    // depth needs (a find record alone is 592 bytes a level).
    struct Job {
        std::wstring root;
    } job{LongPath(folder.Path())};
    HANDLE thread = CreateThread(
        nullptr, 48 * 1024,
        [](void* p) -> DWORD {
            const auto* j = static_cast<Job*>(p);
            scrub::WalkFolder(j->root);
            scrub::RemoveEmptySubfolders(j->root);
            return 0;
        },
        &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    ASSERT_NE(nullptr, thread);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 60000));
    DWORD exitCode = 1;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    EXPECT_EQ(0u, exitCode);

    ASSERT_EQ(2u, recorder.found.size());
    EXPECT_EQ(path + L"\\bottom.txt", Sorted(recorder.found)[0]);
    EXPECT_TRUE(FolderExists(LongPath(folder.Path()) + L"\\d")) << "the deepest folder still holds its file";
}

// The next files' open tests run on other threads while the walk reports:
// whatever the thread count, the host sees the same texts, sizes, counts and
// pumps in the same order, and files others hold open are left out.
TEST(FolderWalk, TestsAheadChangeNothingTheHostSeesWhateverTheThreadCount) {
    TestFolder folder;
    for (int i = 0; i < 10000; ++i) {
        folder.File(L"d" + std::to_wstring(i % 7) + (i % 3 ? L"\\" : L"\\deeper\\") + L"f" +
                        std::to_wstring(i) + L".tmp",
                    i % 50);
    }
    HeldOpen reader(folder.Path(L"d1\\f1.tmp"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    HeldOpen owner(folder.Path(L"d3\\deeper\\f3.tmp"), GENERIC_WRITE, 0);
    ASSERT_TRUE(reader.Valid() && owner.Valid());

    std::vector<std::wstring> oneThread;
    for (const int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        EngineRecorder recorder;
        scrub::theApp.walkPool.UseThreads(threads);
        scrub::WalkFolder(folder.Path());

        ASSERT_EQ(9998u, recorder.found.size());
        EXPECT_FALSE(recorder.Found(folder.Path(L"d1\\f1.tmp")) ||
                     recorder.Found(folder.Path(L"d3\\deeper\\f3.tmp")));
        EXPECT_EQ(10000, recorder.pumps);
        EXPECT_EQ(9798u, scrub::theApp.countedFiles); // less the 200 empty ones
        EXPECT_EQ("239.253906", EngineRecorder::SizeText());
        if (threads == 1) {
            oneThread = recorder.found;
        }
        EXPECT_TRUE(recorder.found == oneThread) << "the order of a one-thread walk";
    }
}

// A file is reported when its own test passed, whatever happens to it
// between the test and the report.
TEST(FolderWalk, AFileChangedAfterItsTestIsHandledAsItsTestSaid) {
    EngineRecorder recorder;
    TestFolder folder;
    std::vector<std::wstring> files;
    for (int i = 0; i < 10; ++i) {
        files.push_back(folder.File(L"f" + std::to_wstring(i) + L".tmp", 1024));
    }
    auto freed = std::make_unique<HeldOpen>(files[0], GENERIC_WRITE, 0);
    std::unique_ptr<HeldOpen> locked;
    std::wstring lockedLater, deletedLater;
    scrub::theApp.walkPool.UseThreads(2);
    OpenTestWatch watch;
    recorder.onFound = [&](const std::wstring& first) {
        if (recorder.found.size() > 1) {
            return;
        }
        for (int waited = 0; OpenTestWatch::finished < 10 && waited < 10000; waited += 10) {
            Sleep(10); // the other thread tests every file ahead
        }
        freed.reset();
        lockedLater = files[first == files[1] ? 2 : 1];
        deletedLater = files[first == files[9] ? 8 : 9];
        locked = std::make_unique<HeldOpen>(lockedLater, GENERIC_WRITE, 0);
        ASSERT_TRUE(DeleteFileW(deletedLater.c_str()));
    };

    scrub::WalkFolder(folder.Path());

    EXPECT_EQ(10, OpenTestWatch::finished.load());
    EXPECT_EQ(9u, recorder.found.size());
    EXPECT_FALSE(recorder.Found(files[0])) << "its test failed: it was held then";
    EXPECT_TRUE(recorder.Found(lockedLater) && recorder.Found(deletedLater));
    EXPECT_EQ("9.000000", EngineRecorder::SizeText());
}

TEST(FolderWalk, AStopBetweenTheTestsAheadLeavesNoTestRunning) {
    for (const int threads : {2, 4}) {
        SCOPED_TRACE(threads);
        EngineRecorder recorder;
        TestFolder folder;
        std::vector<std::wstring> files;
        for (int i = 0; i < 50; ++i) {
            files.push_back(folder.File(L"f" + std::to_wstring(i) + L".tmp", 10));
        }
        scrub::theApp.walkPool.UseThreads(threads);
        OpenTestWatch watch(5);
        recorder.onFound = [&](const std::wstring&) {
            if (recorder.found.size() == 3) {
                Privacy_StopScan(1);
            }
        };

        scrub::WalkFolder(folder.Path());

        EXPECT_EQ(3u, recorder.found.size());
        EXPECT_EQ(3, recorder.pumps);
        const int tested = OpenTestWatch::finished;
        EXPECT_LT(tested, 50) << "the tests not begun are dropped";
        Sleep(100);
        EXPECT_EQ(tested, OpenTestWatch::finished.load()) << "no test went on after the walk";
        for (const auto& file : files) {
            EXPECT_TRUE(DeleteFileW(file.c_str())) << "no test holds a file open";
        }
    }
}

TEST(FolderWalk, WhatAFilesTestThrowsReachesTheWalkAtThatFilesTurn) {
    TestFolder folder;
    for (int i = 0; i < 20; ++i) {
        folder.File(L"sub\\f" + std::to_wstring(i) + L".tmp", 10);
    }
    std::vector<std::wstring> order;
    {
        EngineRecorder recorder;
        scrub::WalkFolder(folder.Path());
        order = recorder.found;
    }
    ASSERT_EQ(20u, order.size());
    for (const int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        EngineRecorder recorder;
        scrub::theApp.walkPool.UseThreads(threads);
        OpenTestWatch watch(0, order[7]);
        EXPECT_THROW(scrub::WalkFolder(folder.Path()), std::runtime_error);
        EXPECT_EQ(std::vector<std::wstring>(order.begin(), order.begin() + 7), recorder.found);
    }
}

TEST(SingleFile, ZeroByteFilesAreReportedButNotCountedOrDeleted) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring empty = folder.File(L"empty.txt", 0);
    Privacy_CheckDelete(1);
    scrub::HandleFile(empty);
    EXPECT_EQ(std::vector<std::wstring>{empty}, recorder.found);
    EXPECT_EQ(0u, scrub::theApp.countedFiles);
    EXPECT_TRUE(FileExists(empty));
    EXPECT_EQ(0, recorder.pumps); // the handler alone does not pump
}

TEST(SingleFile, ReportsBeforeDeleting) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring file = folder.File(L"setupapi.log", 2048);
    bool existedWhenReported = false;
    recorder.onFound = [&](const std::wstring& text) { existedWhenReported = FileExists(text); };
    Privacy_CheckDelete(1);
    scrub::HandleFile(file);
    EXPECT_TRUE(existedWhenReported);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(1u, scrub::theApp.countedFiles);
    EXPECT_EQ("2.000000", EngineRecorder::SizeText());
}

TEST(IndexDatWipe, KeepsTheHeaderAndTheLength) {
    TestFolder folder;
    const std::wstring small = folder.File(L"small.dat", 64);
    const std::string smallBefore = ReadAll(small);
    scrub::WipeIndexDat(small);
    EXPECT_EQ(smallBefore, ReadAll(small));

    const std::wstring odd = folder.File(L"odd.dat", 10000 * 3 + 64 + 7);
    const std::string oddBefore = ReadAll(odd);
    scrub::WipeIndexDat(odd);
    const std::string oddAfter = ReadAll(odd);
    ASSERT_EQ(oddBefore.size(), oddAfter.size());
    EXPECT_EQ(oddBefore.substr(0, 64), oddAfter.substr(0, 64));
    EXPECT_EQ(std::string(oddBefore.size() - 64, '\0'), oddAfter.substr(64));

    scrub::WipeIndexDat(folder.Path(L"missing.dat")); // nothing happens
}

TEST(FixedDrives, ListsEveryFixedDriveRootUnlessStopped) {
    EngineRecorder recorder;
    EXPECT_EQ(1, scrub::ListFixedDrives());
    ASSERT_FALSE(scrub::theApp.fixedDrives.empty());
    EXPECT_EQ(L"C:\\", scrub::theApp.fixedDrives.front());
    for (const auto& root : scrub::theApp.fixedDrives) {
        EXPECT_EQ(3u, root.size());
        EXPECT_EQ(static_cast<UINT>(DRIVE_FIXED), GetDriveTypeW(root.c_str()));
    }
    Privacy_StopScan(1);
    EXPECT_EQ(1, scrub::ListFixedDrives());
    EXPECT_TRUE(scrub::theApp.fixedDrives.empty());
}

TEST(EmptySubfolders, RemovesEmptyFoldersBelowButNeverFilesOrTheFolderItself) {
    EngineRecorder recorder;
    TestFolder folder;
    folder.Folder(L"a\\b\\c");
    folder.Folder(L"read-only\\inner");
    SetFileAttributesW(folder.Path(L"read-only").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring kept = folder.File(L"d\\keep.txt", 1);
    folder.Folder(L"Quick Launch\\empty");

    scrub::RemoveEmptySubfolders(folder.Path());

    EXPECT_FALSE(FolderExists(folder.Path(L"a")));
    EXPECT_FALSE(FolderExists(folder.Path(L"read-only")));
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(FolderExists(folder.Path(L"Quick Launch\\empty")));
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_TRUE(recorder.found.empty());
}
