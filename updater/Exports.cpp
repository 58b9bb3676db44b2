// The library's two exports. Nothing thrown inside may cross the boundary.
#include "check/UpdateCheck.h"
#include "install/Installer.h"
#include "install/ProgramLock.h"
#include "support/Paths.h"
#include "support/UpdriftHandles.h"
#include "updrift/UpdatePage.h"
#include "updrift/Updrift.h"

#include <vector>

namespace updrift {

namespace {

constexpr wchar_t kLibraryFileName[] = L"Updrift.dll";

// The server the program's settings name, as text (empty when absent).
std::wstring ConfiguredUpdateServer() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSettingsKey, kUpdateServerSetting, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSettingsKey, kUpdateServerSetting, RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    return text.data();
}

void CheckForUpdates(const wchar_t* url, UpdriftDecideCallBack decide, UpdriftStatusCallBack status) {
    const std::wstring address =
        url && *url ? std::wstring(url) : UpdatePageAddress(ConfiguredUpdateServer());
    const CheckPlaces places{ModuleFolder(nullptr), TempFolder()};
    CUpdateCheck check(places, decide, status);
    if (check.Run(address) != CheckOutcome::InstallSeparately) {
        return;
    }
    if (StartInstallerProcess(JoinPath(places.programFolder, kLibraryFileName))) {
        // The installer waits for this process to end before it replaces
        // the program's files.
        ExitProcess(0);
    }
    check.Abandon();
}

int InstallDownloadedUpdates() {
    WaitForProgramToEnd();
    return InstallFromList({TempFolder(), ModuleFolder(ThisModule())}, AfterInstall::StartProgram);
}

} // namespace

} // namespace updrift

UPDRIFT_API void AuCheckForUpdates(const wchar_t* url, UpdriftDecideCallBack decide,
                                   UpdriftStatusCallBack status) {
    try {
        updrift::CheckForUpdates(url, decide, status);
    } catch (...) {
    }
}

UPDRIFT_API int CALLBACK InstallUpdates(HWND, HINSTANCE, LPSTR, int) {
    try {
        return updrift::InstallDownloadedUpdates();
    } catch (...) {
        return 0;
    }
}
