// The installer as a Windows user meets it: installed silently into the
// test prefix, the program started from its Start-menu shortcut with the
// first-run selection, a second setup refused while Nimbrel runs, and the
// uninstaller, run as Add/Remove Programs runs it, leaving the prefix as it
// was before: only the user's own files remain.
#include "ProgramUnderTest.h"
#include "WindowsTraces.h"

#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

using namespace app_tests;
using namespace testing_support;

namespace {

const std::wstring kFolder = L"C:\\Program Files\\Nimbrel";
const std::wstring kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nimbrel";
const std::wstring kShortcut = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Nimbrel.lnk";

std::wstring SetupProgram() {
    return BuildFolder() + L"\\dist\\" + NIMBREL_SETUP_NAME;
}

// Runs a command and waits until it and every process it started have
// ended: the uninstaller hands its work to a copy of itself and ends at once.
bool RunToTheEnd(const std::wstring& commandLine) {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &process)) {
        CloseHandle(job);
        return false;
    }
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

// Where an installer writes: the programs' folders and the user's, and the
// keys of the machine's and the user's software. Left out: the temporary
// folders, where the uninstaller's copy runs from, and Wine's own keys (it
// keeps a note of the desktop menu entry it made for a shortcut).
std::vector<std::wstring> MachineState() {
    std::vector<std::wstring> state;
    for (const std::wstring folder : {L"C:\\Program Files", L"C:\\ProgramData", L"C:\\users"}) {
        for (const std::wstring& entry : Snapshot(folder)) {
            if (entry.find(L"\\Temp\\") == std::wstring::npos && entry.rfind(L"Temp\\", 0) != 0) {
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
    state.push_back(KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey) ? L"settings key" : L"no settings key");
    return state;
}

std::wstring ShortcutTarget(const std::wstring& shortcut) {
    std::wstring target;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return target;
    }
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
            target = path;
        }
        file->Release();
    }
    link->Release();
    return target;
}

std::wstring VersionText(const std::wstring& file, const std::wstring& name) {
    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    const WORD* language = nullptr;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (data.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(const_cast<WORD**>(&language)), &length) ||
        length < 2 * sizeof(WORD)) {
        return L"(none)";
    }
    wchar_t block[64];
    swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
    if (!VerQueryValueW(data.data(), (block + name).c_str(), reinterpret_cast<void**>(&text), &length)) {
        return L"(none)";
    }
    return text;
}

// The images of a program's icons, to tell whose icon a file carries.
std::vector<std::string> IconImages(const std::wstring& file) {
    std::vector<std::string> images;
    HMODULE module =
        LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        return images;
    }
    EnumResourceNamesW(
        module, RT_ICON,
        [](HMODULE from, LPCWSTR type, LPWSTR name, LONG_PTR context) -> BOOL {
            HRSRC resource = FindResourceW(from, name, type);
            const auto* bytes = static_cast<const char*>(LockResource(LoadResource(from, resource)));
            reinterpret_cast<std::vector<std::string>*>(context)->emplace_back(
                bytes, SizeofResource(from, resource));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&images));
    FreeLibrary(module);
    std::sort(images.begin(), images.end());
    return images;
}

// The text of the message box a process shows, after which it is answered.
std::wstring AnswerMessageBox(DWORD processId) {
    HWND box = nullptr;
    WaitFor([&] {
        for (HWND window : TopLevelWindows(processId, L"Nimbrel " NIMBREL_VERSION L" Setup")) {
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770" && GetDlgItem(window, 0xFFFF)) {
                box = window;
            }
        }
        return box != nullptr;
    });
    if (!box) {
        return L"(no message box)";
    }
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
    // A user's own file with the product's name, which no uninstaller may take.
    TestFolder documents = TestFolder::At(SpecialFolderPath(CSIDL_PERSONAL) + L"\\Nimbrel reports");
};

TEST_F(Installer, InstallsRefusesOverARunningNimbrelAndUninstallsEverythingItAdded) {
    documents.File(L"March.txt", 120);
    const std::vector<std::wstring> before = MachineState();
    ASSERT_FALSE(FolderExists(kFolder));

    EXPECT_EQ(VersionText(SetupProgram(), L"ProductName"), L"Nimbrel");
    EXPECT_EQ(VersionText(SetupProgram(), L"ProductVersion"), NIMBREL_VERSION);
    EXPECT_EQ(VersionText(SetupProgram(), L"CompanyName"), L"Nimbrel");

    const ProcessResult install = RunProcess(L"\"" + SetupProgram() + L"\" /S");
    ASSERT_TRUE(install.finished);
    ASSERT_EQ(install.exitCode, 0u);
    EXPECT_EQ(Snapshot(kFolder),
              (std::vector<std::wstring>{
                  L"LOGS\\",
                  L"Nimbrel Help.chm|" + std::to_wstring(FileSize(ProgramFolder() + L"\\Nimbrel Help.chm")),
                  L"Nimbrel.exe|" + std::to_wstring(FileSize(kFolder + L"\\Nimbrel.exe")),
                  L"Scrubcore.dll|" + std::to_wstring(FileSize(kFolder + L"\\Scrubcore.dll")),
                  L"Uninstall.exe|" + std::to_wstring(FileSize(kFolder + L"\\Uninstall.exe")),
                  L"Updrift.dll|" + std::to_wstring(FileSize(kFolder + L"\\Updrift.dll"))}));
    EXPECT_EQ(VersionText(kFolder + L"\\Nimbrel.exe", L"FileVersion"), NIMBREL_VERSION);
    EXPECT_EQ(IconImages(SetupProgram()), IconImages(kFolder + L"\\Nimbrel.exe")) << "the product's icon";
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, kSettingsKey), std::vector<std::wstring>{L"first"});
    EXPECT_EQ(settings.Get(L"first"), L"1");
    uint64_t bytes = 0;
    for (const wchar_t* name :
         {L"Nimbrel.exe", L"Scrubcore.dll", L"Updrift.dll", L"Nimbrel Help.chm", L"Uninstall.exe"}) {
        bytes += FileSize(kFolder + L"\\" + name);
    }
    for (const auto& [name, text] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"DisplayName", L"Nimbrel"},
             {L"DisplayVersion", NIMBREL_VERSION},
             {L"Publisher", L"Nimbrel"},
             {L"DisplayIcon", kFolder + L"\\Nimbrel.exe,0"},
             {L"InstallLocation", kFolder},
             {L"UninstallString", L"\"" + kFolder + L"\\Uninstall.exe\""},
             {L"QuietUninstallString", L"\"" + kFolder + L"\\Uninstall.exe\" /S"}}) {
        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, name), text) << name;
    }
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize"), bytes / 1024);
    ASSERT_EQ(ShortcutTarget(kShortcut), kFolder + L"\\Nimbrel.exe");

    // The user starts it from the Start menu: the first start selects the
    // factory defaults. Meanwhile neither a new setup nor the uninstaller
    // touches the program.
    {
        RunningProgram program(ShortcutTarget(kShortcut));
        ASSERT_TRUE(RunningProgram::StartAndShow(program));
        EXPECT_EQ(settings.Get(L"first"), L"0");
        EXPECT_EQ(settings.Get(L"Windows Temp Folder"), L"1");
        EXPECT_EQ(settings.Get(L"Internet Explorer Favorites"), L"0");

        RunningProgram secondSetup(SetupProgram());
        ASSERT_TRUE(secondSetup.Started());
        EXPECT_EQ(
            AnswerMessageBox(secondSetup.Id()),
            L"Nimbrel is running. Close Nimbrel (or wait until its scheduled clean has ended), then run "
            L"Setup again.");
        DWORD code = 0;
        EXPECT_TRUE(secondSetup.WaitForExit(10000, &code));
        EXPECT_EQ(code, 2u);
        // In place (as its copy runs), so that its exit code is its own.
        const ProcessResult uninstall = RunProcess(L"\"" + kFolder + L"\\Uninstall.exe\" /S _?=" + kFolder);
        EXPECT_EQ(uninstall.exitCode, 2u);
        EXPECT_TRUE(FileExists(kFolder + L"\\Nimbrel.exe") && KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

        PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    // A new version over this one keeps the user's choices.
    settings.Set(L"Windows Temp Folder", L"0");
    ASSERT_EQ(RunProcess(L"\"" + SetupProgram() + L"\" /S").exitCode, 0u);
    EXPECT_EQ(settings.Get(L"first"), L"0");
    EXPECT_EQ(settings.Get(L"Windows Temp Folder"), L"0");

    // What the program and its updates leave in the folder goes with it; the
    // user's own file there stays, and so does the folder that holds it.
    EXPECT_GE(Snapshot(kFolder + L"\\LOGS").size(), 1u) << "the run's log";
    MakeFile(kFolder + L"\\LOGS\\Updrift.log", 300);
    MakeFile(kFolder + L"\\LOGS_12_06_2026_19_20_05.zip", 900);
    MakeFile(kFolder + L"\\~updstageQ7KD02MZXA\\Scrubcore.zip", 5000);
    MakeFile(kFolder + L"\\~updoldK2J9D1LQ0P.tmp", 5000);
    MakeFile(kFolder + L"\\my notes.txt", 42);
    HKEY run = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run, nullptr),
        ERROR_SUCCESS);
    const std::wstring startup = L"\"" + kFolder + L"\\Nimbrel.exe\"";
    RegSetValueExW(run, L"Nimbrel", 0, REG_SZ, reinterpret_cast<const BYTE*>(startup.c_str()),
                   static_cast<DWORD>((startup.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(run);

    // As Add/Remove Programs runs it.
    ASSERT_TRUE(RunToTheEnd(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString")));
    EXPECT_EQ(Snapshot(kFolder), std::vector<std::wstring>{L"my notes.txt|42"});
    std::vector<std::wstring> expected = before;
    expected.push_back(kFolder + L"\\");
    expected.push_back(kFolder + L"\\my notes.txt|42");
    std::sort(expected.begin(), expected.end());
    std::vector<std::wstring> after = MachineState();
    std::sort(after.begin(), after.end());
    std::vector<std::wstring> added;
    std::vector<std::wstring> gone;
    std::set_difference(after.begin(), after.end(), expected.begin(), expected.end(),
                        std::back_inserter(added));
    std::set_difference(expected.begin(), expected.end(), after.begin(), after.end(),
                        std::back_inserter(gone));
    EXPECT_EQ(added, std::vector<std::wstring>{}) << "left behind";
    EXPECT_EQ(gone, std::vector<std::wstring>{}) << "taken away";
}

} // namespace
