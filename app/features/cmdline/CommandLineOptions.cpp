#include "CommandLineOptions.h"

#include <windows.h>

#include <shellapi.h>

namespace nimbrel {

namespace {

// The option's name without its "/" or "--"; empty for any other argument.
std::wstring OptionName(const std::wstring& argument) {
    std::wstring name;
    if (argument.rfind(L"--", 0) == 0) {
        name = argument.substr(2);
    } else if (argument.rfind(L"/", 0) == 0) {
        name = argument.substr(1);
    } else {
        return L"";
    }
    CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

bool IsKnownOption(const std::wstring& name) {
    for (const wchar_t* known : {L"preview", L"clean", L"list", L"update-rules", L"report", L"?", L"help"}) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

CommandRequest Invalid(const std::wstring& error) {
    CommandRequest request;
    request.action = CommandAction::Invalid;
    request.error = error;
    return request;
}

} // namespace

CommandRequest ParseCommandLine(const std::vector<std::wstring>& arguments) {
    CommandRequest request;
    bool reportAsked = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        const std::wstring name = OptionName(argument);
        CommandAction action = CommandAction::Window;
        if (name == L"preview") {
            action = CommandAction::Preview;
        } else if (name == L"clean") {
            action = CommandAction::Clean;
        } else if (name == L"list") {
            action = CommandAction::List;
        } else if (name == L"update-rules") {
            action = CommandAction::UpdateRules;
        } else if (name == L"?" || name == L"help") {
            action = CommandAction::Help;
        } else if (name == L"report") {
            if (reportAsked) {
                return Invalid(L"The report file is named twice.");
            }
            // "/report /clean" lacks its file: the next option is no name.
            if (i + 1 >= arguments.size() || arguments[i + 1].empty() ||
                IsKnownOption(OptionName(arguments[i + 1]))) {
                return Invalid(L"Option " + argument + L" needs the name of a file.");
            }
            reportAsked = true;
            request.reportFile = arguments[++i];
            continue;
        } else if (name.empty() && !argument.empty() &&
                   (request.action == CommandAction::Preview || request.action == CommandAction::Clean)) {
            request.items.push_back(argument);
            continue;
        } else {
            return Invalid(L"Unknown option: " + argument);
        }
        if (request.action != CommandAction::Window && request.action != action) {
            return Invalid(L"Give only one of /preview, /clean, /list and /update-rules.");
        }
        request.action = action;
    }
    if (reportAsked && request.action == CommandAction::Window) {
        request.action = CommandAction::Preview;
    }
    if (reportAsked &&
        (request.action == CommandAction::Help || request.action == CommandAction::UpdateRules)) {
        return Invalid(L"/report writes the output of /preview, /clean or /list.");
    }
    return request;
}

std::vector<std::wstring> SplitArguments(const wchar_t* commandLine) {
    std::vector<std::wstring> arguments;
    if (!commandLine || !*commandLine) {
        return arguments;
    }
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(commandLine, &count);
    if (!split) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.emplace_back(split[i]);
    }
    LocalFree(split);
    return arguments;
}

std::wstring UsageText() {
    return L"Usage: Nimbrel.exe [/preview [ITEM...] | /clean [ITEM...] | /list | /update-rules] [/report "
           L"FILE]\r\n"
           L"  (no option)    opens the Nimbrel window\r\n"
           L"  /preview       scans the items selected on the Options page and prints what it finds\r\n"
           L"  /clean         scans the same way, then cleans everything it found\r\n"
           L"  ITEM...        after /preview or /clean: scans these items instead, leaving the saved\r\n"
           L"                 selection as it is; ITEM is a name as /list prints it, * matches any\r\n"
           L"                 text: /preview \"Community*\", /clean \"Google Chrome*\"\r\n"
           L"  /list          prints every item: 1 (selected) or 0, a TAB, the item's name; the\r\n"
           L"                 community rules whose program is found as \"Community: <entry name>\"\r\n"
           L"  /update-rules  fetches the newest community rules file (winapp2.ini)\r\n"
           L"  /report FILE   also writes the output to FILE (UTF-8); alone it means /preview\r\n"
           L"Each option may also be written --preview, --clean, --list, --update-rules, --report.\r\n"
           L"Exit code: 0 nothing found, 1 found (by /preview) or something removed (by /clean), 2 error,\r\n"
           L"  3 found but nothing removed (in use, or set to go at the next restart).\r\n";
}

} // namespace nimbrel
