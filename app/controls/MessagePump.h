// A window whose own thread runs a long job (a scan, a cleaning run, a
// shred) stays alive by handling its queue between steps of the job.
#pragma once

#include <windows.h>

#include <optional>

namespace nimbrel {

// Dispatches the thread's waiting messages, with the keyboard navigation of
// `dialog` first when one is given. A WM_QUIT ends the pumping and is taken
// out of the queue: its exit code is returned, so that the job can end
// before the program does and post it again.
std::optional<int> DispatchWaitingMessages(HWND dialog = nullptr);

} // namespace nimbrel
