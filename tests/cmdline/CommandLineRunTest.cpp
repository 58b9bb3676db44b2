// The real Nimbrel.exe run without its window, from a copy of the program
// folder, on a profile seeded with a user's traces: what it prints through a
// pipe, a file, a report file and a console, what it leaves on the disk and
// in the settings (the sites whose cookies stay among them), its log and its
// exit codes.
#include "BrowserSchemas.h"
#include "ProgramUnderTest.h"
#include "UpdateServer.h"
#include "WindowsTraces.h"

#include "CommandOutput.h"
#include "DatabaseSettings.h"
#include "ItemSelection.h"
#include "NimbrelControlApp.h"
#include "ScanFigures.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <sstream>

using namespace app_tests;
using namespace testing_support;
using win32::Utf8FromUtf16;

namespace {

const std::wstring kRunMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const std::wstring kPagingKey = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::wstring kSessionManager = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const std::wstring kStrangeName = L"Übersicht € 東京.tmp";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
    }
    return lines;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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

// A browser's database made with its own schema and rows.
bool MakeDatabase(const std::wstring& path, const char* sql) {
    sqlite3* db = nullptr;
    const bool made = sqlite3_open(Utf8FromUtf16(path).c_str(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return made;
}

// Every row the statement yields, its columns joined by "|", in order.
std::vector<std::string> Rows(const std::wstring& path, const char* sql) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8FromUtf16(path).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            db, sql,
            [](void* into, int columns, char** values, char**) {
                std::string row;
                for (int i = 0; i < columns; ++i) {
                    row += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
                }
                static_cast<std::vector<std::string>*>(into)->push_back(row);
                return 0;
            },
            &rows, nullptr);
    }
    sqlite3_close(db);
    return rows;
}

const std::string kChromiumCookies = std::string(kChromiumCookiesTables) + R"(
INSERT INTO cookies VALUES (1,'.mail.example.org','','SID','',X'763130aa','/',0,1,1,1,1,1,1,0,2,443,1,0,0),
 (2,'badexample.org','','T','tracker-id-4711',X'','/',0,1,1,1,1,1,1,0,2,443,1,0,0),
 (3,'ads.tracker.example','','T','tracker-id-4712',X'','/',0,1,1,1,1,1,1,0,2,443,1,0,0);
)";

const std::string kFirefoxCookies = std::string(kFirefoxCookiesTables) + R"(
INSERT INTO moz_cookies (name,value,host,path,expiry,lastAccessed,creationTime,isSecure,isHttpOnly) VALUES
 ('session','s3cr3t','.example.org','/',1900000000,1,1,1,1),
 ('login','u42','accounts.example.org','/',1900000000,2,2,1,1),
 ('uid','tracker-id-4713','.tracker.example','/',1900000000,3,3,0,0);
)";

// A console of the test's own stands for the user's command prompt; the
// program, started without handles, attaches to it.
class TestConsole {
public:
    TestConsole() {
        FreeConsole();
        created_ = AllocConsole() != FALSE;
        screen_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    }
    ~TestConsole() {
        CloseHandle(screen_);
        FreeConsole();
    }
    bool Created() const { return created_; }
    // A row of the screen without its trailing blanks.
    std::wstring Row(SHORT row) const {
        CONSOLE_SCREEN_BUFFER_INFO screen{};
        GetConsoleScreenBufferInfo(screen_, &screen);
        std::wstring text(static_cast<size_t>(screen.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen_, text.data(), screen.dwSize.X, COORD{0, row}, &read);
        text.erase(text.find_last_not_of(L' ') + 1);
        return text;
    }
    SHORT CursorRow() const {
        CONSOLE_SCREEN_BUFFER_INFO screen{};
        GetConsoleScreenBufferInfo(screen_, &screen);
        return screen.dwCursorPosition.Y;
    }
    // Starts the program in this console; its process handle.
    HANDLE Start(const std::wstring& program, const std::wstring& arguments) const {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring line = L"\"" + program + L"\" " + arguments;
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            return nullptr;
        }
        CloseHandle(process.hThread);
        return process.hProcess;
    }

private:
    bool created_ = false;
    HANDLE screen_ = INVALID_HANDLE_VALUE;
};

struct CommandResult {
    DWORD exitCode = 99; // 99: still running after a minute, ended by the test
    std::string output;
    std::string errors;
};

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        EmptyRecycleBin();
        nimbrel::GetInt(nimbrel::kProductTitle, L"first"); // the first read makes the key
        nimbrel::WriteNothingSelected(nimbrel::kProductTitle);
        // Beside the program: the tests' trimmed copy of the community's rules.
        ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"\\data\\winapp2.ini").c_str(),
                              (install.Folder() + L"\\winapp2.ini").c_str(), FALSE));
    }
    void TearDown() override { EmptyRecycleBin(); }

    static void Select(std::initializer_list<const wchar_t*> valueNames, bool selected = true) {
        for (const wchar_t* name : valueNames) {
            nimbrel::SetItemSelected(nimbrel::kProductTitle, *nimbrel::FindSelectionItem(name), selected);
        }
    }

    // Runs the program: its output into a pipe (or a file), its errors into
    // a file, no console.
    CommandResult Run(const std::wstring& arguments, bool outputToFile = false) {
        return Run(arguments, outputToFile ? files.Path(L"output.txt") : std::wstring());
    }
    CommandResult Run(const std::wstring& arguments, const std::wstring& outputFile) {
        const bool outputToFile = !outputFile.empty();
        CommandResult result;
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        auto create = [&](const std::wstring& path) {
            return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                               nullptr);
        };
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = create(files.Path(L"errors.txt"));
        HANDLE read = nullptr;
        if (outputToFile) {
            startup.hStdOutput = create(outputFile);
        } else {
            CreatePipe(&read, &startup.hStdOutput, &inherit, 0);
            SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
        }
        PROCESS_INFORMATION process{};
        std::wstring line = L"\"" + install.Program() + L"\" " + arguments;
        const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            install.Folder().c_str(), &startup, &process);
        CloseHandle(startup.hStdOutput);
        CloseHandle(startup.hStdError);
        char buffer[4096];
        DWORD got = 0;
        while (read && started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            result.output.append(buffer, got);
        }
        if (read) {
            CloseHandle(read);
        }
        if (!started) {
            return result;
        }
        if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 99);
        }
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        result.output += outputToFile ? ReadAll(outputFile) : "";
        result.errors = ReadAll(files.Path(L"errors.txt"));
        return result;
    }

    std::vector<std::wstring> LogOfLastRun() const {
        const auto lines = install.LogLines();
        const auto start = std::find(lines.rbegin(), lines.rend(), L"NMB is ready to start 2.3.2.1");
        return {start == lines.rend() ? lines.begin() : std::prev(start.base()), lines.end()};
    }

    CleanSettings settings;
    ProgramFolderCopy install;
    TestFolder files;
    TestFolder temp = TestFolder::At(ParentOf(SpecialFolderPath(CSIDL_LOCAL_APPDATA)) + L"\\Temp");
    TestFolder desktop;
    TestRegistry registry;
    // The user's own Nimbrel folder, where an updated rules file goes.
    TestFolder userFolder = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Nimbrel");
};

// The lines of a /list that name Community items.
std::vector<std::string> CommunityLines(const std::string& output) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(output)) {
        if (line.find("\tCommunity: ") == 1) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST_F(CommandLine, PreviewPrintsWhatTheEngineFindsCleanRemovesItAndThenNothingIsLeft) {
    // A user's week: temporary files (one named in three scripts), a Run
    // history, the paging-file setting and two files in the Recycle Bin.
    temp.File(L"~DF3A21.tmp", 16384);
    temp.File(kStrangeName, 2210);
    registry.String(HKEY_CURRENT_USER, kRunMru, L"a", L"notepad\\1");
    registry.String(HKEY_CURRENT_USER, kRunMru, L"MRUList", L"a");
    registry.Dword(HKEY_LOCAL_MACHINE, kPagingKey, L"ClearPageFileAtShutdown", 0);
    const bool bin = RecycleBinIsIsolated();
    for (const wchar_t* name : {L"old letter.doc", L"photo.jpg"}) {
        ASSERT_TRUE(!bin || MoveToRecycleBin(desktop.File(name, 4000)));
    }
    Select({L"Windows Temp Folder", L"Windows Flush Recycle Bin", L"Windows Run Command History",
            L"Windows Paging File", L"Office 2003 Word 2003"});

    const CommandResult preview = Run(L"/preview");
    EXPECT_EQ(preview.exitCode, 1u) << "found";
    EXPECT_EQ(preview.errors, "");
    const std::string tmp = Utf8FromUtf16(temp.Path()) + "\\";
    const std::string mru = "HKEY_CURRENT_USER||" + Utf8FromUtf16(kRunMru);
    std::vector<std::string> windows{
        "HKEY_LOCAL_MACHINE||" + Utf8FromUtf16(kPagingKey) + "=ClearPageFileAtShutdown", mru + "=MRUList",
        mru + "=a", tmp + "~DF3A21.tmp", tmp + Utf8FromUtf16(kStrangeName)};
    if (bin) {
        windows.insert(windows.end(), {"old letter.doc", "photo.jpg"});
    }
    std::sort(windows.begin(), windows.end());
    EXPECT_EQ(FoundByHeading(preview.output),
              (std::map<std::string, std::vector<std::string>>{{"Windows", windows}}))
        << "exactly as the engine reports them; Word found nothing: no heading";
    const std::string found = std::to_string(windows.size());
    const std::string kb =
        Utf8FromUtf16(nimbrel::KilobytesText((16384 + 2210 + (bin ? 8000 : 0)) / 1024.0)) + " KB";
    for (const std::string& line : std::vector<std::string>{
             "\r\n\r\nItem name                  File(s) found  Space found\r\n",
             "\r\nWindows Logs                           " + found + "     " + kb + "\r\n",
             "\r\nInternet Browser History              --           --\r\n",
             "\r\nMS Office History                      0      0.00 KB\r\n",
             "\r\nTOTAL                                  " + found + "     " + kb + "\r\n"}) {
        EXPECT_TRUE(Contains(preview.output, line)) << line << preview.output;
    }
    EXPECT_EQ(Snapshot(temp.Path()).size(), 2u) << "a preview removes nothing";
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kRunMru).size(), 2u);
    const std::wstring count = std::to_wstring(windows.size());
    for (const auto& [name, text] : std::map<std::wstring, std::wstring>{
             {L"fwnd", count}, {L"fint", L"--"}, {L"fmso", L"0"}, {L"ttf", count}, {L"cleaned", L"false"}}) {
        EXPECT_EQ(settings.Get(name), text) << name;
    }
    auto log = LogOfLastRun();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], L"Command line /preview");
    EXPECT_EQ(log.back(), L"NMB is Closed 2.3.2.1");
    for (const wchar_t* line : {L"Started Scaning", L"Windows Temp Folder - done", L"SCanning Completed"}) {
        EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
    }

    // As a scheduled clean: output into a file, a report beside it; the
    // engine's word about the paging file is printed, not waited for.
    const std::wstring report = files.Path(L"clean report.txt");
    const CommandResult clean = Run(L"--clean --report \"" + report + L"\"", true);
    EXPECT_EQ(clean.exitCode, 1u) << "cleaned, without waiting for a click";
    EXPECT_EQ(ReadAll(report), "\xEF\xBB\xBF" + clean.output);
    for (const std::string& line : std::vector<std::string>{
             "\r\nSwap file will be deleted when you reboot the system\r\n",
             "\r\n\r\nCleaned " + found + " found item(s), " + kb + " recovered.\r\n\r\n",
             "\r\nItem name                  File(s) found  File(s) cleaned  Space found  Space "
             "recovered\r\n",
             "\r\nWindows Logs                           " + found + "                " + found + "     " +
                 kb + "         " + kb + "\r\n"}) {
        EXPECT_TRUE(Contains(clean.output, line)) << line << clean.output;
    }
    EXPECT_TRUE(Snapshot(temp.Path()).empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunMru));
    EXPECT_EQ(RecycleBinCount(), 0);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kPagingKey, L"ClearPageFileAtShutdown"), 1u);
    for (const auto& [name, text] : std::map<std::wstring, std::wstring>{{L"fiwnd", count},
                                                                         {L"fiint", L"--"},
                                                                         {L"ttc", count},
                                                                         {L"cleaned", L"true"},
                                                                         {L"showerrs", L"0"}}) {
        EXPECT_EQ(settings.Get(name), text) << name;
    }
    log = LogOfLastRun();
    EXPECT_EQ(log[1], L"Command line /clean");
    EXPECT_NE(std::find(log.begin(), log.end(), L"Cleaning started"), log.end());

    // The setting stays on (and is found again); everything else is gone.
    Select({L"Windows Paging File"}, false);
    const CommandResult again = Run(L"/preview");
    EXPECT_EQ(again.exitCode, 0u) << "nothing found";
    EXPECT_EQ(Lines(again.output).front(), "Nothing found in the selected items.");
}

TEST_F(CommandLine, ACleanCountsOnlyWhatWentAndNeverTakesItsOwnReportOrOutput) {
    // A scheduled clean that writes its report and its output into the very
    // temporary folder it cleans, while a program holds one trace open.
    const std::wstring trace = temp.File(L"~DF3A21.tmp", 16384);
    const std::wstring held = temp.File(L"setup.log", 4096);
    const std::wstring report = temp.Path(L"nimbrel-report.txt");
    const std::wstring output = temp.Path(L"nimbrel-output.txt");
    Select({L"Windows Temp Folder"});
    const std::wstring pending = RawText(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations");
    CommandResult clean, blocked;
    std::string firstReport;
    std::wstring firstCleaned;
    {
        HeldOpen writer(held, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        clean = Run(L"/clean /report \"" + report + L"\"", output);
        firstReport = ReadAll(report);
        firstCleaned = settings.Get(L"ttc");
        // Next week's run writes the same files.
        blocked = Run(L"/clean /report \"" + report + L"\"", output);
    }
    RestoreRawText(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations", pending);

    const std::string tmp = Utf8FromUtf16(temp.Path()) + "\\";
    EXPECT_EQ(clean.exitCode, 1u) << "one trace went";
    EXPECT_EQ(FoundByHeading(clean.output), (std::map<std::string, std::vector<std::string>>{
                                                {"Windows", {tmp + "setup.log", tmp + "~DF3A21.tmp"}}}))
        << "neither the report nor the output file is a trace";
    for (const std::string& line :
         std::vector<std::string>{"\r\nCleaned 1 found item(s), 16.00 KB recovered.\r\n",
                                  "\r\n1 item(s) go at the next restart:\r\n\t" + tmp + "setup.log\r\n"}) {
        EXPECT_TRUE(Contains(clean.output, line)) << line << clean.output;
    }
    EXPECT_EQ(firstReport, "\xEF\xBB\xBF" + clean.output);
    EXPECT_FALSE(FileExists(trace));
    EXPECT_EQ(firstCleaned, L"1");

    // Only the held file is left: found, nothing removed, and not a success.
    EXPECT_EQ(blocked.exitCode, 3u);
    ASSERT_FALSE(blocked.errors.empty());
    EXPECT_EQ(Lines(blocked.errors).front(),
              "Nothing was removed: every found item is in use (close the programs that hold them, a running "
              "browser among them) or could not be removed.");
    EXPECT_TRUE(Contains(blocked.output, "\r\nCleaned 0 found item(s), 0.00 KB recovered.\r\n"))
        << blocked.output;
}

TEST_F(CommandLine, OneFoundItemOneLineAndItsPathThroughALinkedTemporaryFolder) {
    // A program planted line breaks in a value name; the user's temporary
    // folder lies behind a link, and a link below it leads to a document.
    const std::wstring planted = L"a\r\n\tC:\\Windows\\notepad.exe\x01";
    registry.String(HKEY_CURRENT_USER, kRunMru, planted, L"notepad\\1");
    const std::wstring moved = files.Folder(L"moved\\Temp");
    const std::wstring trace = files.File(L"moved\\Temp\\~WRL0001.tmp", 2048);
    const std::wstring precious = desktop.File(L"letter.doc", 1000);
    ASSERT_TRUE(MakeUnixSymlink(desktop.Path(), moved + L"\\elsewhere"));
    ASSERT_TRUE(MakeUnixSymlink(files.Path(L"moved"), files.Path(L"linked")));
    const std::wstring linkedTemp = files.Path(L"linked\\Temp");
    Select({L"Windows Temp Folder", L"Windows Run Command History"});
    wchar_t savedTmp[MAX_PATH] = {}, savedTemp[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TMP", savedTmp, MAX_PATH);
    GetEnvironmentVariableW(L"TEMP", savedTemp, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", linkedTemp.c_str());
    SetEnvironmentVariableW(L"TEMP", linkedTemp.c_str());
    const CommandResult preview = Run(L"/preview");
    const CommandResult clean = Run(L"/clean");
    SetEnvironmentVariableW(L"TMP", savedTmp);
    SetEnvironmentVariableW(L"TEMP", savedTemp);

    const std::vector<std::string> found{Utf8FromUtf16(linkedTemp) + "\\~WRL0001.tmp",
                                         "HKEY_CURRENT_USER||" + Utf8FromUtf16(kRunMru) +
                                             "=a\\r\\n\\tC:\\Windows\\notepad.exe\\x01"};
    EXPECT_EQ(FoundByHeading(preview.output),
              (std::map<std::string, std::vector<std::string>>{{"Windows", found}}))
        << preview.output;
    EXPECT_EQ(clean.exitCode, 1u);
    EXPECT_TRUE(Contains(clean.output, "\r\nCleaned 2 found item(s), 2.00 KB recovered.\r\n"))
        << clean.output;
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kRunMru, planted))
        << "the value itself, not its printed name";
    EXPECT_FALSE(FileExists(trace));
    EXPECT_TRUE(FileExists(precious)) << "a link below the root is never followed";
}

TEST_F(CommandLine, TheConsoleItWasStartedFromShowsEveryCharacter) {
    temp.File(kStrangeName, 2210);
    Select({L"Windows Temp Folder"});
    const TestConsole console;
    ASSERT_TRUE(console.Created());
    HANDLE process = console.Start(install.Program(), L"/preview");
    ASSERT_TRUE(process);
    EXPECT_EQ(WaitForSingleObject(process, 60000), WAIT_OBJECT_0);
    CloseHandle(process);
    EXPECT_EQ(console.Row(0) + L"|" + console.Row(1),
              L"Windows|        " + temp.Path() + L"\\" + kStrangeName)
        << "as UTF-16; the TAB shown as blanks";
}

TEST_F(CommandLine, CtrlCStopsTheRunWhereItIsAndSaysSo) {
    for (int i = 0; i < 3000; ++i) {
        temp.File(L"trace " + std::to_wstring(i) + L".tmp", 100);
    }
    Select({L"Windows Temp Folder"});
    const TestConsole console;
    ASSERT_TRUE(console.Created());
    HANDLE process = console.Start(install.Program(), L"/clean");
    ASSERT_TRUE(process);
    // The key reaches every program of the console: this one ignores it
    // (not before the start, or the program would inherit that).
    SetConsoleCtrlHandler(nullptr, TRUE);
    // The user presses Ctrl+C once the first found items show.
    EXPECT_TRUE(WaitFor([&] { return !console.Row(1).empty(); }));
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "still running";
    EXPECT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) << GetLastError();
    EXPECT_EQ(WaitForSingleObject(process, 60000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    SetConsoleCtrlHandler(nullptr, FALSE);
    EXPECT_EQ(code, 2u);
    const SHORT last = console.CursorRow();
    EXPECT_EQ(console.Row(last - 1),
              L"Stopped (Ctrl+C) before the run ended: what was not reached is left as it is.");
    // Stopped while scanning (or, on a slow machine, early in the cleaning):
    // what the run did not reach is still there, and the figures are written.
    EXPECT_GT(Snapshot(temp.Path()).size(), 2000u);
    EXPECT_NE(settings.Get(L"fwnd"), L"(absent)");
    const auto log = LogOfLastRun();
    EXPECT_TRUE(std::find(log.begin(), log.end(), L"Scanning stopped by user") != log.end() ||
                std::find(log.begin(), log.end(), L"Cleaning stopped") != log.end());
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
        EXPECT_EQ(lines[i],
                  (item.onByDefault ? "1\t" : "0\t") + Utf8FromUtf16(nimbrel::SelectionValueName(item)));
    }
    EXPECT_EQ(lines[2], "1\tWindows Temp Folder");
    EXPECT_EQ(settings.Get(L"first") + settings.Get(L"Internet Explorer Favorites"), L"00");

    {
        RunningProgram window(install.Program());
        ASSERT_TRUE(RunningProgram::StartAndShow(window));
        const CommandResult refused = Run(L"/clean");
        EXPECT_EQ(refused.exitCode, 2u);
        EXPECT_EQ(Lines(refused.errors).front(),
                  "Nimbrel is already running. Close its window, or wait until the "
                  "other run has ended, then try again.");
        EXPECT_EQ(settings.Get(L"fwnd"), L"(absent)") << "no scan";
        PostMessageW(window.MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(window.WaitForExit(10000));
    }
    {
        // The window started while a command-line run holds the lock says
        // why it does not come, also when that run is a scheduled clean in
        // another session: the names hold machine-wide. (Wine runs every
        // process in one session; its Global\ and session namespaces are
        // apart all the same, so session-local names fail here.)
        const win32::UniqueKernelHandle lock(CreateMutexW(nullptr, TRUE, L"Global\\Nimbrel"));
        const win32::UniqueKernelHandle mark(
            CreateEventW(nullptr, TRUE, FALSE, L"Global\\Nimbrel run without a window"));
        RunningProgram window(install.Program());
        HWND box = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            const auto found = TopLevelWindows(window.Id(), L"Nimbrel");
            box = found.empty() ? nullptr : found.front();
            return box && GetDlgItem(box, 0xFFFF);
        }));
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        EXPECT_EQ(std::wstring(text), L"Nimbrel is scanning and cleaning from the command line (a scheduled "
                                      L"clean, perhaps). Please start it again when that run has ended.");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        DWORD code = 1;
        EXPECT_TRUE(window.WaitForExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    const std::wstring unwritable = files.Path(L"missing folder\\r.txt");
    for (const auto& [arguments, error] :
         std::map<std::wstring, std::string>{{L"/purge", "Unknown option: /purge"},
                                             {L"/clean /report \"" + unwritable + L"\"",
                                              "Cannot write the report file " + Utf8FromUtf16(unwritable)}}) {
        const CommandResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2u) << error;
        EXPECT_EQ(Lines(result.errors).front(), error);
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

TEST_F(CommandLine, CommunityEntriesAreListedAndNamedItemsRunWithoutTheSavedSelection) {
    // Chrome with one profile's history and session, AllDup with its log.
    const TestFolder google = TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Google");
    const std::wstring profile = google.Folder(L"Chrome\\User Data\\Default");
    for (const auto& [name, size] : std::map<std::wstring, uint64_t>{{L"Preferences", 300},
                                                                     {L"History", 4096},
                                                                     {L"Visited Links", 512},
                                                                     {L"Sessions\\Session_13370001", 2048}}) {
        google.File(L"Chrome\\User Data\\Default\\" + name, size);
    }
    const TestFolder allDup = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\AllDup");
    allDup.File(L"AllDup.log", 700);
    allDup.File(L"AllDup.ini", 90);
    temp.File(L"~DF3A21.tmp", 16384);
    Select({L"Windows Temp Folder"});

    // Only the entries whose program is found, grouped as the file groups
    // them ("Google Chrome Web Browser", then 3024 "Utilities"), all off.
    const CommandResult list = Run(L"/list");
    EXPECT_EQ(list.exitCode, 0u);
    const std::vector<std::string> community = CommunityLines(list.output);
    ASSERT_EQ(community.size(), 22u) << list.output;
    EXPECT_EQ(community.front(), "0\tCommunity: Google Chrome Autofill Data & Search Engine Preferences");
    EXPECT_EQ(community[19], "0\tCommunity: Google Chrome Web Browsing Session");
    EXPECT_EQ(community.back(), "0\tCommunity: AllDup");
    EXPECT_EQ(Lines(list.output).size(), nimbrel::SelectionItems().size() + 22);

    const CommandResult preview =
        Run(L"/preview \"Community: Google Chrome Web Browsing*\" \"community: alldup\"");
    EXPECT_EQ(preview.exitCode, 1u) << preview.errors;
    const std::string chrome = Utf8FromUtf16(profile) + "\\";
    EXPECT_EQ(FoundByHeading(preview.output),
              (std::map<std::string, std::vector<std::string>>{
                  {"Community",
                   {chrome + "History", chrome + "Sessions\\Session_13370001", chrome + "Visited Links",
                    Utf8FromUtf16(allDup.Path(L"AllDup.log"))}}}))
        << "the selected Temp Folder is not scanned; the preferences are no trace";
    EXPECT_TRUE(Contains(preview.output, "\r\nCommunity                              4 "));
    EXPECT_EQ(settings.Get(L"fwnd"), L"--");
    EXPECT_EQ(settings.Get(L"fcmn"), L"4");

    const CommandResult clean = Run(L"/clean \"Community: Google Chrome Web Browsing Session\"");
    EXPECT_EQ(clean.exitCode, 1u) << clean.errors;
    EXPECT_EQ(Snapshot(profile),
              (std::vector<std::wstring>{L"History|4096", L"Preferences|300", L"Visited Links|512"}));
    EXPECT_FALSE(FolderExists(profile + L"\\Sessions")) << "REMOVESELF: the emptied folder goes too";
    EXPECT_EQ(Snapshot(temp.Path()).size(), 1u);
    EXPECT_EQ(settings.Get(L"Windows Temp Folder"), L"1") << "the saved selection stays";
    EXPECT_EQ(settings.Get(L"Community: Google Chrome Web Browsing Session"), L"(absent)");

    // A name that matches nothing is refused before anything runs.
    const CommandResult unknown = Run(L"/clean \"Windows Temp Folder\" \"Community: Chrome*\"");
    EXPECT_EQ(unknown.exitCode, 2u);
    EXPECT_EQ(Lines(unknown.errors).front(),
              "No item is named \"Community: Chrome*\". /list prints the names of the items.");
    EXPECT_EQ(Snapshot(temp.Path()).size(), 1u);

    // What an entry's authors warn of is said when a run names it.
    registry.Key(HKEY_CURRENT_USER, L"Software\\Valve\\Steam");
    const CommandResult warned = Run(L"/preview \"Community: Steam*\"");
    EXPECT_EQ(warned.exitCode, 0u) << warned.errors;
    EXPECT_EQ(
        Lines(warned.errors).front(),
        "Note on \"Community: Steam Installers\": This entry should only be enabled after you have launched "
        "each of your installed Steam games at least once. Deleting these files before then may cause "
        "Steam to think the game's installation is broken. After the first launch, these files become "
        "useless.");
}

TEST_F(CommandLine, TheUsersRulesFileWinsAndAnUpdateReplacesItOnlyWithRules) {
    const TestFolder allDup = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\AllDup");
    allDup.File(L"AllDup.log", 700);
    const std::string mine = "; mine\r\n[Only Mine *]\r\nLangSecRef=3021\r\nDetectFile=%AppData%\\AllDup\r\n"
                             "FileKey1=%AppData%\\AllDup|*.log\r\n";
    const std::wstring userFile = userFolder.FileWithContent(L"winapp2.ini", mine);
    EXPECT_EQ(CommunityLines(Run(L"/list").output), std::vector<std::string>{"0\tCommunity: Only Mine"})
        << "the program folder's AllDup entry is not read";

    ServedFiles server;
    const std::string newer = "[AllDup Logs *]\nLangSecRef=3024\nDetectFile=%AppData%\\AllDup\n"
                              "FileKey1=%AppData%\\AllDup|*.log\n";
    struct Case {
        std::wstring address;
        unsigned exitCode;
        std::string message;
        std::string fileAfter;
    };
    server.PutUnsigned(L"page.html", "<html><body>Moved</body></html>");
    server.PutUnsigned(L"short.ini", newer + std::string(4000, ';'));
    server.CutShort(L"short.ini");
    const std::wstring good = server.PutUnsigned(L"winapp2.ini", newer);
    for (const Case& c : std::vector<Case>{
             {server.Url(L"page.html"), 2,
              "The file downloaded from " + Utf8FromUtf16(server.Url(L"page.html")) +
                  " holds no cleaning rules. The rules in use stay as they are.",
              mine},
             {server.Url(L"short.ini"), 2,
              "The rules file could not be downloaded from " + Utf8FromUtf16(server.Url(L"short.ini")) +
                  " (only https:// addresses are followed). The rules in use stay as they are.",
              mine},
             {L"http://rules.example.invalid/winapp2.ini", 2,
              "The rules file could not be downloaded from http://rules.example.invalid/winapp2.ini (only "
              "https:// addresses are followed). The rules in use stay as they are.",
              mine},
             {good, 0, "", newer}}) {
        settings.Set(L"rulesaddress", L" " + c.address + L" ");
        const CommandResult update = Run(L"/update-rules");
        EXPECT_EQ(update.exitCode, c.exitCode) << update.output << update.errors;
        if (!c.message.empty()) {
            EXPECT_EQ(Lines(update.errors).front(), c.message);
        }
        EXPECT_EQ(ReadAll(userFile), c.fileAfter);
        EXPECT_FALSE(FileExists(userFile + L".new"));
    }
    const CommandResult list = Run(L"/list");
    EXPECT_EQ(CommunityLines(list.output), std::vector<std::string>{"0\tCommunity: AllDup Logs"});
}

TEST_F(CommandLine, KeptSitesStaySignedInAcrossChromiumFirefoxAndThunderbirdAfterClean) {
    const TestFolder chrome =
        TestFolder::At(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Google\\Chrome\\User Data");
    const TestFolder firefox = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Mozilla\\Firefox");
    const TestFolder thunderbird = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Thunderbird");
    chrome.FileWithContent(L"Default\\Preferences", "{}");
    firefox.FileWithContent(L"Profiles\\ab12cd34.default-release\\prefs.js", "");
    thunderbird.FileWithContent(L"Profiles\\ef56gh78.default\\prefs.js", "");
    const std::wstring chromium = chrome.Folder(L"Default\\Network") + L"\\Cookies";
    const std::wstring mozilla = firefox.Path(L"Profiles\\ab12cd34.default-release\\cookies.sqlite");
    const std::wstring mail = thunderbird.Path(L"Profiles\\ef56gh78.default\\cookies.sqlite");
    ASSERT_TRUE(MakeDatabase(chromium, kChromiumCookies.c_str()));
    ASSERT_TRUE(MakeDatabase(mozilla, kFirefoxCookies.c_str()));
    ASSERT_TRUE(MakeDatabase(mail, kFirefoxCookies.c_str()));
    const auto chromiumKept = Rows(chromium, "SELECT * FROM cookies WHERE host_key = '.mail.example.org'");
    const auto mozillaKept = Rows(mozilla, "SELECT * FROM moz_cookies WHERE host LIKE '%example.org'");
    ASSERT_EQ(chromiumKept.size() + mozillaKept.size(), 3u);
    Select({L"Google Chrome Cookies And Site Data", L"Firefox Cookies", L"Thunderbird Cookies"});
    settings.Set(nimbrel::kCookieSitesValue, L"example.org");

    const CommandResult preview = Run(L"/preview");
    EXPECT_EQ(preview.exitCode, 1u) << preview.output << preview.errors;
    auto found = FoundByHeading(preview.output);
    ASSERT_EQ(found.size(), 2u) << preview.output;
    const std::vector<std::string>& browsers = found["Internet Browsers"];
    ASSERT_EQ(browsers.size(), 2u) << "a cookie store with kept sites is one found item" << preview.output;
    const bool chromiumFirst = Contains(browsers[0], "Network\\Cookies|");
    EXPECT_TRUE(Contains(browsers[chromiumFirst ? 0 : 1], "Default\\Network\\Cookies|2 cookies"));
    EXPECT_TRUE(Contains(browsers[chromiumFirst ? 1 : 0], "default-release\\cookies.sqlite|1 cookie"))
        << "the other sites' cookies counted";
    ASSERT_EQ(found["Email"].size(), 1u) << preview.output;
    EXPECT_TRUE(Contains(found["Email"][0], "ef56gh78.default\\cookies.sqlite|1 cookie"));

    const CommandResult clean = Run(L"/clean");
    EXPECT_EQ(clean.exitCode, 1u) << clean.output << clean.errors;
    EXPECT_EQ(Rows(chromium, "SELECT * FROM cookies"), chromiumKept) << "kept rows byte for byte";
    EXPECT_EQ(Rows(mozilla, "SELECT * FROM moz_cookies"), mozillaKept);
    EXPECT_EQ(Rows(mail, "SELECT * FROM moz_cookies"), mozillaKept);
    for (const std::wstring& store : {chromium, mozilla, mail}) {
        EXPECT_EQ(Rows(store, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    }

    // Without kept sites a cookie store goes whole, as before.
    settings.Set(nimbrel::kCookieSitesValue, L"");
    EXPECT_EQ(Run(L"/clean").exitCode, 1u);
    EXPECT_FALSE(FileExists(chromium));
    EXPECT_FALSE(FileExists(mozilla));
    EXPECT_FALSE(FileExists(mail));
}

} // namespace
