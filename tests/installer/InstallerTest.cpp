// The installer as a Windows user meets it: installed silently into the
// test prefix, the program started from its Start-menu shortcut with the
// first-run selection, setup and uninstaller refused while Nimbrel runs, an
// upgrade, and the uninstaller, run as Add/Remove Programs runs it, leaving
// the prefix as it was: only the user's own files remain.
#include "ProgramUnderTest.h"
#include "VersionInfo.h"
#include "WindowsTraces.h"

#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <iterator>

using namespace app_tests;
using namespace testing_support;

namespace {

const std::wstring kFolder = L"C:\\Program Files\\Nimbrel";
const std::wstring kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nimbrel";
const std::wstring kShortcut = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Nimbrel.lnk";
const std::wstring kSetup = BuildFolder() + L"\\dist\\" NIMBREL_SETUP_NAME;

// Runs a command until it and every process it started have ended: the
// uninstaller hands its work to a copy of itself and ends at once.
bool RunToTheEnd(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const bool ended = WaitFor(
        [&] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
            QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
            return info.ActiveProcesses == 0;
        },
        std::chrono::seconds(60));
    CloseHandle(job);
    return ended;
}

// Where an installer writes: the program and user folders, the machine's
// and the user's software keys. Left out: the temporary folders (the
// uninstaller's copy runs from there) and Wine's own keys (its note of the
// desktop menu entry it made for a shortcut).
std::vector<std::wstring> MachineState() {
    std::vector<std::wstring> state;
    for (const std::wstring folder : {L"C:\\Program Files", L"C:\\ProgramData", L"C:\\users"}) {
        for (const std::wstring& entry : Snapshot(folder)) {
            if (entry.find(L"Temp\\") == std::wstring::npos) {
                state.push_back(folder + L"\\" + entry);
            }
        }
    }
    for (const std::wstring& line :
         RegistryDump(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion")) {
        state.push_back(L"HKLM " + line);
    }
    for (const std::wstring& line : RegistryDump(HKEY_CURRENT_USER, L"Software")) {
        if (line.rfind(L"Software\\Wine\\", 0) != 0) {
            state.push_back(L"HKCU " + line);
        }
    }
    state.push_back(KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey) ? L"settings" : L"no settings");
    std::sort(state.begin(), state.end());
    return state;
}

std::wstring ShortcutTarget(const std::wstring& shortcut) {
    wchar_t path[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ))) {
        link->GetPath(path, MAX_PATH, nullptr, 0);
    }
    for (IUnknown* object : {static_cast<IUnknown*>(file), static_cast<IUnknown*>(link)}) {
        if (object) {
            object->Release();
        }
    }
    return path;
}

// The images of a file's icons, to tell whose icon it carries.
std::vector<std::string> IconImages(const std::wstring& file) {
    std::vector<std::string> images;
    HMODULE module =
        LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    EnumResourceNamesW(
        module, RT_ICON,
        [](HMODULE from, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
            HRSRC icon = FindResourceW(from, name, type);
            reinterpret_cast<std::vector<std::string>*>(found)->emplace_back(
                static_cast<const char*>(LockResource(LoadResource(from, icon))), SizeofResource(from, icon));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&images));
    FreeLibrary(module);
    std::sort(images.begin(), images.end());
    return images;
}

// The text of the message box the process shows; then it is answered.
std::wstring AnswerMessageBox(DWORD processId) {
    HWND box = nullptr;
    WaitFor([&] {
        const auto found = TopLevelWindows(processId, L"Nimbrel " NIMBREL_VERSION L" Setup");
        box = found.empty() ? nullptr : found.front();
        return box && GetDlgItem(box, 0xFFFF);
    });
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override {
        RemoveTree(kFolder);
        CoUninitialize();
    }
    CleanSettings settings;
    // A user's own files named after the product, which no uninstaller may take.
    TestFolder documents = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\Nimbrel reports");
};

TEST_F(Installer, InstallsRefusesOverARunningNimbrelAndUninstallsEverythingItAdded) {
    documents.File(L"March.txt", 120);
    // Another program's uninstaller in the folder chosen: neither the setup
    // nor Nimbrel's uninstaller may replace or remove it.
    MakeFile(kFolder + L"\\Uninstall.exe", 77);
    const std::vector<std::wstring> before = MachineState();
    EXPECT_EQ(VersionString(kSetup, L"ProductName"), L"Nimbrel");
    EXPECT_EQ(VersionString(kSetup, L"ProductVersion"), NIMBREL_VERSION);

    ASSERT_EQ(RunProcess(L"\"" + kSetup + L"\" /S").exitCode, 0u);
    std::vector<std::wstring> installed;
    for (const std::wstring& entry : Snapshot(kFolder)) {
        installed.push_back(entry.substr(0, entry.find(L'|')));
    }
    EXPECT_EQ(installed,
              (std::vector<std::wstring>{L"LOGS\\", L"Nimbrel Help.chm", L"Nimbrel.exe", L"Scrubcore.dll",
                                         L"Uninstall Nimbrel.exe", L"Uninstall.exe", L"Updrift.dll",
                                         L"winapp2-LICENSE.md", L"winapp2.ini"}));
    EXPECT_EQ(FileSize(kFolder + L"\\Uninstall.exe"), 77u);
    EXPECT_EQ(VersionString(kFolder + L"\\Nimbrel.exe", L"FileVersion"), NIMBREL_VERSION);
    EXPECT_EQ(IconImages(kSetup), IconImages(kFolder + L"\\Nimbrel.exe")) << "the product's icon";
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, kSettingsKey), std::vector<std::wstring>{L"first"});
    EXPECT_EQ(settings.Get(L"first"), L"1");
    uint64_t bytes = 0;
    for (const wchar_t* name : {L"Nimbrel.exe", L"Scrubcore.dll", L"Updrift.dll", L"Nimbrel Help.chm",
                                L"winapp2.ini", L"winapp2-LICENSE.md", L"Uninstall Nimbrel.exe"}) {
        bytes += FileSize(kFolder + L"\\" + name);
    }
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize"), bytes / 1024);
    for (const auto& [name, text] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"DisplayName", L"Nimbrel"},
             {L"DisplayVersion", NIMBREL_VERSION},
             {L"Publisher", L"Nimbrel"},
             {L"DisplayIcon", kFolder + L"\\Nimbrel.exe,0"},
             {L"UninstallString", L"\"" + kFolder + L"\\Uninstall Nimbrel.exe\""},
             {L"QuietUninstallString", L"\"" + kFolder + L"\\Uninstall Nimbrel.exe\" /S _?=" + kFolder}}) {
        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, name), text) << name;
    }
    ASSERT_EQ(ShortcutTarget(kShortcut), kFolder + L"\\Nimbrel.exe");

    // Started from the Start menu, the first start selects the factory
    // defaults. Meanwhile neither a setup nor the uninstaller touches it.
    {
        RunningProgram program(ShortcutTarget(kShortcut));
        ASSERT_TRUE(RunningProgram::StartAndShow(program));
        EXPECT_EQ(settings.Get(L"first"), L"0");
        EXPECT_EQ(settings.Get(L"Windows Temp Folder") + settings.Get(L"Internet Explorer Favorites"), L"10");

        RunningProgram setup(kSetup);
        EXPECT_EQ(AnswerMessageBox(setup.Id()),
                  L"Nimbrel is running. Close Nimbrel (or wait until its scheduled "
                  L"clean has ended), then run Setup again.");
        DWORD code = 0;
        EXPECT_TRUE(setup.WaitForExit(10000, &code));
        EXPECT_EQ(code, 2u);
        // The quiet form, as a deployment tool runs it, ends with the refusal's code.
        EXPECT_EQ(RunProcess(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString")).exitCode,
                  2u);
        EXPECT_TRUE(FileExists(kFolder + L"\\Nimbrel.exe") && KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    // A new version over this one keeps the user's choices.
    settings.Set(L"Windows Temp Folder", L"0");
    ASSERT_EQ(RunProcess(L"\"" + kSetup + L"\" /S").exitCode, 0u);
    EXPECT_EQ(settings.Get(L"first") + settings.Get(L"Windows Temp Folder"), L"00");

    // What the program, its updates and the About box leave goes too; the
    // user's own file in the folder stays, and so does the folder.
    EXPECT_EQ(Snapshot(kFolder + L"\\LOGS").size(), 1u) << "the run's log";
    for (const wchar_t* left :
         {L"LOGS\\Updrift.log", L"LOGS_12_06_2026_19_20_05.zip", L"~updstageQ7KD02MZXA\\Scrubcore.zip",
          L"~updoldK2J9D1LQ0P.tmp", L"my notes.txt"}) {
        MakeFile(kFolder + L"\\" + left, 42);
    }
    TestRegistry startup;
    startup.String(HKEY_LOCAL_MACHINE, kRunKey, L"Nimbrel", L"\"" + kFolder + L"\\Nimbrel.exe\"");
    // The installing user's own start-up entry goes too; another program's stays.
    startup.String(HKEY_CURRENT_USER, kRunKey, L"Nimbrel", L"\"" + kFolder + L"\\Nimbrel.exe\"");

    ASSERT_TRUE(RunToTheEnd(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString")));
    std::vector<std::wstring> expected = before;
    expected.insert(expected.end(), {kFolder + L"\\my notes.txt|42"});
    std::sort(expected.begin(), expected.end());
    const std::vector<std::wstring> after = MachineState();
    std::vector<std::wstring> left;
    std::vector<std::wstring> taken;
    std::set_difference(after.begin(), after.end(), expected.begin(), expected.end(),
                        std::back_inserter(left));
    std::set_difference(expected.begin(), expected.end(), after.begin(), after.end(),
                        std::back_inserter(taken));
    EXPECT_EQ(left, std::vector<std::wstring>{});
    EXPECT_EQ(taken, std::vector<std::wstring>{});
}

} // namespace
