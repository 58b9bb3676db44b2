// One Nimbrel at a time: a named lock that the first instance holds for as
// long as it runs, and the way a second start hands over to the first.
#pragma once

#include "win32/Handles.h"

#include <windows.h>

#include <string>

namespace nimbrel {

// The main window's own window class, by which a second start finds it
// (message boxes share the dialog class and may carry the same title).
inline constexpr wchar_t kMainWindowClass[] = L"NimbrelMainWindow";

// The run lock and the windowless run's mark are seen by every session: a
// clean that Task Scheduler runs in another session (or as another user)
// and a window must never run at once. Bringing the first window forward
// stays with the session's own desktop.
std::wstring MachineWideName(const std::wstring& name);

class CSingleInstanceLock {
public:
    // Takes the machine-wide lock of that name, or learns that another
    // process holds it (also one of another account, whose lock this
    // process may not open).
    explicit CSingleInstanceLock(const std::wstring& name);
    bool AlreadyRunning() const { return alreadyRunning_; }

private:
    win32::UniqueKernelHandle mutex_;
    bool alreadyRunning_ = false;
};

// Marks a run without a window (the command line) for as long as it lives,
// so that the user who starts the window meanwhile learns why it does not
// come.
class CWindowlessRunMark {
public:
    explicit CWindowlessRunMark(const std::wstring& name);

private:
    win32::UniqueKernelHandle mark_;
};
// Whether a run without a window holds the lock of that name.
bool IsWindowlessRunUnderWay(const std::wstring& name);

// The running instance's main window (null when there is none yet).
HWND FindRunningMainWindow(const std::wstring& title);
// Shows the running instance's main window in front of the others,
// restored if it was minimised. A window still hidden belongs to an
// instance that is starting: it shows itself when ready.
void BringRunningInstanceForward(const std::wstring& title);

} // namespace nimbrel
