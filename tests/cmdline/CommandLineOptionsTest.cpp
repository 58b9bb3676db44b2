// The command line as plain functions: which arguments mean what, and the
// texts that only a cleaning run with stubborn traces prints.
#include "CommandLineItems.h"
#include "CommandLineOptions.h"
#include "CommandLineText.h"

#include <gtest/gtest.h>

using nimbrel::CommandAction;

TEST(CommandLineOptions, EveryFormOfEachOptionAndWhatIsRefused) {
    struct Case {
        std::vector<std::wstring> arguments;
        CommandAction action;
        std::wstring reportFile;
        std::wstring error;
        std::vector<std::wstring> items = {};
    };
    const std::vector<Case> cases{
        {{}, CommandAction::Window, L"", L""},
        {{L"/preview"}, CommandAction::Preview, L"", L""},
        {{L"--PREVIEW"}, CommandAction::Preview, L"", L""},
        {{L"/Clean"}, CommandAction::Clean, L"", L""},
        {{L"--list"}, CommandAction::List, L"", L""},
        {{L"/?"}, CommandAction::Help, L"", L""},
        {{L"/clean", L"/report", L"C:\\logs\\clean report.txt"},
         CommandAction::Clean,
         L"C:\\logs\\clean report.txt",
         L""},
        {{L"--report", L"r.txt", L"/list"}, CommandAction::List, L"r.txt", L""},
        {{L"/report", L"r.txt"}, CommandAction::Preview, L"r.txt", L""},
        {{L"/clean", L"/clean"}, CommandAction::Clean, L"", L""},
        {{L"/preview", L"Community*", L"Windows Temp Folder"},
         CommandAction::Preview,
         L"",
         L"",
         {L"Community*", L"Windows Temp Folder"}},
        {{L"/clean", L"Google Chrome*", L"/report", L"r.txt", L"Community: AllDup"},
         CommandAction::Clean,
         L"r.txt",
         L"",
         {L"Google Chrome*", L"Community: AllDup"}},
        {{L"--Update-Rules"}, CommandAction::UpdateRules, L"", L""},
        {{L"/list", L"Community*"}, CommandAction::Invalid, L"", L"Unknown option: Community*"},
        {{L"/update-rules", L"/report", L"r.txt"},
         CommandAction::Invalid,
         L"",
         L"/report writes the output of /preview, /clean or /list."},
        {{L"/purge"}, CommandAction::Invalid, L"", L"Unknown option: /purge"},
        {{L"-clean"}, CommandAction::Invalid, L"", L"Unknown option: -clean"},
        {{L"C:\\x.txt"}, CommandAction::Invalid, L"", L"Unknown option: C:\\x.txt"},
        {{L"/preview", L"/clean"},
         CommandAction::Invalid,
         L"",
         L"Give only one of /preview, /clean, /list and /update-rules."},
        {{L"/clean", L"/report"}, CommandAction::Invalid, L"", L"Option /report needs the name of a file."},
        {{L"/report", L"--clean"}, CommandAction::Invalid, L"", L"Option /report needs the name of a file."},
        {{L"/report", L"a", L"/report", L"b"},
         CommandAction::Invalid,
         L"",
         L"The report file is named twice."},
        {{L"/?", L"/report", L"a"},
         CommandAction::Invalid,
         L"",
         L"/report writes the output of /preview, /clean or /list."},
    };
    for (const Case& c : cases) {
        const nimbrel::CommandRequest request = nimbrel::ParseCommandLine(c.arguments);
        const std::wstring shown = c.arguments.empty() ? L"(none)" : c.arguments.front();
        EXPECT_EQ(request.action, c.action) << shown;
        EXPECT_EQ(request.reportFile, c.reportFile) << shown;
        EXPECT_EQ(request.error, c.error) << shown;
        EXPECT_EQ(request.items, c.items) << shown;
    }
    // Quotes keep a blank inside a name, as the system splits command lines.
    EXPECT_EQ(
        nimbrel::SplitArguments(LR"("C:\Program Files\Nimbrel\Nimbrel.exe" /report "C:\My Logs\r.txt")"),
        (std::vector<std::wstring>{L"/report", L"C:\\My Logs\\r.txt"}));
}

TEST(CommandLineOptions, ItemNamesMatchWithStarsForAnyText) {
    struct Case {
        const wchar_t* pattern;
        const wchar_t* name;
        bool matches;
    };
    for (const Case& c : std::vector<Case>{{L"Community*", L"Community: AllDup", true},
                                           {L"community: alldup", L"Community: AllDup", true},
                                           {L"*Cache*", L"Google Chrome Cache", true},
                                           {L"Google Chrome*", L"Community: Google Chrome Caches", false},
                                           {L"*Chrome*s", L"Community: Google Chrome Caches", true},
                                           {L"a*b*c", L"aXbYbZc", true},
                                           {L"a*b*c", L"aXbYc!", false},
                                           {L"*", L"", true},
                                           {L"Windows Temp", L"Windows Temp Folder", false}}) {
        EXPECT_EQ(nimbrel::NameMatches(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
    }
}

TEST(CommandLineText, TracesTheEngineCouldNotRemoveAreListed) {
    nimbrel::CleaningOutcome outcome;
    outcome.anyHandedOver = true;
    outcome.totals = {3, 1, 70.5};
    outcome.stayed = {L"C:\\Users\\me\\AppData\\Local\\Temp\\in use.tmp"};
    outcome.atRestart = {L"C:\\Temp\\held\r\n\tC:\\Windows\\x\x1B\x7F\x85.log", L"C:\\Temp\\setup.log"};
    EXPECT_EQ(nimbrel::CleaningText(outcome),
              L"Cleaned 3 found item(s), 70.50 KB recovered.\r\n"
              L"Could not be removed (1):\r\n"
              L"\tC:\\Users\\me\\AppData\\Local\\Temp\\in use.tmp\r\n"
              L"2 item(s) go at the next restart:\r\n"
              L"\tC:\\Temp\\held\\r\\n\\tC:\\Windows\\x\\x1B\\x7F\\x85.log\r\n"
              L"\tC:\\Temp\\setup.log\r\n")
        << "one found item, one line";
}
