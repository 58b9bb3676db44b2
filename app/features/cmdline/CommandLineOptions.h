// What the user asked of Nimbrel.exe on its command line: the window (no
// option), or a run without it that previews, cleans or lists the saved
// selection, its output optionally copied into a report file.
#pragma once

#include <string>
#include <vector>

namespace nimbrel {

enum class CommandAction {
    Window,  // no option: the program's window
    Preview, // scan the saved selection and print what it finds
    Clean,   // scan, then clean everything found
    List,    // print the selection, one item a line
    Help,    // print the usage
    Invalid, // an option that is unknown, incomplete or contradicts another
};

struct CommandRequest {
    CommandAction action = CommandAction::Window;
    // The file that receives a copy of the output; empty: none.
    std::wstring reportFile;
    // Why the command line is invalid, for the user.
    std::wstring error;
};

// Reads the arguments that follow the program's name. Options are "/name"
// or "--name", without regard to case; "/report FILE" alone means a preview
// written to FILE.
CommandRequest ParseCommandLine(const std::vector<std::wstring>& arguments);

// The arguments of a Windows command line after the program's name, split
// as the system splits them (quotes keep blanks).
std::vector<std::wstring> SplitArguments(const wchar_t* commandLine);

// The usage text, several lines, each ending in a line break.
std::wstring UsageText();

} // namespace nimbrel
