// CUnzipper: update packages unpacked over a folder, entry by entry, with
// their stored dates, and never outside that folder.
#include "TestFiles.h"
#include "TestZip.h"
#include "UpdateMachine.h"

#include "unzip/Unzipper.h"

#include <gtest/gtest.h>

using namespace testing_support;
using updrift::CUnzipper;

namespace {

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

ZipEntrySpec File(const std::string& name, const std::string& content) {
    ZipEntrySpec entry;
    entry.name = name;
    entry.content = content;
    return entry;
}

ZipEntrySpec Folder(const std::string& name) {
    ZipEntrySpec entry;
    entry.name = name;
    entry.folder = true;
    return entry;
}

} // namespace

TEST(Unzipper, UnpacksNestedEntriesWithoutFolderEntriesAndKeepsTheirDates) {
    TestFolder box;
    const std::wstring archive = box.Path(L"help.zip");
    ZipEntrySpec a = File("sub/a.txt", "first");
    ZipEntrySpec b = File("sub/deeper/b.txt", "second, one level down");
    b.time = SYSTEMTIME{1999, 12, 5, 31, 23, 58, 44, 0};
    MakeZip(archive, {a, b});
    const std::wstring target = box.Path(L"Program Files\\Nimbrel");

    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(archive));
    ASSERT_TRUE(unzipper.UnpackAll(target, true));

    EXPECT_EQ("first", ReadAll(target + L"\\sub\\a.txt"));
    EXPECT_EQ("second, one level down", ReadAll(target + L"\\sub\\deeper\\b.txt"));
    EXPECT_TRUE(SameTime(LocalTimeAsFileTime(a.time), LastWriteTime(target + L"\\sub\\a.txt")));
    EXPECT_TRUE(SameTime(LocalTimeAsFileTime(b.time), LastWriteTime(target + L"\\sub\\deeper\\b.txt")));
    // Nothing but the entries: no half-written leftovers beside them.
    EXPECT_EQ(
        std::vector<std::wstring>({L"sub\\", L"sub\\a.txt|5", L"sub\\deeper\\", L"sub\\deeper\\b.txt|22"}),
        Snapshot(target));
}

TEST(Unzipper, DescribesEntriesAndWalksThemInOrder) {
    TestFolder box;
    const std::wstring archive = box.Path(L"package.zip");
    ZipEntrySpec utf8 = File("caf\xC3\xA9/men\xC3\xBC.txt", "12345");
    utf8.utf8 = true;
    MakeZip(archive, {Folder("docs/"), utf8});

    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(archive));
    ASSERT_TRUE(unzipper.GotoFirstEntry());
    updrift::UnzipEntryInfo info;
    ASSERT_TRUE(unzipper.GetEntryInfo(info));
    EXPECT_EQ(L"docs\\", info.name);
    EXPECT_TRUE(info.isFolder);
    ASSERT_TRUE(unzipper.GotoNextEntry());
    ASSERT_TRUE(unzipper.GetEntryInfo(info));
    EXPECT_EQ(L"caf\u00e9\\men\u00fc.txt", info.name);
    EXPECT_FALSE(info.isFolder);
    EXPECT_EQ(5u, info.uncompressedSize);
    EXPECT_EQ(0x30A6u, info.dosDate >> 16) << "2004-05-06 as a DOS date";
    EXPECT_EQ(0x3905u, info.dosDate & 0xFFFF) << "07:08:10 as a DOS time";
    EXPECT_FALSE(unzipper.GotoNextEntry());
    EXPECT_TRUE(unzipper.Close());
    EXPECT_FALSE(unzipper.GotoFirstEntry()) << "closed";
}

TEST(Unzipper, FolderEntriesBecomeFoldersWithOrWithoutTheFolderAttribute) {
    TestFolder box;
    const std::wstring archive = box.Path(L"folders.zip");
    ZipEntrySpec slashOnly = File("plugins/", "");
    MakeZip(archive, {Folder("skins"), slashOnly, File("skins/blue.ini", "[blue]")});

    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(archive));
    ASSERT_TRUE(unzipper.UnpackAll(box.Path(L"out"), true));
    EXPECT_TRUE(FolderExists(box.Path(L"out\\skins")));
    EXPECT_TRUE(FolderExists(box.Path(L"out\\plugins")));
    EXPECT_EQ("[blue]", ReadAll(box.Path(L"out\\skins\\blue.ini")));
}

TEST(Unzipper, WithoutPathsOrFolderEntriesGoNextToTheArchive) {
    TestFolder box;
    const std::wstring archive = box.Path(L"drop\\flat.zip");
    MakeFolders(box.Path(L"drop"));
    MakeZip(archive, {File("deep/down/readme.txt", "flat")});

    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(archive));
    ASSERT_TRUE(unzipper.GotoFirstEntry());
    ASSERT_TRUE(unzipper.UnpackEntry(L"", false));
    EXPECT_EQ("flat", ReadAll(box.Path(L"drop\\readme.txt")));
    EXPECT_FALSE(FolderExists(box.Path(L"drop\\deep")));
}

TEST(Unzipper, ReplacesExistingFilesButNeverWithDamagedContent) {
    TestFolder box;
    const std::wstring target = box.Folder(L"Nimbrel");
    const std::wstring engine = box.FileWithContent(L"Nimbrel\\Scrubcore.dll", "old engine");
    const std::wstring good = box.Path(L"good.zip");
    MakeZip(good, {File("Scrubcore.dll", "new engine, version 2.4")});
    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(good));
    ASSERT_TRUE(unzipper.UnpackAll(target));
    EXPECT_EQ("new engine, version 2.4", ReadAll(engine));

    const std::wstring damaged = box.Path(L"damaged.zip");
    ZipEntrySpec entry = File("Scrubcore.dll", "a broken engine build");
    entry.stored = true;
    MakeZip(damaged, {entry});
    DamageStoredContent(damaged, "a broken engine build");
    ASSERT_TRUE(unzipper.OpenArchive(damaged));
    EXPECT_FALSE(unzipper.UnpackAll(target));
    EXPECT_EQ("new engine, version 2.4", ReadAll(engine));
    EXPECT_EQ(std::vector<std::wstring>({L"Scrubcore.dll|23"}), Snapshot(target));
}

TEST(Unzipper, AFailingEntryStopsTheRunAndLeavesTheRestPacked) {
    TestFolder box;
    const std::wstring target = box.Folder(L"Nimbrel");
    box.Folder(L"Nimbrel\\b.txt"); // a folder where the second entry's file should go
    const std::wstring archive = box.Path(L"three.zip");
    MakeZip(archive, {File("a.txt", "one"), File("b.txt", "two"), File("c.txt", "three")});

    CUnzipper unzipper;
    ASSERT_TRUE(unzipper.OpenArchive(archive));
    EXPECT_FALSE(unzipper.UnpackAll(target));
    EXPECT_EQ("one", ReadAll(target + L"\\a.txt"));
    EXPECT_TRUE(FolderExists(target + L"\\b.txt"));
    EXPECT_FALSE(FileExists(target + L"\\c.txt"));
}

TEST(Unzipper, NeverWritesOutsideTheDestinationFolder) {
    const char* escapes[] = {"../evil.txt",    "..\\evil.txt",     "sub/../../evil.txt",
                             "/evil.txt",      "\\evil.txt",       "C:/evil.txt",
                             "C:evil.txt",     "sub/.../evil.txt", "ok.txt:stream",
                             "//server/x.txt", "sub/CON"};
    for (const char* name : escapes) {
        SCOPED_TRACE(name);
        TestFolder box;
        const std::wstring target = box.Folder(L"Program Files\\Nimbrel");
        const std::wstring archive = box.Path(L"evil.zip");
        MakeZip(archive, {File("first.txt", "fine"), File(name, "payload"), File("last.txt", "never")});

        CUnzipper unzipper;
        ASSERT_TRUE(unzipper.OpenArchive(archive));
        EXPECT_FALSE(unzipper.UnpackAll(target));
        // The entries before the bad one are unpacked as usual, nothing else.
        EXPECT_EQ(std::vector<std::wstring>({L"first.txt|4"}), Snapshot(target));
        EXPECT_EQ((std::vector<std::wstring>{L"Program Files\\", L"Program Files\\Nimbrel\\",
                                             L"Program Files\\Nimbrel\\first.txt|4",
                                             L"evil.zip|" + std::to_wstring(FileSize(archive))}),
                  Snapshot(box.Path()));
        EXPECT_FALSE(FileExists(L"C:\\evil.txt"));
    }
}

TEST(Unzipper, RefusesWhatIsNotAnOpenArchive) {
    TestFolder box;
    CUnzipper unzipper;
    EXPECT_FALSE(unzipper.OpenArchive(box.Path(L"missing.zip")));
    EXPECT_FALSE(unzipper.OpenArchive(box.FileWithContent(L"not a zip.zip", "PK but not really")));
    EXPECT_FALSE(unzipper.UnpackAll(box.Path(L"out")));
    EXPECT_FALSE(unzipper.UnpackEntry(box.Path(L"out")));
    EXPECT_FALSE(unzipper.Close());

    const std::wstring empty = box.Path(L"empty.zip");
    MakeZip(empty, {});
    EXPECT_FALSE(unzipper.OpenArchive(empty) && unzipper.UnpackAll(box.Path(L"out")))
        << "an archive without entries installs nothing";
    EXPECT_FALSE(unzipper.UnpackAll(L"")) << "no destination";
}

TEST(Unzipper, CreatesFolderChainsButNotOverFiles) {
    TestFolder box;
    EXPECT_TRUE(CUnzipper::CreateFolder(box.Path(L"a\\b\\c")));
    EXPECT_TRUE(FolderExists(box.Path(L"a\\b\\c")));
    EXPECT_TRUE(CUnzipper::CreateFolder(box.Path(L"a\\b\\c\\"))) << "an existing folder is fine";
    const std::wstring file = box.FileWithContent(L"a\\plain", "x");
    EXPECT_FALSE(CUnzipper::CreateFolder(file));
    EXPECT_FALSE(CUnzipper::CreateFolder(file + L"\\below"));
    EXPECT_TRUE(CUnzipper::CreateFilePath(box.Path(L"x\\y\\z.txt")));
    EXPECT_TRUE(FolderExists(box.Path(L"x\\y")));
    EXPECT_FALSE(FileExists(box.Path(L"x\\y\\z.txt")));
}
