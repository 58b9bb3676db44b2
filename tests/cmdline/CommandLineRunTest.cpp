// The real Nimbrel.exe run without its window, from a copy of the program
// folder, on a profile seeded with a user's traces: what it prints through a
// pipe, a file, a report file and a console, what it leaves on the disk and
// in the settings, its log and its exit codes.
#include "ProgramUnderTest.h"
#include "WindowsTraces.h"

#include "ItemSelection.h"
#include "NimbrelControlApp.h"
#include "ScanFigures.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <map>
#include <sstream>

using namespace app_tests;
using namespace testing_support;

namespace {

const std::wstring kRunMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const std::wstring kPagingKey = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::wstring kHkcu = L"HKEY_CURRENT_USER||";
const std::string kUtf8Mark = "\xEF\xBB\xBF";

std::wstring TempFolder() {
    return ParentOf(SpecialFolderPath(CSIDL_LOCAL_APPDATA)) + L"\\Temp";
}

std::string Utf8(const std::wstring& text) {
    std::string bytes(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    bytes.pop_back();
    return bytes;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// The found items of an output by heading, sorted: the engine walks a folder
// in the order the system lists it.
std::map<std::string, std::vector<std::string>> FoundByHeading(const std::string& output) {
    std::map<std::string, std::vector<std::string>> found;
    std::string heading;
    for (const std::string& line : Lines(output)) {
        if (line.empty()) {
            break; // the summary follows
        }
        if (line[0] == '\t') {
            found[heading].push_back(line.substr(1));
        } else {
            heading = line;
        }
    }
    for (auto& entry : found) {
        std::sort(entry.second.begin(), entry.second.end());
    }
    return found;
}

struct CommandResult {
    bool finished = false;
    DWORD exitCode = 0;
    std::string output; // the bytes written to the standard output
    std::string errors;
};

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        EmptyRecycleBin();
        nimbrel::GetInt(nimbrel::kProductTitle, L"first"); // the first read makes the key
        nimbrel::WriteNothingSelected(nimbrel::kProductTitle);
    }
    void TearDown() override { EmptyRecycleBin(); }

    // A user's week: temporary files (one named in three scripts), a Run
    // history, two files in the Recycle Bin, and the paging-file setting.
    void SeedTraces() {
        temp.File(L"~DF3A21.tmp", 16384);
        temp.File(L"Übersicht € 東京.tmp", 2210);
        registry.String(HKEY_CURRENT_USER, kRunMru, L"a", L"notepad\\1");
        registry.String(HKEY_CURRENT_USER, kRunMru, L"MRUList", L"a");
        registry.Dword(HKEY_LOCAL_MACHINE, kPagingKey, L"ClearPageFileAtShutdown", 0);
        if (RecycleBinIsIsolated()) {
            ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"old letter.doc", 3000)));
            ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"photo.jpg", 5000)));
        }
    }
    static void Select(std::initializer_list<const wchar_t*> valueNames) {
        for (const wchar_t* name : valueNames) {
            const nimbrel::SelectionItem* item = nimbrel::FindSelectionItem(name);
            ASSERT_NE(item, nullptr) << name;
            nimbrel::SetItemSelected(nimbrel::kProductTitle, *item, true);
        }
    }

    // Runs the program with these arguments: its output into a pipe (or a
    // file), its errors into a file; no console.
    CommandResult Run(const std::wstring& arguments, bool outputToFile = false) {
        CommandResult result;
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        const std::wstring errorsPath = files.Path(L"errors.txt");
        const std::wstring outputPath = files.Path(L"output.txt");
        HANDLE errors = CreateFileW(errorsPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, 0, nullptr);
        HANDLE read = nullptr;
        HANDLE write = nullptr;
        if (outputToFile) {
            write = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                0, nullptr);
        } else {
            CreatePipe(&read, &write, &inherit, 0);
            SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = errors;
        PROCESS_INFORMATION process{};
        std::wstring line = L"\"" + install.Program() + L"\" " + arguments;
        const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            install.Folder().c_str(), &startup, &process);
        CloseHandle(write);
        CloseHandle(errors);
        if (!started) {
            ADD_FAILURE() << "could not start the program";
            return result;
        }
        if (read) {
            char buffer[4096];
            DWORD got = 0;
            while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
                result.output.append(buffer, got);
            }
            CloseHandle(read);
        }
        result.finished = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
        if (!result.finished) {
            TerminateProcess(process.hProcess, 99);
        }
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (outputToFile) {
            result.output = ReadAll(outputPath);
        }
        result.errors = ReadAll(errorsPath);
        return result;
    }

    std::vector<std::wstring> LogOfLastRun() const {
        auto lines = install.LogLines();
        const auto start = std::find(lines.rbegin(), lines.rend(), L"NMB is ready to start 2.3.2.1");
        return {start == lines.rend() ? lines.begin() : std::prev(start.base()), lines.end()};
    }

    CleanSettings settings;
    ProgramFolderCopy install;
    TestFolder files;
    TestFolder temp = TestFolder::At(TempFolder());
    TestFolder desktop;
    TestRegistry registry;
};

TEST_F(CommandLine, PreviewPrintsWhatTheEngineFindsCleanRemovesItAndThenNothingIsLeft) {
    SeedTraces();
    Select({L"Windows Temp Folder", L"Windows Flush Recycle Bin", L"Windows Run Command History",
            L"Windows Paging File", L"Office 2003 Word 2003"});
    const std::string tmp = Utf8(temp.Path()) + "\\";
    const bool bin = RecycleBinIsIsolated();

    const CommandResult preview = Run(L"/preview");
    ASSERT_TRUE(preview.finished);
    EXPECT_EQ(preview.exitCode, 1u) << "found";
    EXPECT_EQ(preview.errors, "");
    std::vector<std::string> windows{
        "HKEY_LOCAL_MACHINE||" + Utf8(kPagingKey) + "=ClearPageFileAtShutdown",
        Utf8(kHkcu + kRunMru) + "=MRUList",
        Utf8(kHkcu + kRunMru) + "=a",
        tmp + "~DF3A21.tmp",
        tmp + Utf8(L"Übersicht € 東京.tmp"),
    };
    if (bin) {
        windows.insert(windows.end(), {"old letter.doc", "photo.jpg"});
    }
    std::sort(windows.begin(), windows.end());
    EXPECT_EQ(FoundByHeading(preview.output),
              (std::map<std::string, std::vector<std::string>>{{"Windows", windows}}))
        << "Word found nothing: no heading";
    const uint64_t windowsBytes = 16384 + 2210 + (bin ? 3000 + 5000 : 0);
    const std::string windowsKb =
        Utf8(nimbrel::KilobytesText(static_cast<double>(windowsBytes) / 1024.0)) + " KB";
    const std::string found = std::to_string(windows.size());
    const auto lines = Lines(preview.output);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 10, lines.end()),
              (std::vector<std::string>{
                  "Item name                  File(s) found  Space found",
                  "Windows Logs                           " + found + "     " + windowsKb,
                  "Internet Browser History              --           --",
                  "IM Logs                               --           --",
                  "MS Office History                      0      0.00 KB",
                  "Multimedia Logs                       --           --",
                  "File Sharing History                  --           --",
                  "Emails History                        --           --",
                  "Third Party Software Logs             --           --",
                  "TOTAL                                  " + found + "     " + windowsKb,
              }));
    EXPECT_EQ(Snapshot(temp.Path()).size(), 2u) << "a preview removes nothing";
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kRunMru).size(), 2u);
    for (const auto& [name, text] :
         std::vector<std::pair<std::wstring, std::wstring>>{{L"fwnd", std::to_wstring(windows.size())},
                                                            {L"fint", L"--"},
                                                            {L"fmso", L"0"},
                                                            {L"ttf", std::to_wstring(windows.size())},
                                                            {L"showerrs", std::to_wstring(windows.size())},
                                                            {L"cleaned", L"false"}}) {
        EXPECT_EQ(settings.Get(name), text) << name;
    }
    auto log = LogOfLastRun();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[1], L"Command line /preview");
    EXPECT_EQ(log.back(), L"NMB is Closed 2.3.2.1");
    for (const wchar_t* line :
         {L"Started Scaning", L"Windows Temp Folder", L"Windows Temp Folder - done", L"SCanning Completed"}) {
        EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
    }

    // A scheduled clean: output into a file, a report beside it; the engine's
    // word about the paging file is printed, not waited for.
    const std::wstring report = files.Path(L"clean report.txt");
    const CommandResult clean = Run(L"--clean --report \"" + report + L"\"", true);
    ASSERT_TRUE(clean.finished) << "waited for a message box";
    EXPECT_EQ(clean.exitCode, 1u) << "cleaned";
    EXPECT_EQ(ReadAll(report), kUtf8Mark + clean.output);
    EXPECT_NE(clean.output.find("\r\nSwap file will be deleted when you reboot the system\r\n"),
              std::string::npos);
    EXPECT_NE(clean.output.find("\r\nCleaned " + found + " found item(s), " + windowsKb + " recovered.\r\n"),
              std::string::npos)
        << clean.output;
    EXPECT_NE(clean.output.find("Item name                  File(s) found  File(s) cleaned  Space found  "
                                "Space recovered\r\nWindows Logs                           " +
                                found + "                " + found + "     " + windowsKb + "         " +
                                windowsKb),
              std::string::npos);
    EXPECT_TRUE(Snapshot(temp.Path()).empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunMru));
    EXPECT_EQ(RecycleBinCount(), 0);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kPagingKey, L"ClearPageFileAtShutdown"), 1u);
    for (const auto& [name, text] :
         std::vector<std::pair<std::wstring, std::wstring>>{{L"fiwnd", std::to_wstring(windows.size())},
                                                            {L"fiint", L"--"},
                                                            {L"ttc", std::to_wstring(windows.size())},
                                                            {L"cleaned", L"true"},
                                                            {L"showerrs", L"0"}}) {
        EXPECT_EQ(settings.Get(name), text) << name;
    }
    log = LogOfLastRun();
    EXPECT_EQ(log[1], L"Command line /clean");
    EXPECT_NE(std::find(log.begin(), log.end(), L"Cleaning started"), log.end());

    // The setting stays on (and is found again); everything else is gone.
    nimbrel::SetItemSelected(nimbrel::kProductTitle, *nimbrel::FindSelectionItem(L"Windows Paging File"),
                             false);
    const CommandResult again = Run(L"/preview");
    EXPECT_EQ(again.exitCode, 0u) << "nothing found";
    EXPECT_EQ(Lines(again.output).front(), "Nothing found in the selected items.");
}

TEST_F(CommandLine, TheConsoleItWasStartedFromShowsTheTextAsWritten) {
    temp.File(L"Übersicht € 東京.tmp", 2210);
    Select({L"Windows Temp Folder"});
    // A console of this test's own stands for the user's command prompt; the
    // program, given no handles, attaches to it.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = L"\"" + install.Program() + L"\" /preview";
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 1u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(console, &info));
    std::vector<std::wstring> rows;
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
        std::wstring text(static_cast<size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, text.data(), static_cast<DWORD>(text.size()), COORD{0, row},
                                    &read);
        text.erase(text.find_last_not_of(L' ') + 1);
        rows.push_back(text);
    }
    CloseHandle(console);
    FreeConsole();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], L"Windows");
    EXPECT_NE(rows[1].find(temp.Path() + L"\\Übersicht € 東京.tmp"), std::wstring::npos)
        << "UTF-16, every character";
}

TEST_F(CommandLine, FirstRunDefaultsOneNimbrelAtATimeAndWhatIsRefused) {
    // Right after installation: the factory selection, as the window's first
    // start makes it.
    settings.Set(L"first", L"1");
    const CommandResult list = Run(L"--list");
    EXPECT_EQ(list.exitCode, 0u);
    const auto lines = Lines(list.output);
    ASSERT_EQ(lines.size(), nimbrel::SelectionItems().size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const nimbrel::SelectionItem& item = nimbrel::SelectionItems()[i];
        EXPECT_EQ(lines[i], (item.onByDefault ? "1\t" : "0\t") + Utf8(nimbrel::SelectionValueName(item)));
    }
    EXPECT_EQ(lines[2], "1\tWindows Temp Folder");
    EXPECT_EQ(settings.Get(L"first"), L"0");
    EXPECT_EQ(settings.Get(L"Internet Explorer Favorites"), L"0");

    // With the window open a run refuses, and scans nothing.
    {
        RunningProgram window(install.Program());
        ASSERT_TRUE(RunningProgram::StartAndShow(window));
        const CommandResult refused = Run(L"/clean");
        EXPECT_EQ(refused.exitCode, 2u);
        EXPECT_EQ(Lines(refused.errors).front(),
                  "Nimbrel is already running. Close its window, or wait until the "
                  "other run has ended, then try again.");
        EXPECT_EQ(refused.output, "");
        EXPECT_EQ(settings.Get(L"fwnd"), L"(absent)") << "no scan";
        PostMessageW(window.MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(window.WaitForExit(10000));
    }

    struct Refusal {
        std::wstring arguments;
        std::string firstLine;
    };
    for (const Refusal& refusal : std::vector<Refusal>{
             {L"/purge", "Unknown option: /purge"},
             {L"/clean /report \"" + files.Path(L"missing folder\\r.txt") + L"\"",
              "Cannot write the report file " + Utf8(files.Path(L"missing folder\\r.txt"))}}) {
        const CommandResult result = Run(refusal.arguments);
        EXPECT_EQ(result.exitCode, 2u) << refusal.firstLine;
        EXPECT_EQ(Lines(result.errors).front(), refusal.firstLine);
    }
    const auto log = install.LogLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), L"NMB is ready to start 2.3.2.1"), 2)
        << "/list and the window";

    nimbrel::WriteNothingSelected(nimbrel::kProductTitle);
    const CommandResult nothing = Run(L"/clean");
    EXPECT_EQ(nothing.exitCode, 2u);
    EXPECT_EQ(Lines(nothing.errors).front(),
              "No item is selected. Choose the items to scan on the Options page of Nimbrel.");
}

} // namespace
