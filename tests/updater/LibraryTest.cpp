// The real Updrift.dll: its exports, the address it asks by default, and the
// separate installation through rundll32 after the program has ended.
#include "DialogWatcher.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "TestZip.h"
#include "UpdateMachine.h"
#include "UpdateServer.h"

#include "updrift/Updrift.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Library {
public:
    Library() : module_(LoadLibraryW((ProgramFolder() + L"\\Updrift.dll").c_str())) {}
    ~Library() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    template <class Function> Function Get(const char* name) const {
        return module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

using CheckFunction = void (*)(const wchar_t*, UpdriftDecideCallBack, UpdriftStatusCallBack);
using InstallFunction = int(CALLBACK*)(HWND, HINSTANCE, LPSTR, int);
using DownloadFunction = int (*)(const wchar_t*, const wchar_t*);

std::vector<int> libraryCodes;
unsigned char TakeNothing(const wchar_t*, const wchar_t*) {
    return 0;
}
int RecordCode(int code, const wchar_t*) {
    libraryCodes.push_back(code);
    return 1;
}

// Whether no "rundll32" runs any more (none but the updater's is started here).
bool NoInstallerRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    BOOL more = Process32FirstW(snapshot, &entry);
    while (more && _wcsicmp(entry.szExeFile, L"rundll32.exe") != 0) {
        more = Process32NextW(snapshot, &entry);
    }
    CloseHandle(snapshot);
    return !more;
}

std::string FileLine(const std::string& destination, const std::wstring& url, int archive) {
    return destination + "\t\\\t0\t" + Narrow(url) + "\t" + std::to_string(archive) + "\t0";
}

} // namespace

TEST(UpdriftLibrary, ExportsEachFunctionUnderItsPlainName) {
    Library library;
    EXPECT_NE(nullptr, library.Get<CheckFunction>("AuCheckForUpdates"));
    EXPECT_NE(nullptr, library.Get<DownloadFunction>("AuDownloadFile"));
    EXPECT_NE(nullptr, library.Get<InstallFunction>("InstallUpdates"));
    EXPECT_EQ(nullptr, library.Get<InstallFunction>("InstallUpdates@16"));
    EXPECT_EQ(nullptr, library.Get<InstallFunction>("_InstallUpdates@16"));
}

TEST(UpdriftLibrary, ADownloadIsTheWholeFileOrNothing) {
    Library library;
    const auto download = library.Get<DownloadFunction>("AuDownloadFile");
    ASSERT_NE(download, nullptr);
    ServedFiles served;
    const std::string bytes(100000, 'r');
    const std::wstring whole = served.PutUnsigned(L"rules.ini", bytes);
    served.PutUnsigned(L"short.ini", bytes);
    served.CutShort(L"short.ini");
    TestFolder folder;
    const std::wstring target = folder.FileWithContent(L"rules.ini.new", "older bytes");
    struct Case {
        std::wstring url;
        int result;
    };
    for (const Case& c : std::vector<Case>{{served.Url(L"short.ini"), 0},
                                           {served.Url(L"missing.ini"), 0},
                                           {L"http://rules.example.invalid/rules.ini", 0},
                                           {whole, 1}}) {
        EXPECT_EQ(download(c.url.c_str(), target.c_str()), c.result) << c.url;
        EXPECT_EQ(FileExists(target), c.result == 1) << c.url << ": nothing half-written is left";
    }
    EXPECT_EQ(ReadAll(target), bytes);
}

TEST(UpdriftLibrary, WithoutAnAddressAsksTheServerTheProgramsSettingsName) {
    UpdateMachine machine; // keeps whatever the check writes in a temporary folder of its own
    ServedFiles served;
    served.Put(L"updates\\updates.asp", Page({"0"}));
    TestRegistry registry;
    // As a tester types it: blanks and a closing slash.
    registry.String(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Nimbrel", L"updateserver", L" " + served.Url(L"") + L" ");
    Library library;
    auto check = library.Get<CheckFunction>("AuCheckForUpdates");
    ASSERT_NE(nullptr, check);

    libraryCodes.clear();
    check(nullptr, &TakeNothing, &RecordCode);

    EXPECT_EQ(std::vector<int>({7, 1, 10}), libraryCodes);
    EXPECT_EQ(std::vector<std::wstring>({L"updates/updates.asp"}), served.RequestedFiles());
}

TEST(UpdriftLibrary, InstallUpdatesWithoutAListSaysSoAndReturns0) {
    UpdateMachine machine;
    DialogWatcher watcher;
    Library library;
    auto install = library.Get<InstallFunction>("InstallUpdates");
    ASSERT_NE(nullptr, install);

    EXPECT_EQ(0, install(nullptr, nullptr, const_cast<char*>("ignored arguments"), SW_SHOWNORMAL));

    const std::vector<SeenDialog> seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"Nimbrel", seen[0].caption);
    EXPECT_EQ(L"Error in open file", seen[0].text);
}

TEST(SeparateInstallation, TheProgramEndsIsUpdatedAndStartsAgain) {
    UpdateMachine machine;
    ServedFiles served;
    DialogWatcher watcher;
    machine.AddStandIn();
    machine.AddLibrary();
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
    // TMP names the temporary folder; a TEMP that disagrees must not split
    // the list from its installation.
    TestFolder otherTemp;
    SetEnvironmentVariableW(L"TEMP", otherTemp.Path().c_str());
    const std::wstring page = served.Put(
        L"updates.asp",
        Page({"2", "toolbar\t1.0\t1\t1", FileLine("toolbar.dll", served.Url(L"toolbar.dll"), 0),
              "software\t2.4\t2\t0", FileLine("Scrubcore.dll", served.Put(L"engine.bin", "engine 2.4"), 0),
              FileLine("docs.zip", served.Put(L"docs.zip", ZipBytes({{"docs/readme.txt", "readme 2.4"}})),
                       1)}));

    const ProcessResult checking =
        RunProcess(L"\"" + machine.ProgramFile(L"Nimbrel.exe") + L"\" check " + page, 60000);

    ASSERT_TRUE(checking.finished);
    EXPECT_EQ(0u, checking.exitCode);
    // The declined toolbar still asked for the program to be closed; the
    // check never returned into the program.
    EXPECT_EQ(std::vector<std::string>({"7|", "1|", "2|software", "2|software", "3|software", "8|"}),
              machine.Recorded(L"status.txt"));
    ASSERT_TRUE(WaitFor([&] { return machine.Recorded().size() >= 2; }, std::chrono::milliseconds(30000)))
        << "the program was not started again";
    EXPECT_EQ(std::vector<std::string>({"run check " + Narrow(page), "run"}), machine.Recorded());
    EXPECT_EQ("engine 2.4", ReadAll(engine));
    EXPECT_EQ("readme 2.4", ReadAll(machine.ProgramFile(L"docs\\readme.txt")));
    EXPECT_TRUE(machine.Leftovers().empty());
    EXPECT_TRUE(Snapshot(otherTemp.Path()).empty());
    EXPECT_EQ(std::vector<std::wstring>({L"updates.asp", L"engine.bin", L"docs.zip"}),
              served.RequestedFiles());
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST(SeparateInstallation, WaitsForTheProgramToLetGoOfItsLock) {
    UpdateMachine machine;
    DialogWatcher watcher;
    machine.AddStandIn();
    machine.AddLibrary();
    const std::wstring engine = MakeFileWithContent(machine.ProgramFile(L"Scrubcore.dll"), "engine 2.3.2");
    machine.Downloaded(L"Q0W9E8R7T6", "engine 2.4");
    machine.WriteList({L"Scrubcore.dll\t\\\t10\thttp://www.nimbrel.com/x\t0\t0\tQ0W9E8R7T6"});
    HANDLE lock = CreateMutexW(nullptr, TRUE, L"Global\\Nimbrel"); // the program still runs

    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + std::wstring(system) + L"\\rundll32.exe\" \"" +
                           machine.ProgramFile(L"Updrift.dll") + L"\",InstallUpdates ~updstageTESTSTAGE0";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    Sleep(1500);
    EXPECT_EQ("engine 2.3.2", ReadAll(engine)) << "installed while the program held its lock";
    EXPECT_TRUE(machine.Recorded().empty());

    ReleaseMutex(lock);
    CloseHandle(lock);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ("engine 2.4", ReadAll(engine));
    EXPECT_TRUE(WaitFor([&] { return !machine.Recorded().empty(); }));
    EXPECT_EQ(std::vector<std::string>({"run"}), machine.Recorded()) << "the restarted program got the lock";
    EXPECT_TRUE(machine.Leftovers().empty());
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST(SeparateInstallation, ReplacesTheLoadedUpdriftDllWhoseOldCopyGoesAtTheNextStart) {
    UpdateMachine machine;
    ServedFiles served;
    DialogWatcher watcher;
    machine.AddStandIn();
    machine.AddLibrary();
    // The same library with a mark at its end: bytes past the image change
    // nothing of how it loads.
    const std::wstring library = machine.ProgramFile(L"Updrift.dll");
    const std::string newLibrary = ReadAll(library) + "Updrift 2.4";
    const std::wstring page = served.Put(
        L"updates.asp", Page({"1", "software\t2.4\t1\t1",
                              FileLine("Updrift.dll", served.Put(L"Updrift.dll", newLibrary), 0)}));

    ASSERT_TRUE(
        RunProcess(L"\"" + machine.ProgramFile(L"Nimbrel.exe") + L"\" check " + page, 60000).finished);
    ASSERT_TRUE(WaitFor([&] { return machine.Recorded().size() >= 2; }, std::chrono::milliseconds(30000)))
        << "the program was not started again";
    EXPECT_TRUE(ReadAll(library) == newLibrary) << "Updrift.dll was not replaced";
    EXPECT_EQ(1u, machine.Leftovers().size()) << "the old copy, moved aside while rundll32 had it loaded";
    ASSERT_TRUE(WaitFor(NoInstallerRunning, std::chrono::milliseconds(30000)));

    // The next start runs the new library, which removes the old copy and
    // what an update that was never installed left.
    MakeFileWithContent(machine.ProgramFile(L"~updstage0LDSTAGE00\\updatetmp.tmp"), "an old list");
    const std::wstring nothingNew = served.Put(L"none.asp", "");
    ASSERT_TRUE(
        RunProcess(L"\"" + machine.ProgramFile(L"Nimbrel.exe") + L"\" check " + nothingNew, 60000).finished);
    EXPECT_EQ("11|", machine.Recorded(L"status.txt").at(machine.Recorded(L"status.txt").size() - 2));
    EXPECT_TRUE(machine.Leftovers().empty());
    EXPECT_TRUE(watcher.Seen().empty());
}
