// Nimbrel.exe without its window: a scan of the saved selection, a cleaning
// of everything it found, or the selection itself, printed for the caller
// (a command prompt, a script, the Task Scheduler). The run obeys the rules
// of a start of the window: one Nimbrel at a time, the first-run default
// selection, a log of its own from the first line to the last, and the same
// settings values as a scan and a cleaning in the window.
#pragma once

#include "CommandLineOptions.h"
#include "CommandOutput.h"

namespace nimbrel {

enum CommandExitCode {
    kExitNothingFound = 0,   // also: the list or the usage was printed
    kExitFound = 1,          // found (by /preview) or something removed (by /clean)
    kExitError = 2,          // the run could not be done, or the command line is wrong
    kExitNothingRemoved = 3, // /clean found items but removed none of them
};

// Runs a request other than the window's; returns the process's exit code.
int RunCommandLine(const CommandRequest& request, CCommandOutput& output);

} // namespace nimbrel
