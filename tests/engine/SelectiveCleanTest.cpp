// Cleaning chosen found items: a file, a registry value, the paging-file
// setting or the Recycle Bin, told apart by the text alone.
#include "BrowserTraces.h"
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WindowsTraces.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <stdexcept>

using namespace testing_support;

namespace {

const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const std::wstring kTests = L"Software\\NimbrelTests";
const std::wstring kRunMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const std::wstring kSessionManager = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";

int Clean(const std::wstring& text) {
    return Privacy_CleanSelitems(text.c_str());
}

class SelectiveClean : public ::testing::Test {
protected:
    void TearDown() override {
        TestRegistry::DeleteTree(HKCU, kTests);
        EmptyRecycleBin();
        EXPECT_TRUE(recorder.found.empty()) << "cleaning reports nothing";
    }
    EngineRecorder recorder;
    TestRegistry registry;
};

} // namespace

TEST_F(SelectiveClean, RegistryValuesGoOneByOneAndTheirKeyWithTheLast) {
    registry.String(HKCU, kRunMru, L"a", L"regedit\\1");
    registry.String(HKCU, kRunMru, L"MRUList", L"a");
    EXPECT_EQ(1,
              Clean(L"HKEY_CURRENT_USER||Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU=a"));
    EXPECT_EQ(std::vector<std::wstring>{L"MRUList"}, ValueNames(HKCU, kRunMru));
    Clean(L"HKEY_CURRENT_USER||Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU=MRUList");
    EXPECT_FALSE(KeyExists(HKCU, kRunMru));
    EXPECT_TRUE(KeyExists(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"));

    // A key with subkeys stays when its own last value goes.
    registry.String(HKCU, kTests + L"\\OpenSaveMRU", L"a", L"C:\\letter.doc");
    registry.String(HKCU, kTests + L"\\OpenSaveMRU\\doc", L"a", L"C:\\letter.doc");
    Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\OpenSaveMRU=a");
    EXPECT_TRUE(ValueNames(HKCU, kTests + L"\\OpenSaveMRU").empty());
    EXPECT_TRUE(ValueExists(HKCU, kTests + L"\\OpenSaveMRU\\doc", L"a"));

    // A key whose remaining value has a name too long for an 8-bit listing
    // still holds that value and stays.
    const std::wstring longName(1500, L'x');
    registry.String(HKCU, kTests + L"\\Long", longName, L"kept");
    registry.String(HKCU, kTests + L"\\Long", L"chosen", L"gone");
    Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Long=chosen");
    EXPECT_EQ(std::vector<std::wstring>{longName}, ValueNames(HKCU, kTests + L"\\Long"));
    EXPECT_EQ("0.000000", EngineRecorder::SizeText()) << "registry values add no kilobytes";

    // The host hears whether the value is gone: a value already gone is,
    // one in a key the user may only read is not.
    EXPECT_EQ(1, Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Long=chosen"));
    EXPECT_EQ(1, Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\No such key=chosen"));
    registry.String(HKCU, kTests + L"\\Locked", L"a", L"x");
    const std::wstring user = CurrentUserSidText();
    SetAccessList(HKCU, kTests + L"\\Locked", (L"D:P(A;;KR;;;" + user + L")").c_str());
    EXPECT_EQ(0, Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Locked=a"));
    SetAccessList(HKCU, kTests + L"\\Locked", (L"D:P(A;;KA;;;" + user + L")").c_str());
    EXPECT_TRUE(ValueExists(HKCU, kTests + L"\\Locked", L"a"));
}

TEST_F(SelectiveClean, RegistryTextsAreSplitAtTheirLastEqualsSign) {
    // Two keys, "Mail" and "Mail=Work", each with a value "Signature".
    registry.String(HKCU, kTests + L"\\Mail", L"Signature", L"keep me");
    registry.String(HKCU, kTests + L"\\Mail=Work", L"Signature", L"remove me");
    Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Mail=Work=Signature");
    EXPECT_TRUE(ValueExists(HKCU, kTests + L"\\Mail", L"Signature"));
    EXPECT_FALSE(KeyExists(HKCU, kTests + L"\\Mail=Work"));
}

TEST_F(SelectiveClean, ARegistryTextNamingAPathNeverDeletesThatFile) {
    TestFolder folder;
    const std::wstring program = folder.File(L"Tools\\viewer.exe", 4096);
    registry.String(HKCU, kTests + L"\\MUICache", program, L"Viewer");
    registry.String(HKCU, kTests + L"\\MUICache", L"LangID", L"0409");
    Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\MUICache=" + program);
    EXPECT_EQ(std::vector<std::wstring>{L"LangID"}, ValueNames(HKCU, kTests + L"\\MUICache"));
    EXPECT_TRUE(FileExists(program));

    // A root outside the six is nothing to clean: not a file, not the bin.
    registry.String(HKCU, kTests + L"\\Other", L"a", L"x");
    const long long bin = RecycleBinCount();
    EXPECT_EQ(0, Clean(L"HKEY_CURRENT_USERS||Software\\NimbrelTests\\Other=a"));
    EXPECT_EQ(0, Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Other"));
    EXPECT_TRUE(ValueExists(HKCU, kTests + L"\\Other", L"a"));
    EXPECT_EQ(bin, RecycleBinCount());
}

TEST_F(SelectiveClean, ThePagingFileSettingIsSwitchedOnAndTheUserTold) {
    const std::wstring key = kSessionManager + L"\\Memory Management";
    const DWORD original = ReadDword(HKLM, key, L"ClearPageFileAtShutdown", 0xFFFFFFFF);
    const std::wstring text = L"HKEY_LOCAL_MACHINE||SYSTEM\\CurrentControlSet\\Control\\Session Manager\\"
                              L"Memory Management=ClearPageFileAtShutdown";
    for (int time = 0; time < 2; ++time) { // already on: set and told again
        Clean(text);
        EXPECT_EQ(1u, ReadDword(HKLM, key, L"ClearPageFileAtShutdown"));
    }
    ASSERT_EQ(2u, recorder.messages.size());
    EXPECT_EQ(L"Swap file will be deleted when you reboot the system", recorder.messages[0].text);
    EXPECT_EQ(L"Nimbrel", recorder.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), recorder.messages[0].type);

    // Where nothing could be written, nothing is announced.
    Clean(L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Missing=clearpagefileatshutdown");
    EXPECT_EQ(2u, recorder.messages.size());
    EXPECT_FALSE(KeyExists(HKCU, kTests + L"\\Missing"));

    HKEY opened;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKLM, key.c_str(), 0, KEY_SET_VALUE, &opened));
    if (original == 0xFFFFFFFF) {
        RegDeleteValueW(opened, L"ClearPageFileAtShutdown");
    } else {
        RegSetValueExW(opened, L"ClearPageFileAtShutdown", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&original), sizeof original);
    }
    RegCloseKey(opened);
}

TEST_F(SelectiveClean, FilesGoWithTheirSizeAndTheFolderTheyLeaveEmpty) {
    TestFolder folder;
    const std::wstring first = folder.File(L"Minidump\\Mini120406-01.dmp", 1536);
    const std::wstring second = folder.File(L"Minidump\\Mini120506-01.dmp", 512, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(1, Clean(first));
    EXPECT_FALSE(FileExists(first));
    EXPECT_TRUE(FolderExists(folder.Path(L"Minidump")));
    EXPECT_EQ("1.500000", EngineRecorder::SizeText());

    Clean(second); // chosen read-only files go as well
    EXPECT_FALSE(FileExists(second));
    EXPECT_FALSE(FolderExists(folder.Path(L"Minidump")));
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_EQ("2.000000", EngineRecorder::SizeText());

    // A file already gone adds nothing (not the size of the one before).
    EXPECT_EQ(1, Clean(first));
    EXPECT_EQ("2.000000", EngineRecorder::SizeText());
    EXPECT_EQ(512.0, scrub::theApp.lastCleanedSize);
}

// What each overwriting pass left in the file, read through its own handle.
std::vector<std::string> passesSeen;

void LookAtPass(HANDLE file, int pass) {
    LARGE_INTEGER size{}, start{};
    GetFileSizeEx(file, &size);
    SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    const auto all = [&](char c) {
        return std::all_of(bytes.begin(), bytes.end(), [c](char b) { return b == c; });
    };
    const bool secret = bytes.find(std::string(16, 'S')) != std::string::npos;
    passesSeen.push_back(std::to_string(pass) + (all('\0')     ? " zeros"
                                                 : all('\xff') ? " ones"
                                                 : secret      ? " secret"
                                                               : " random"));
}

TEST_F(SelectiveClean, ChosenFilesAreOverwrittenAsChosenBeforeTheyGo) {
    TestFolder folder;
    const std::wstring report = folder.FileWithContent(L"report.doc", std::string(3 * 1048576 + 17, 'S'));
    const std::wstring note = folder.FileWithContent(L"note.txt", std::string(40, 'S'));
    SetFileAttributesW(note.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring shared = folder.FileWithContent(L"shared.doc", "kept under its other name");
    ASSERT_TRUE(CreateHardLinkW(folder.Path(L"other name.doc").c_str(), shared.c_str(), nullptr));
    passesSeen.clear();
    scrub::theApp.afterOverwritePass = &LookAtPass;
    Scrubcore_NoofTimesOverwrite(3);
    EXPECT_EQ(1, Clean(report));
    EXPECT_EQ(1, Clean(note));
    // Bytes other names share are not this name's to destroy: it goes alone.
    EXPECT_EQ(1, Clean(shared));
    Scrubcore_NoofTimesOverwrite(0);
    scrub::theApp.afterOverwritePass = nullptr;

    EXPECT_EQ(passesSeen,
              (std::vector<std::string>{"1 zeros", "2 ones", "3 random", "1 zeros", "2 ones", "3 random"}));
    EXPECT_FALSE(FileExists(report) || FileExists(note) || FileExists(shared));
    EXPECT_EQ(ReadAll(folder.Path(L"other name.doc")), "kept under its other name");
}

TEST_F(SelectiveClean, EmptiedTempFoldersAreTidiedButSystemFoldersStay) {
    TestFolder profile;
    const std::wstring temp = profile.Path(L"Local Settings\\Temp");
    const std::wstring installer = profile.File(L"Local Settings\\Temp\\~DF3A21.tmp", 100);
    profile.Folder(L"Local Settings\\Temp\\_ISTMP1.DIR\\empty");
    profile.File(L"Local Settings\\Temp\\in use\\lock.tmp", 10);
    Clean(installer);
    EXPECT_FALSE(FolderExists(temp + L"\\_ISTMP1.DIR"));
    EXPECT_TRUE(FileExists(temp + L"\\in use\\lock.tmp"));
    // Windows 10's temporary folder is tidied the same way.
    profile.Folder(L"AppData\\Local\\Temp\\{5E2A}\\empty");
    Clean(profile.File(L"AppData\\Local\\Temp\\~DF3A23.tmp", 100));
    EXPECT_FALSE(FolderExists(profile.Path(L"AppData\\Local\\Temp\\{5E2A}")));
    // The same folder named in other letter case is not tidied.
    profile.Folder(L"Local Settings\\Temp\\left alone");
    Clean(profile.File(L"local settings\\temp\\x.tmp", 10));
    EXPECT_TRUE(FolderExists(profile.Path(L"local settings\\temp\\left alone")));

    // Windows and the user's programs expect these to be there.
    TestFolder recent = TestFolder::At(SpecialFolderPath(CSIDL_RECENT));
    TestFolder userTemp = TestFolder::At(ParentOf(SpecialFolderPath(CSIDL_LOCAL_APPDATA)) + L"\\Temp");
    Clean(recent.File(L"letter.doc.lnk", 600));
    Clean(userTemp.File(L"~DF3A22.tmp", 100));
    EXPECT_TRUE(FolderExists(recent.Path()));
    // Whatever way the text spells them.
    const std::wstring spelled = recent.File(L"plan.vsd.lnk", 600);
    Clean(recent.Path() + L"\\gone\\..\\plan.vsd.lnk");
    EXPECT_FALSE(FileExists(spelled));
    EXPECT_TRUE(FolderExists(recent.Path()));
    EXPECT_TRUE(FolderExists(userTemp.Path()));
}

TEST_F(SelectiveClean, AFileAtADriveRootLeavesTheDrivesCurrentFolderAlone) {
    // "C:" alone names the current folder of drive C:, here an empty folder.
    TestFolder current;
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetEnvironmentVariableW(L"=C:", current.Path().c_str());
    SetCurrentDirectoryW(L"N:\\");
    Clean(MakeFile(L"C:\\scandisk.log", 800));
    SetCurrentDirectoryW(previous);
    SetEnvironmentVariableW(L"=C:", nullptr);
    EXPECT_FALSE(FileExists(L"C:\\scandisk.log"));
    EXPECT_TRUE(FolderExists(current.Path()));
}

TEST_F(SelectiveClean, AFileInUseGoesAtTheNextRestart) {
    const std::wstring pending = RawText(HKLM, kSessionManager, L"PendingFileRenameOperations");
    TestFolder folder;
    const std::wstring log = folder.File(L"setupapi.log", 2048);
    const std::wstring folderNamedLikeAFile = folder.Folder(L"old.log");
    {
        HeldOpen writer(log, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        EXPECT_EQ(2, Clean(log)) << "goes at the next restart, and says so";
        EXPECT_EQ(0, Clean(folderNamedLikeAFile));
    }
    const std::wstring scheduled = RawText(HKLM, kSessionManager, L"PendingFileRenameOperations");
    RestoreRawText(HKLM, kSessionManager, L"PendingFileRenameOperations", pending);

    EXPECT_TRUE(FileExists(log));
    EXPECT_NE(std::wstring::npos, scheduled.find(L"\\??\\" + log + std::wstring(2, L'\0')));
    EXPECT_EQ(std::wstring::npos, scheduled.find(folderNamedLikeAFile + L'\0'))
        << "folders are never cleaned";
    EXPECT_TRUE(FolderExists(folderNamedLikeAFile));
    EXPECT_EQ("0.000000", EngineRecorder::SizeText()) << "still there: nothing recovered yet";
}

TEST_F(SelectiveClean, AFileThatCanNeitherGoNorBeScheduledAddsNoKilobyte) {
    TestFolder folder;
    const std::wstring log = folder.File(L"setupapi.log", 2048);
    // Without the right to write the restart list, a file in use stays.
    const std::wstring user = CurrentUserSidText();
    const std::wstring saved = SecurityText(HKLM, kSessionManager);
    ASSERT_EQ(0u, saved.rfind(L"O:", 0)) << saved;
    // Every later test of this run needs the list back, whatever happens here.
    struct PutBack {
        const std::wstring& accessList;
        ~PutBack() {
            try {
                SetAccessList(HKLM, kSessionManager, accessList.c_str());
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
        }
    } putBack{saved};
    SetAccessList(HKLM, kSessionManager, (L"D:P(A;CI;KR;;;" + user + L")(A;;RCWD;;;" + user + L")").c_str());
    {
        HeldOpen writer(log, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        EXPECT_EQ(0, Clean(log)) << "the host hears that it stays";
    }

    EXPECT_TRUE(FileExists(log));
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());
}

TEST_F(SelectiveClean, AnyRecycleBinEntryEmptiesEveryBinOnce) {
    if (!RecycleBinIsIsolated()) {
        GTEST_SKIP() << "the Recycle Bin would be the host's own trash";
    }
    TestFolder desktop;
    ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"letter to the bank.txt", 3000)));
    ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"beach.jpg", 5192)));

    Privacy_StopScan(1);
    EXPECT_EQ(0, Clean(L"letter to the bank.txt"));
    EXPECT_EQ(2, RecycleBinCount());
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());

    Privacy_StopScan(0);
    // Paths are never bin entries: a file on a share (a redirected folder),
    // a relative path, an empty text.
    for (const wchar_t* notAnEntry : {L"\\\\fileserver\\home\\ann\\Application Data\\Azureus\\debug_1.log",
                                      L"Azureus\\logs\\debug_1.log", L""}) {
        Clean(notAnEntry);
    }
    EXPECT_EQ(2, RecycleBinCount());
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());

    EXPECT_EQ(1, Clean(L"letter to the bank.txt"));
    EXPECT_EQ(0, RecycleBinCount());
    EXPECT_EQ("8.000000", EngineRecorder::SizeText()); // 3000 + 5192 bytes
    EXPECT_EQ(1, Clean(L"beach.jpg")) << "emptied with the first";
    EXPECT_EQ("8.000000", EngineRecorder::SizeText());
}

TEST_F(SelectiveClean, TextsNoScanReportsCleanNothing) {
    if (!RecycleBinIsIsolated()) {
        GTEST_SKIP() << "the Recycle Bin would be the host's own trash";
    }
    TestFolder documents;
    TestFolder temp;
    TestFolder desktop;
    const std::wstring letter = documents.File(L"letter.doc", 3000);
    ASSERT_TRUE(MakeUnixSymlink(letter, temp.Path(L"letter.tmp")));
    ASSERT_TRUE(MakeUnixSymlink(documents.Path(), temp.Path(L"documents")));
    ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"old letter.txt", 1000)));
    std::wstring slashed = letter, unixPath;
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    for (char c : UnixPath(letter)) {
        unixPath += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    const std::wstring texts[] = {
        // No entry the bin holds: every bin stays as it is.
        L"C:", L"CON", L"NUL", L"lpt1", std::wstring(40000, L'x'), L" ", L"..", L"*", L"old letter",
        L"old letter.txt ", slashed, L"//?/" + slashed.substr(0, 2) + L"/", L"HKEY_CURRENT_USER",
        // Not the document's own path: links, devices, raw and relative paths, a stream.
        temp.Path(L"letter.tmp"), temp.Path(L"documents\\letter.doc"), L"\\\\?\\" + letter,
        L"\\\\.\\" + letter, L"\\??\\" + letter, L"\\\\?\\unix" + unixPath, L"\\\\.\\C:",
        documents.Path(L"NUL"), documents.Path(L"con.txt"), letter + L":Zone.Identifier",
        L"\\\\fileserver\\home\\letter.doc", L"letter.doc", L"nimbrel-tests\\letter.doc",
        L"x:\\" + letter.substr(3),
        // A section of a settings file, named through a link or relatively.
        temp.Path(L"letter.tmp|[RecentsMRU]"), temp.Path(L"documents\\letter.doc|[RecentsMRU]"),
        L"letter.doc|[RecentsMRU]", letter + L"|[]", letter + L"|[a]b]"};
    for (const std::wstring& text : texts) {
        Clean(text);
        const std::string shown(text.begin(), text.begin() + std::min<size_t>(80, text.size()));
        ASSERT_EQ(3000u, FileSize(letter)) << shown;
        ASSERT_EQ(1, RecycleBinCount()) << shown;
    }
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());
    EXPECT_TRUE(FolderExists(documents.Path()));
    // Refused texts that name the document are never reported as cleaned.
    for (const std::wstring& text :
         {temp.Path(L"letter.tmp"), temp.Path(L"documents\\letter.doc"), L"\\\\?\\" + letter,
          L"\\\\.\\" + letter, temp.Path(L"letter.tmp|[RecentsMRU]")}) {
        EXPECT_EQ(0, Clean(text)) << std::string(text.begin(), text.end());
    }
}
