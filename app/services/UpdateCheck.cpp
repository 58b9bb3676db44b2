#include "UpdateCheck.h"

#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "ShellSeams.h"
#include "VersionCompare.h"

namespace nimbrel {

bool IsWantedUpdate(const wchar_t* component, const wchar_t* version, const std::wstring& installedVersion) {
    if (!component || std::wstring(component) != kSoftwareComponent || !version) {
        return false;
    }
    return CompareVersions(version, installedVersion) > 0;
}

bool CUpdateCheck::Start(const std::wstring& address) {
    if (!check_ || running_.exchange(true)) {
        return false;
    }
    address_ = address;
    thread_.Reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
    if (!thread_) {
        running_ = false;
        return false;
    }
    return true;
}

bool CUpdateCheck::Wait(DWORD timeoutMs) const {
    if (!running_ || !thread_) {
        return true;
    }
    return WaitForSingleObject(thread_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD WINAPI CUpdateCheck::ThreadMain(void* self) {
    auto* check = static_cast<CUpdateCheck*>(self);
    check->check_(check->address_.c_str(), &CUpdateCheck::DecideCallBack, &CUpdateCheck::StatusCallBack);
    // A check that ends without reporting its end must not keep runs from
    // starting for the rest of the program's life.
    check->runs_.ReleaseAfterInstallation();
    check->running_ = false;
    return 0;
}

unsigned char CUpdateCheck::DecideCallBack(const wchar_t* component, const wchar_t* version) {
    return theApp.updateCheck.Decide(component, version);
}

int CUpdateCheck::StatusCallBack(int code, const wchar_t* text) {
    return theApp.updateCheck.Status(code, text);
}

unsigned char CUpdateCheck::Decide(const wchar_t* component, const wchar_t* version) {
    if (!component && !version) {
        return 1; // the page has been read; the offers follow
    }
    // The full version: an update that offers the very build installed is
    // no update, or the program would reinstall itself at every start.
    if (!IsWantedUpdate(component, version, kFullVersionText)) {
        return 0;
    }
    if (GetInt(kProductTitle, L"prompt") == 1) {
        // No owner: the main window belongs to another thread.
        const int answer = ShowMessage(nullptr, kUpdateQuestion,
                                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND, kUpdateQuestionCaption);
        if (answer != IDYES) {
            return 0;
        }
    }
    return 1;
}

int CUpdateCheck::Status(int code, const wchar_t*) {
    switch (code) {
    case UPDRIFT_STATUS_READY_TO_INSTALL:
        // The installation that follows may end the program: it waits for
        // a scan or cleaning run to be over, and none starts after it. Held
        // before the notice, so that closing the program while the notice is
        // up still lets the installation finish.
        runs_.HoldForInstallation();
        ShowMessage(nullptr, kUpdateReadyText, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
        break;
    case UPDRIFT_STATUS_DOWNLOAD_FAILED:
    case UPDRIFT_STATUS_ERROR:
    case UPDRIFT_STATUS_FINISHED:
        runs_.ReleaseAfterInstallation();
        break;
    default:
        break;
    }
    return 1;
}

} // namespace nimbrel
