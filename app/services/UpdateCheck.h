// The automatic update check: one worker thread calls the updater with the
// update page's address and two callbacks, which decide on every offered
// update and tell the user what became of it.
#pragma once

#include "RunGate.h"
#include "win32/Handles.h"

#include <updrift/Updrift.h>

#include <windows.h>

#include <atomic>
#include <string>

namespace nimbrel {

// The updater's callbacks, and its check (AuCheckForUpdates or a stand-in).
using UpdateDecideCallBack = UpdriftDecideCallBack;
using UpdateStatusCallBack = UpdriftStatusCallBack;
using CheckForUpdatesFunction = void (*)(const wchar_t* url, UpdateDecideCallBack decide,
                                         UpdateStatusCallBack status);

// The one component the program installs updates of.
inline constexpr wchar_t kSoftwareComponent[] = L"software";

inline constexpr wchar_t kUpdateQuestion[] =
    L"New update of Nimbrel is available.\nDo you want to download and install this update?";
inline constexpr wchar_t kUpdateQuestionCaption[] = L"Program Update";
inline constexpr wchar_t kUpdateReadyText[] =
    L"New downloaded updates are ready to be installed.\n[Note: This may restart application.]";

// Whether an offered update is one the program takes at all: a newer
// version of the software itself than `installedVersion`.
bool IsWantedUpdate(const wchar_t* component, const wchar_t* version, const std::wstring& installedVersion);

class CUpdateCheck {
public:
    // `runs` is what an installation waits for.
    explicit CUpdateCheck(CRunGate& runs) : runs_(runs) {}

    // The updater's check; the program gives it the updater's export, tests
    // a stand-in. Without one, Start does nothing.
    void SetCheckFunction(CheckForUpdatesFunction check) { check_ = check; }

    // Starts a check of the page at `address` on a worker thread. False when
    // no check function is set, a check is still running, or no thread
    // could be started.
    bool Start(const std::wstring& address);
    bool IsRunning() const { return running_; }
    // Waits for a running check to end; false when it was still running at
    // the timeout.
    bool Wait(DWORD timeoutMs) const;

    // The updater's callbacks (on the worker thread). They reach the
    // application object's check, since the updater passes no context.
    static unsigned char DecideCallBack(const wchar_t* component, const wchar_t* version);
    static int StatusCallBack(int code, const wchar_t* text);

    unsigned char Decide(const wchar_t* component, const wchar_t* version);
    int Status(int code, const wchar_t* text);

    // True from the moment the downloads are ready until the check ends:
    // files of the program folder are being replaced.
    bool IsInstalling() const { return runs_.IsHeldForInstallation(); }

private:
    static DWORD WINAPI ThreadMain(void* self);

    CRunGate& runs_;
    CheckForUpdatesFunction check_ = nullptr;
    std::wstring address_;
    std::atomic<bool> running_{false};
    win32::UniqueKernelHandle thread_;
};

} // namespace nimbrel
