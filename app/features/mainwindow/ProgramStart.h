// The start of the program: one instance at a time, the first log line,
// and the main window until it closes.
#pragma once

namespace nimbrel {

// Runs the program and returns the process's exit code.
int RunProgram();

} // namespace nimbrel
