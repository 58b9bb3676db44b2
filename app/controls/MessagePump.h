// A window whose own thread runs a long job (a scan, a cleaning run, a
// shred) stays alive by handling its queue between steps of the job.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace nimbrel {

// Dispatches the thread's waiting messages, with the keyboard navigation of
// `dialog` first when one is given. A WM_QUIT ends the pumping and is taken
// out of the queue: its exit code is returned, so that the job can end
// before the program does and post it again.
std::optional<int> DispatchWaitingMessages(HWND dialog = nullptr);

// Runs `job` on a thread of its own while this thread keeps its windows
// painted, for a wait (a download) that cannot be cut into steps. `owner`
// takes no input meanwhile, as under a message box; a WM_QUIT that came
// meanwhile is posted again once the job has ended. False, with the job not
// run, when no thread could be made.
bool RunBesideMessages(HWND owner, const std::function<void()>& job);

} // namespace nimbrel
