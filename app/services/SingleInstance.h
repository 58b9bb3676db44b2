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

// The run lock's name holds across sessions ("Global\\<name>"): a clean the
// Task Scheduler runs in another session and a window must never run at
// once. Beside it each session has its own lock of the plain name, by which
// a second start tells a first instance it can bring forward from one it
// cannot see.
std::wstring RunLockName(const std::wstring& name);

class CSingleInstanceLock {
public:
    // Takes the lock of that name, or learns that another process holds it.
    explicit CSingleInstanceLock(const std::wstring& name);
    bool AlreadyRunning() const { return alreadyRunning_; }
    // Whether the instance that runs is one of this session (where Wine
    // keeps one namespace for all, always).
    bool RunningInThisSession() const { return inThisSession_; }

private:
    win32::UniqueKernelHandle mutex_;
    win32::UniqueKernelHandle sessionMutex_;
    bool alreadyRunning_ = false;
    bool inThisSession_ = false;
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
