// The folder of the running program, where the logs, the help file and the
// other deliverables live.
#pragma once

#include <string>

namespace nimbrel {

// The full path of the running program file cut at its last backslash.
std::wstring ProgramFolder();

} // namespace nimbrel
