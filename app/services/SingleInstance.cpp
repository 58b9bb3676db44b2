#include "SingleInstance.h"

namespace nimbrel {

std::wstring RunLockName(const std::wstring& name) {
    return L"Global\\" + name;
}

namespace {

// True when another process made the object first. A lock an elevated
// process of another user made may refuse to open: it is held all the same.
bool MadeByAnother(const win32::UniqueKernelHandle& object, DWORD error) {
    return object ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

std::wstring WindowlessRunMarkName(const std::wstring& name) {
    return RunLockName(name) + L" run without a window";
}

} // namespace

CSingleInstanceLock::CSingleInstanceLock(const std::wstring& name)
    : mutex_(CreateMutexW(nullptr, TRUE, RunLockName(name).c_str())) {
    alreadyRunning_ = MadeByAnother(mutex_, GetLastError());
    sessionMutex_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    inThisSession_ = alreadyRunning_ && MadeByAnother(sessionMutex_, GetLastError());
    if (alreadyRunning_) {
        // Not ours: the owner keeps them until it ends.
        mutex_.Reset();
        sessionMutex_.Reset();
    }
}

CWindowlessRunMark::CWindowlessRunMark(const std::wstring& name)
    : mark_(CreateEventW(nullptr, TRUE, FALSE, WindowlessRunMarkName(name).c_str())) {}

bool IsWindowlessRunUnderWay(const std::wstring& name) {
    win32::UniqueKernelHandle mark(OpenEventW(SYNCHRONIZE, FALSE, WindowlessRunMarkName(name).c_str()));
    return mark || GetLastError() == ERROR_ACCESS_DENIED;
}

HWND FindRunningMainWindow(const std::wstring& title) {
    return FindWindowW(kMainWindowClass, title.c_str());
}

void BringRunningInstanceForward(const std::wstring& title) {
    HWND window = FindRunningMainWindow(title);
    if (!window || !IsWindowVisible(window)) {
        return;
    }
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    // An open About box or message box comes forward with its window.
    SetForegroundWindow(GetLastActivePopup(window));
}

} // namespace nimbrel
