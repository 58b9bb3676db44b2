#include "MessagePump.h"

#include "win32/Handles.h"

namespace nimbrel {
namespace {

DWORD WINAPI RunJob(void* job) {
    try {
        (*static_cast<const std::function<void()>*>(job))();
    } catch (...) {
        // What the job failed to do stays undone; the waiting thread goes on.
    }
    return 0;
}

} // namespace

std::optional<int> DispatchWaitingMessages(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
        if (!dialog || !IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return std::nullopt;
}

} // namespace nimbrel

namespace nimbrel {

bool RunBesideMessages(HWND owner, const std::function<void()>& job) {
    const win32::UniqueKernelHandle thread(
        CreateThread(nullptr, 0, &RunJob, const_cast<std::function<void()>*>(&job), 0, nullptr));
    if (!thread) {
        return false;
    }
    const bool disabled = owner && !EnableWindow(owner, FALSE);
    std::optional<int> quit;
    const HANDLE ended = thread.Get();
    for (;;) {
        // Messages already looked at count too: a WM_QUIT ends a dispatch
        // before those behind it.
        const DWORD woken =
            MsgWaitForMultipleObjectsEx(1, &ended, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken != WAIT_OBJECT_0 + 1) {
            if (woken != WAIT_OBJECT_0) {
                WaitForSingleObject(ended, INFINITE);
            }
            break;
        }
        if (const std::optional<int> code = DispatchWaitingMessages()) {
            quit = code;
        }
    }
    if (disabled) {
        EnableWindow(owner, TRUE);
    }
    if (quit) {
        PostQuitMessage(*quit);
    }
    return true;
}

} // namespace nimbrel
