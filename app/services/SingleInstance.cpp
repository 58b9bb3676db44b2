#include "SingleInstance.h"

namespace nimbrel {

std::wstring MachineWideName(const std::wstring& name) {
    return L"Global\\" + name;
}

CSingleInstanceLock::CSingleInstanceLock(const std::wstring& name)
    : mutex_(CreateMutexW(nullptr, TRUE, MachineWideName(name).c_str())) {
    const DWORD error = GetLastError();
    alreadyRunning_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    if (alreadyRunning_) {
        // Not ours: the owner keeps it until it ends.
        mutex_.Reset();
    }
}

namespace {

std::wstring WindowlessRunMarkName(const std::wstring& name) {
    return MachineWideName(name + L" run without a window");
}

} // namespace

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
