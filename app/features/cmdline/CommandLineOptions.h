// What the user asked of Nimbrel.exe on its command line: the window (no
// option), or a run without it that previews, cleans or lists the saved
// selection (or previews or cleans the items it names), or updates the
// community rules file, its output optionally copied into a report file.
#pragma once

#include <string>
#include <vector>

namespace nimbrel {

enum class CommandAction {
    Window,      // no option: the program's window
    Preview,     // scan the saved selection and print what it finds
    Clean,       // scan, then clean everything found
    List,        // print the selection, one item a line
    UpdateRules, // fetch the newest community rules file
    Help,        // print the usage
    Invalid,     // an option that is unknown, incomplete or contradicts another
};

struct CommandRequest {
    CommandAction action = CommandAction::Window;
    // The file that receives a copy of the output; empty: none.
    std::wstring reportFile;
    // The names (with "*" for any text) of the items a preview or clean
    // takes instead of the saved selection; empty: the saved selection.
    std::vector<std::wstring> items;
    // Why the command line is invalid, for the user.
    std::wstring error;
};

// Reads the arguments that follow the program's name. Options are "/name"
// or "--name", without regard to case; "/report FILE" alone means a preview
// written to FILE; the arguments after /preview or /clean that are no
// options name its items.
CommandRequest ParseCommandLine(const std::vector<std::wstring>& arguments);

// The arguments of a Windows command line after the program's name, split
// as the system splits them (quotes keep blanks).
std::vector<std::wstring> SplitArguments(const wchar_t* commandLine);

// The usage text, several lines, each ending in a line break.
std::wstring UsageText();

} // namespace nimbrel
